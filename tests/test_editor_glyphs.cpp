// The navigator's pictures: the standard ones it starts with, the nine files of Btn loaded when
// the main window is first shown, and the one error box for a missing or invalid file.
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogue/DBNavigator.h"
#include "catalogue/Query.h"
#include "support/Fixtures.h"
#include "toolkit/Application.h"
#include "toolkit/Controls.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace teklifo;
using namespace testing_support;

namespace {

const char* const pictureFiles[] = {"Btn/first.bmp", "Btn/previous.bmp", "Btn/Next.bmp",
                                    "Btn/Last.bmp",  "Btn/Insert.bmp",   "Btn/Delete.bmp",
                                    "Btn/Edit.bmp",  "Btn/Post.bmp",     "Btn/Cancel.bmp"};

QImage shown(const QIcon& icon, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(QSize(16, 16), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage shown(const QToolButton* button, QIcon::Mode mode = QIcon::Normal) {
    return shown(button->icon(), mode);
}

QImage standard(int button) {
    return shown(DBNavigator::glyphIcon(DBNavigator::standardGlyph(DBNavigator::Button(button))));
}

QImage fromFile(int button) {
    return shown(DBNavigator::glyphIcon(loadBitmapFile(pictureFiles[button])));
}

TEST(NavigatorGlyphs, SquaresSideBySideWithTheBottomLeftColourSeeThrough) {
    const QColor key(10, 20, 30);
    QImage bitmap(32, 16, QImage::Format_RGB32);
    bitmap.fill(key);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x) {
            bitmap.setPixelColor(x, y, Qt::red);
            bitmap.setPixelColor(16 + x, y, Qt::blue);
        }
    const QIcon icon = DBNavigator::glyphIcon(bitmap);
    EXPECT_EQ(shown(icon).pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(shown(icon).pixelColor(0, 15).alpha(), 0);
    EXPECT_EQ(shown(icon).pixelColor(10, 10).alpha(), 0);
    EXPECT_EQ(shown(icon, QIcon::Disabled).pixelColor(3, 3), QColor(Qt::blue));
    EXPECT_EQ(shown(icon, QIcon::Disabled).pixelColor(10, 10).alpha(), 0);

    // One square serves for both; the disabled look is derived from it.
    const QIcon single = DBNavigator::glyphIcon(bitmap.copy(0, 0, 16, 16));
    EXPECT_EQ(shown(single).pixelColor(3, 3), QColor(Qt::red));
    EXPECT_NE(shown(single, QIcon::Disabled).pixelColor(3, 3), QColor(Qt::red));
}

TEST(NavigatorGlyphs, StandardPicturesUntilFilesAreLoaded) {
    DBNavigator navigator;
    for (int b = 0; b < DBNavigator::ButtonCount; ++b) {
        EXPECT_EQ(shown(navigator.button(DBNavigator::Button(b))), standard(b)) << b;
        if (b > 0) {
            EXPECT_NE(standard(b), standard(b - 1)) << "each kind has a picture of its own";
        }
    }
}

TEST(NavigatorGlyphs, TheNineFilesAreLoadedWhenTheWindowIsFirstShown) {
    TempWorkDir dir;
    makeCatalogue(dir.file("Data.mdb"), {});
    MessageBoxWatcher boxes;
    RunningProgram program;
    EXPECT_TRUE(boxes.seen().isEmpty());
    for (int b = 0; b < 9; ++b) {
        SCOPED_TRACE(pictureFiles[b]);
        const QToolButton* button = Form1()->DBNavigator1->button(DBNavigator::Button(b));
        EXPECT_EQ(shown(button), fromFile(b));
        EXPECT_NE(shown(button), standard(b));
    }
    EXPECT_EQ(shown(Form1()->DBNavigator1->button(DBNavigator::Refresh)), fromFile(8))
        << "the refresh button has no file and keeps what the bitmap held";
}

// One error box when the window is first shown; the buttons before the failing file show their
// pictures, that one and the rest keep the standard ones, and the window opens with its idle
// refresh in force.
TEST(NavigatorGlyphs, AMissingOrInvalidFileStopsTheLoadingWithOneErrorBox) {
    struct Case {
        const char* name;
        std::function<void(const QString&)> prepare;
        int failing;
        const char* reason; // null: not a valid bitmap
    };
    const Case cases[] = {
        {"Btn missing", [](const QString& btn) { QDir(btn).removeRecursively(); }, 0,
         "No such file or directory"},
        {"only Next.bmp missing", [](const QString& btn) { QFile::remove(btn + "/Next.bmp"); }, 2,
         "No such file or directory"},
        {"Insert.bmp not a bitmap",
         [](const QString& btn) {
             QFile file(btn + "/Insert.bmp");
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write("\x89PNG\r\n\x1a\n not a bitmap at all");
         },
         4, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkDir dir;
        makeCatalogue(dir.file("Data.mdb"), {{1, {{"Bir", 1}, {"İki", 2}}}});
        QList<QImage> loaded;
        for (int b = 0; b < 9; ++b)
            loaded.append(fromFile(b));
        c.prepare(dir.file("Btn"));

        MessageBoxWatcher boxes;
        RunningProgram program;
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "Teklifo");
        EXPECT_EQ(boxes.seen()[0].icon, int(QMessageBox::Critical));
        const QString expected =
            c.reason ? QStringLiteral("Cannot open file \"%1/%2\". %3.")
                           .arg(QDir::currentPath(), QString::fromLatin1(pictureFiles[c.failing]),
                                QString::fromLatin1(c.reason))
                     : QStringLiteral("Bitmap image is not valid.");
        EXPECT_EQ(boxes.seen()[0].text, expected);

        TForm1* form = Form1();
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(Application::instance()->hasIdleHandler());
        for (int b = 0; b < 9; ++b)
            EXPECT_EQ(shown(form->DBNavigator1->button(DBNavigator::Button(b))),
                      b < c.failing ? loaded[b] : standard(b))
                << pictureFiles[b];

        // The buttons work as ever.
        form->Button1->click();
        form->DBNavigator1->button(DBNavigator::First)->click();
        EXPECT_EQ(form->Tablo(1)->currentIndex(), 0);
        form->DBNavigator1->button(DBNavigator::Next)->click();
        EXPECT_EQ(form->Tablo(1)->currentIndex(), 1);
    }
}

} // namespace
