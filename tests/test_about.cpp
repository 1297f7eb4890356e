// The about box in the running program: its picture (a 100 × 210 palette bitmap stored with the
// program, stretched over the left side), its texts, the links that turn red under the pointer and
// open their own text, and "Kapat".
#include "app/Startup.h"
#include "app/Unit1.h"
#include "dialogs/hakkinda.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

using namespace teklifo;
using namespace testing_support;

// Takes the addresses the desktop is asked to open, instead of a browser.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

namespace {

const QColor clBlue(0, 0, 255);
const QColor clRed(255, 0, 0);

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        makeCatalogue(work.file("Data.mdb"), {});
        program = std::make_unique<RunningProgram>();
        about = FrmHakkinda();
    }

    // Presses "Hakkında" and runs body inside the modal about box; body must close it.
    void whileOpen(const std::function<void()>& body) {
        bool ran = false;
        QTimer::singleShot(0, about, [&] {
            ran = true;
            EXPECT_TRUE(about->isVisible());
            body();
            if (about->isVisible()) {
                ADD_FAILURE() << "the about box stayed open";
                about->hide();
            }
        });
        Form1()->Button3->click();
        EXPECT_TRUE(ran);
    }

    TempWorkDir work;
    std::unique_ptr<RunningProgram> program;
    TFrmHakkinda* about = nullptr;
};

TEST_F(AboutBox, ThePictureIsAPaletteBitmapOfOurOwnStretchedOverTheLeftSide) {
    QFile file(":/about/hakkinda.bmp");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bmp = file.readAll();
    ASSERT_GE(bmp.size(), 54);
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bmp.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bmp.constData() + at); };
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(u32(18), 100u); // width
    EXPECT_EQ(u32(22), 210u); // height, rows bottom-up
    EXPECT_EQ(u16(28), 8);    // bits per pixel
    EXPECT_EQ(u32(30), 0u);   // uncompressed
    EXPECT_EQ(u32(46), 256u); // colours in the palette

    QImage picture;
    ASSERT_TRUE(picture.loadFromData(bmp, "BMP"));
    EXPECT_EQ(picture.size(), QSize(100, 210));
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);

    QLabel* image = about->Image1;
    ASSERT_EQ(about->findChild<QLabel*>("Image1"), image);
    EXPECT_EQ(image->geometry(), QRect(0, 0, 100, 225));
    EXPECT_EQ(image->pixmap().size(), QSize(100, 210));
    // Stretched, not placed: the picture's first and last rows are the shown area's first and last.
    const QImage shown = image->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(100, 225));
    for (const QPoint& corner : {QPoint(0, 0), QPoint(99, 0)})
        EXPECT_EQ(shown.pixelColor(corner), picture.pixelColor(corner));
    for (int x : {0, 99})
        EXPECT_EQ(shown.pixelColor(x, 224), picture.pixelColor(x, 209));
}

TEST_F(AboutBox, ShowsTheShadowedTitleTheInvitationAndTheLinks) {
    const struct {
        QLabel* label;
        const char* name;
        QPoint at;
        int height;
        QColor colour;
    } labels[] = {
        {about->Label3, "Label3", {136, 16}, 24, clGray},
        {about->Label4, "Label4", {134, 14}, 24, Qt::black},
        {about->Label5, "Label5", {136, 64}, 13, clGray},
        {about->Label2, "Label2", {138, 92}, 13, clBlue},
        {about->Label1, "Label1", {138, 108}, 13, clBlue},
    };
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        ASSERT_EQ(about->findChild<QLabel*>(l.name), l.label);
        EXPECT_EQ(l.label->pos(), l.at);
        EXPECT_EQ(l.label->height(), l.height);
        EXPECT_EQ(l.label->width(), l.label->sizeHint().width()) << "as wide as its text";
        EXPECT_EQ(textColour(l.label), l.colour);
        EXPECT_FALSE(l.label->autoFillBackground());
    }
    EXPECT_EQ(about->Label3->text(), "Teklifo 2.7");
    EXPECT_EQ(about->Label4->text(), "Teklifo 2.7");
    EXPECT_EQ(about->Label4->font().pixelSize(), 19);
    EXPECT_EQ(about->Label3->font(), about->Label4->font());
    // The black title is drawn after, so over, its grey shadow.
    const QObjectList order = about->Label4->parent()->children();
    EXPECT_GT(order.indexOf(about->Label4), order.indexOf(about->Label3));
    EXPECT_EQ(about->Label5->text(), "Görüş, eleştiri ve öneriler için:");
    for (QLabel* link : {about->Label2, about->Label1}) {
        EXPECT_TRUE(QUrl(link->text()).isValid());
        EXPECT_EQ(QUrl(link->text()).scheme(), "https");
        EXPECT_TRUE(link->font().bold());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_NE(about->Label2->text(), about->Label1->text());

    const struct {
        QWidget* widget;
        const char* name;
        QRect geometry;
    } boxes[] = {{about->Shape1, "Shape1", {108, 0, 212, 225}},
                 {about->Shape2, "Shape2", {128, 192, 169, 22}},
                 {about->SpeedButton1, "SpeedButton1", {128, 192, 169, 22}}};
    for (const auto& b : boxes) {
        EXPECT_EQ(about->findChild<QWidget*>(b.name), b.widget) << b.name;
        EXPECT_EQ(b.widget->geometry(), b.geometry) << b.name;
    }
    EXPECT_EQ(about->SpeedButton1->text(), "Kapat");
}

TEST_F(AboutBox, ALinkIsRedOnlyWhileThePointerIsOverIt) {
    for (QLabel* link : {about->Label2, about->Label1}) {
        QLabel* other = link == about->Label2 ? about->Label1 : about->Label2;
        SCOPED_TRACE(link->objectName().toStdString());
        const QPointF inside(3, 3);
        QMouseEvent move(QEvent::MouseMove, inside, link->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(link, &move);
        EXPECT_EQ(textColour(link), clRed);
        EXPECT_EQ(textColour(other), clBlue);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        EXPECT_EQ(textColour(link), clBlue);
        EXPECT_EQ(textColour(other), clBlue);
    }
}

TEST_F(AboutBox, AClickOpensTheLinksOwnTextAndKapatCloses) {
    OpenedUrls opened;
    QDesktopServices::setUrlHandler("https", &opened, "open");
    whileOpen([&] {
        QTest::mouseClick(about->Label2, Qt::LeftButton);
        QTest::mouseClick(about->Label1, Qt::LeftButton);
        QTest::mouseClick(about->Label5, Qt::LeftButton);
        EXPECT_TRUE(about->isVisible()) << "the box stays open";
        QTest::mouseClick(about->SpeedButton1, Qt::LeftButton);
    });
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(opened.urls, QList<QUrl>({QUrl(about->Label2->text()), QUrl(about->Label1->text())}));
    EXPECT_FALSE(about->isVisible());
}

} // namespace

#include "test_about.moc"
