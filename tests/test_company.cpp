// The company details dialog in the running program: its layout, the presets of a first run, the
// company file written on every close however the dialog closes, "Tümünü Temizle", and a save that
// fails, which leaves the file as it was and lets the user out of the dialog only when asked to.
#include "app/Startup.h"
#include "app/Unit1.h"
#include "dialogs/PrintAyar.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

// File contents read as escaped text in failures.
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << ::testing::PrintToString(bytes.toStdString());
}

using namespace teklifo;
using namespace testing_support;

namespace {

const QStringList kPresets = {
    "Ornek Bilgisayar", "Deneme Mah. 1323 Sok. No 15 Muratpaşa / ANTALYA",
    "242 - 222 22 22",  "Muratpaşa Vergi D.",
    "12345678901",      "Deniz Yılmaz",
};

// The file a first close writes: Windows-1254 ("ı" 0xFD, "ş" 0xFE), CR LF, the keys in order.
const QByteArray kPresetFile = QByteArray("[Firma Bilgileri]\r\n"
                                          "F.Ad\xFD=Ornek Bilgisayar\r\n"
                                          "F.Adresi=Deneme Mah. 1323 Sok. No 15 Muratpa\xFE"
                                          "a / ANTALYA\r\n"
                                          "F.Tel.=242 - 222 22 22\r\n"
                                          "F.Vergi D.=Muratpa\xFE"
                                          "a Vergi D.\r\n"
                                          "F.Vergi No=12345678901\r\n"
                                          "F.Yetkilisi=Deniz Y\xFD"
                                          "lmaz\r\n");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList texts(const TFrmPrintAyar* dialog) {
    QStringList list;
    for (int n = 1; n <= TFrmPrintAyar::FieldCount; ++n)
        list << dialog->Edit(n)->text();
    return list;
}

void setTexts(TFrmPrintAyar* dialog, const QStringList& values) {
    for (int n = 1; n <= TFrmPrintAyar::FieldCount; ++n)
        dialog->Edit(n)->setText(values[n - 1]);
}

class CompanyDialog : public ::testing::Test {
protected:
    void SetUp() override {
        makeCatalogue(work.file("Data.mdb"), {});
        setCompanyFileName(companyFile);
    }
    void TearDown() override { setCompanyFileName({}); }

    void start() { program = std::make_unique<RunningProgram>(); }
    void restart() {
        program.reset();
        start();
    }
    TFrmPrintAyar* dialog() const { return FrmPrintAyar(); }

    // Presses "Firma Bilgileri" and runs body inside the modal dialog, which body must close.
    // One left open is hidden afterwards, so the test goes on.
    void whileOpen(const std::function<void(TFrmPrintAyar*)>& body) {
        bool ran = false;
        QTimer::singleShot(0, dialog(), [&] {
            ran = true;
            EXPECT_TRUE(dialog()->isVisible());
            body(dialog());
            if (dialog()->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog()->hide();
            }
        });
        Form1()->Button2->click();
        EXPECT_TRUE(ran);
    }

    TempWorkDir work;
    QTemporaryDir companyDir;
    QString companyFile = companyDir.filePath("PcFirma.ssd");
    std::unique_ptr<RunningProgram> program;
};

TEST_F(CompanyDialog, IsLaidOutAsDesigned) {
    start();
    TFrmPrintAyar* d = dialog();
    const int widths[] = {257, 257, 121, 257, 121, 121};
    const char* captions[] = {"Firma Adı :",        "Firma Adresi :", "Firma Telefonu :",
                              "Firma V. Dairesi :", "Vergi No :",     "Firma Yetkilisi :"};
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        auto* edit = d->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
        auto* label = d->findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        ASSERT_NE(edit, nullptr);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(edit->geometry(), QRect(104, 40 + 24 * (n - 1), widths[n - 1], 21));
        EXPECT_EQ(edit->palette().color(QPalette::Base), clSilver);
        EXPECT_EQ(label->text(), QString::fromUtf8(captions[n - 1]));
        EXPECT_EQ(label->x() + label->width(), 97);
        EXPECT_EQ(label->y(), edit->y() + 2);
    }
    const struct {
        const char* name;
        const char* text;
        QRect geometry;
    } buttons[] = {{"SpeedButton2", "Tümünü Temizle", {240, 136, 121, 22}},
                   {"SpeedButton1", "Tamam / Kaydet", {240, 160, 121, 22}}};
    for (const auto& b : buttons) {
        auto* button = d->findChild<QToolButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(b.text));
        EXPECT_EQ(button->geometry(), b.geometry);
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    }

    // Tab goes Edit1 … Edit6 and round again; nothing else takes the focus.
    QStringList order;
    QWidget* w = d->Edit(1);
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled()) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != d->Edit(1));
    EXPECT_EQ(order, QStringList({"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"}));
}

TEST_F(CompanyDialog, FirstRunShowsThePresetsAndClosingCreatesTheFile) {
    start();
    MessageBoxWatcher boxes;
    whileOpen([&](TFrmPrintAyar* d) {
        EXPECT_EQ(texts(d), kPresets);
        EXPECT_EQ(d->focusWidget(), d->Edit(1));
        EXPECT_FALSE(QFile::exists(companyFile)); // opening writes nothing
        d->SpeedButton1->click();
    });
    EXPECT_EQ(readFile(companyFile), kPresetFile);
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(QDir(companyDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"PcFirma.ssd"});
}

TEST_F(CompanyDialog, TheFileIsReadOnceAtStartAndRewrittenInPlaceOnClose) {
    // Edited by hand: one key empty, one missing, one with other case and quotes, one too long,
    // a foreign key and section that must survive.
    const QByteArray longValue(3000, 'x');
    writeFile(companyFile, QByteArray("; notlar\r\n"
                                      "[firma bilgileri]\r\n"
                                      "F.Ad\xFD=\r\n"
                                      "f.tel.=  ' 555 12 12 '  \r\n"
                                      "F.Vergi D.=") +
                               longValue +
                               QByteArray("\r\n"
                                          "Renk=mavi\r\n"
                                          "F.Vergi No= 987 \r\n"
                                          "F.Yetkilisi=\xDE\xFCkr\xFC Ko\xE7\r\n"
                                          "\r\n"
                                          "[Diger]\r\n"
                                          "F.Adresi=baska yer\r\n"));
    start();
    EXPECT_EQ(texts(dialog()),
              QStringList({"", kPresets[1], " 555 12 12 ", QString(2047, 'x'), "987", "Şükrü Koç"}));

    // A change made to the file meanwhile is not seen, and is overwritten by the next close.
    writeFile(companyFile, QByteArray("; notlar\r\n"
                                      "[firma bilgileri]\r\n"
                                      "F.Ad\xFD=\r\n"
                                      "f.tel.=000\r\n"
                                      "Renk=mavi\r\n"
                                      "\r\n"
                                      "[Diger]\r\n"
                                      "F.Adresi=baska yer\r\n"));
    whileOpen([](TFrmPrintAyar* d) { d->SpeedButton1->click(); });
    EXPECT_EQ(readFile(companyFile), QByteArray("; notlar\r\n"
                                                "[firma bilgileri]\r\n"
                                                "F.Ad\xFD=\r\n"
                                                "f.tel.= 555 12 12 \r\n"
                                                "Renk=mavi\r\n"
                                                "F.Adresi=Deneme Mah. 1323 Sok. No 15 Muratpa\xFE"
                                                "a / ANTALYA\r\n"
                                                "F.Vergi D.=") +
                                         QByteArray(2047, 'x') +
                                         QByteArray("\r\n"
                                                    "F.Vergi No=987\r\n"
                                                    "F.Yetkilisi=\xDE\xFCkr\xFC Ko\xE7\r\n"
                                                    "\r\n"
                                                    "[Diger]\r\n"
                                                    "F.Adresi=baska yer\r\n"));

    // Blanks typed around a value don't come back at the next start.
    restart();
    EXPECT_EQ(dialog()->Edit(3)->text(), "555 12 12");
}

TEST_F(CompanyDialog, ClearingAndClosingStoresSixEmptyValuesThatTheNextStartKeeps) {
    start();
    MessageBoxWatcher boxes;
    whileOpen([&](TFrmPrintAyar* d) {
        d->SpeedButton2->click();
        EXPECT_EQ(texts(d), QStringList(6, QString()));
        EXPECT_FALSE(QFile::exists(companyFile)); // cleared fields wait for the close
        d->SpeedButton1->click();
    });
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(readFile(companyFile), QByteArray("[Firma Bilgileri]\r\nF.Ad\xFD=\r\nF.Adresi=\r\nF.Tel.=\r\n"
                                                "F.Vergi D.=\r\nF.Vergi No=\r\nF.Yetkilisi=\r\n"));
    restart();
    EXPECT_EQ(texts(dialog()), QStringList(6, QString()));
}

TEST_F(CompanyDialog, ClearAllClearsWhenAnyFieldHoldsTextAndOtherwiseOnlySaysSo) {
    start();
    const struct {
        const char* name;
        int field; // 0: all empty
        QString text;
    } cases[] = {{"all empty", 0, {}}, {"a single blank", 5, " "}, {"one field", 3, "242"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList before(6, QString());
        if (c.field) before[c.field - 1] = c.text;
        MessageBoxWatcher boxes;
        whileOpen([&](TFrmPrintAyar* d) {
            setTexts(d, before);
            d->SpeedButton2->click();
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(texts(d), QStringList(6, QString()));
            d->SpeedButton1->click();
        });
        if (c.field) {
            EXPECT_TRUE(boxes.seen().isEmpty());
        } else {
            ASSERT_EQ(boxes.seen().size(), 1);
            const SeenBox& box = boxes.seen().first();
            EXPECT_EQ(box.title, "Bilgi");
            EXPECT_EQ(box.text, "Temizlenmesi gereken alan yok !");
            EXPECT_EQ(box.icon, QMessageBox::Information);
            EXPECT_EQ(box.buttons, QStringList{"TAMAM"});
        }
    }
}

TEST_F(CompanyDialog, TheTitleBarClosesAndSavesLikeTheButtonWhileEnterAndEscCloseNothing) {
    start();
    whileOpen([&](TFrmPrintAyar* d) {
        d->Edit(1)->setText("Yeni Firma");
        d->Edit(1)->setFocus();
        QTest::keyClick(d->Edit(1), Qt::Key_Escape);
        QTest::keyClick(d->Edit(1), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(QFile::exists(companyFile));
        // What the window system sends when the title bar's close button or the system menu's
        // close command is used.
        ASSERT_NE(d->windowHandle(), nullptr);
        d->windowHandle()->close();
    });
    QByteArray expected = kPresetFile;
    expected.replace("Ornek Bilgisayar", "Yeni Firma");
    EXPECT_EQ(readFile(companyFile), expected);

    // Opening and closing again without a change rewrites the same six keys.
    QFile::remove(companyFile);
    whileOpen([](TFrmPrintAyar* d) { d->windowHandle()->close(); });
    EXPECT_EQ(readFile(companyFile), expected);
}

TEST_F(CompanyDialog, AFolderThatCannotBeWrittenAsksBeforeClosingWithoutSaving) {
    // The file's folder is a regular file: no one, not even root, can write below it.
    const QString blocker = companyDir.filePath("klasor");
    writeFile(blocker, "dosya");
    const QString unreachable = blocker + "/PcFirma.ssd";
    setCompanyFileName(unreachable);
    start();
    EXPECT_EQ(texts(dialog()), kPresets);

    MessageBoxWatcher boxes(QStringLiteral("Hayır"));
    whileOpen([&](TFrmPrintAyar* d) {
        d->Edit(6)->setText("Ayşe Kaya");
        d->SpeedButton1->click();
        EXPECT_TRUE(d->isVisible()); // "Hayır": stays open with what was typed
        EXPECT_EQ(d->Edit(6)->text(), "Ayşe Kaya");
        ASSERT_EQ(boxes.seen().size(), 2);
        const SeenBox& error = boxes.seen()[0];
        EXPECT_EQ(error.title, "Teklifo");
        EXPECT_EQ(error.text, "Unable to write to " + unreachable + ".");
        EXPECT_EQ(error.icon, QMessageBox::Critical);
        const SeenBox& question = boxes.seen()[1];
        EXPECT_EQ(question.title, "Doğrula");
        EXPECT_EQ(question.text, "Firma bilgileri kaydedilemedi. Kaydetmeden kapatılsın mı?");
        EXPECT_EQ(question.icon, QMessageBox::Question);
        EXPECT_EQ(question.buttons, QStringList({"Evet", "Hayır"}));
        EXPECT_EQ(question.defaultButton, "Evet");

        // Every further close tries the save again; "Evet" closes without it.
        boxes.clear();
        boxes.setAnswer(QStringLiteral("Evet"));
        d->windowHandle()->close();
        EXPECT_EQ(boxes.seen().size(), 2);
    });
    EXPECT_EQ(dialog()->Edit(6)->text(), "Ayşe Kaya"); // still the details of this run
    EXPECT_FALSE(QFile::exists(unreachable));
}

TEST_F(CompanyDialog, AFailedSaveLeavesTheWholeFileAsItWas) {
    const QStringList kNewDetails = {
        "Uzun Firma Adı A.Ş.", "Deneme Mah. 1323 Sok. No 15 Muratpaşa / ANTALYA - Merkez",
        "0 242 222 22 22",     "Kadıköy Vergi Dairesi",
        "98765432109",         "Ali Veli Yılmaz"};
    writeFile(companyFile, kPresetFile);
    start();
    MessageBoxWatcher boxes(QStringLiteral("Hayır"));
    whileOpen([&](TFrmPrintAyar* d) {
        setTexts(d, kNewDetails);
        // A disk that takes the file with only the new name and nothing longer: written key by
        // key, the file would end up half new, half old.
        QByteArray nameOnly = kPresetFile;
        nameOnly.replace("Ornek Bilgisayar", "Uzun Firma Ad\xFD A.\xDE.");
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = rlim_t(nameOnly.size());
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        d->SpeedButton1->click();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(boxes.seen().size(), 2);
        EXPECT_EQ(boxes.seen()[0].text, "Unable to write to " + companyFile + ".");
        EXPECT_EQ(readFile(companyFile), kPresetFile);
        EXPECT_EQ(QDir(companyDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"PcFirma.ssd"});

        // Once the disk takes it again, the next close saves all six.
        boxes.clear();
        d->SpeedButton1->click();
        EXPECT_TRUE(boxes.seen().isEmpty());
    });
    restart();
    EXPECT_EQ(texts(dialog()), kNewDetails);
}

TEST(CompanyFileName, IsBesideTheExecutableWhateverTheCurrentDirectory) {
    setCompanyFileName({});
    const QString expected = QCoreApplication::applicationDirPath() + "/PcFirma.ssd";
    EXPECT_EQ(CompanyFileName(), expected);
    TempWorkDir elsewhere;
    EXPECT_EQ(CompanyFileName(), expected);
}

} // namespace
