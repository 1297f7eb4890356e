// Start-up of the program on real catalogues: the main window, the selectors' lists, the
// initial texts, the five other windows, the start-up failures and the error box.
#include "app/Categories.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogue/DBEdit.h"
#include "catalogue/Query.h"
#include "support/Fixtures.h"
#include "toolkit/Collation.h"
#include "toolkit/Errors.h"
#include "toolkit/Guard.h"
#include "toolkit/ValidatedEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace teklifo;
using namespace testing_support;

namespace {

QStringList items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QString placeholder(int position) { return QString::fromUtf16(category(position).placeholder); }

TEST(StartUp, ShowsTheQuotationPanelOnTheCatalogue) {
    TempWorkDir dir;
    makeCatalogue(dir.file("Data.mdb"), {{1, {{"Zeta", 10}, {"ışık", 1}, {"Çelik", 2}, {"cam", 3}, {"Zeta", 4}, {"", 5},
                                              {"İnce", 6}, {"Intel", 7}, {"ıslak", 8}}},
                                         {7, {{"Samsung 19\"", 150.5}}}});
    MessageBoxWatcher boxes;
    RunningProgram program;
    TForm1* form = Form1();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), " Teklifo 2.7");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->findChild<QWidget*>("Panel1")->isVisible());
    EXPECT_FALSE(form->findChild<QWidget*>("Panel2")->isVisible());

    // Turkish order ignoring case: c < ç, ı < i (a capital I is the dotless one); equal texts
    // and the empty text kept.
    EXPECT_EQ(items(form->findChild<QComboBox*>("ComboBox1")),
              QStringList({"", "cam", "Çelik", "Intel", "ıslak", "ışık", "İnce", "Zeta", "Zeta"}));
    EXPECT_EQ(items(form->findChild<QComboBox*>("ComboBox7")), QStringList({"Samsung 19\""}));

    for (const PartCategory& c : Categories) {
        SCOPED_TRACE(c.position);
        auto* combo = form->findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(c.position));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->currentText(), placeholder(c.position));
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->geometry(), QRect(96, c.rowTop(), 377, 21));
        EXPECT_EQ(form->findChild<QLabel*>(QString::fromLatin1(c.labelName))->text(),
                  QString::fromUtf16(c.rowLabel));
        EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("DBEdit%1").arg(c.position))->text(), "0");
        auto* cancel = form->findChild<QToolButton*>(QStringLiteral("Btn%1").arg(c.position));
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->toolTip(), "İptal Et ");
        Query* q = form->Tablo(c.position);
        EXPECT_TRUE(q->isOpen());
        EXPECT_TRUE(q->eof()) << "filling leaves every query at its end";
    }
    EXPECT_EQ(form->Tablo(1)->fieldText("PARCA"), "ıslak") << "the last record is current";
    EXPECT_EQ(form->findChild<QLineEdit*>("Edit1")->text(), "0 $");
    EXPECT_EQ(form->findChild<QLineEdit*>("Edit3")->text(), "0 $");
    EXPECT_EQ(form->findChild<QLineEdit*>("Edit2")->text(), "18");
    EXPECT_EQ(form->findChild<QLineEdit*>("EditCevir")->text(), "0");
    EXPECT_EQ(form->findChild<QLineEdit*>("DBEdit20")->text(), "0");
    EXPECT_EQ(form->findChild<QLineEdit*>("DBEdit21")->text(), "0");

    const QStringList commands = {"Veri Girişi", "Firma Bilgileri", "Sistemi Yazdır", "Hakkında", "Çıkış"};
    const char* names[] = {"Button1", "Button2", "Button5", "Button3", "Button4"};
    for (int i = 0; i < 5; ++i) {
        auto* b = form->findChild<QToolButton*>(names[i]);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), commands[i]);
        EXPECT_EQ(b->geometry(), QRect(16, 16 + 32 * i, 117, 22));
    }
    EXPECT_FALSE(form->findChild<QWidget*>("GezenPanel")->isVisible());

    struct Window {
        const char* name;
        const char* caption;
        QSize client;
    };
    const Window others[] = {{"FrmCevir", "Kur Girişi", {315, 174}},
                             {"FrmHakkinda", " Hakkında", {320, 225}},
                             {"FrmPrintAyar", "FrmPrintAyar", {389, 214}},
                             {"FrmVeriSil", "Veri Sil", {278, 401}}};
    for (const Window& w : others) {
        SCOPED_TRACE(w.name);
        auto* dialog = form->findChild<QDialog*>(w.name);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(w.caption));
        EXPECT_FALSE(dialog->isVisible());
        auto* client = dialog->findChild<QWidget*>(QString::fromLatin1(w.name) + "Client");
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(client->size(), w.client);
    }
    EXPECT_NE(form->findChild<QWidget*>("FrmPrint"), nullptr);
}

struct Failure {
    const char* name;
    std::function<void(const QString&)> prepare;
    int openQueries;  // queries left open, from position 1
    int filledLists;  // selectors filled, from position 1
    bool pricesZero;
};

TEST(StartUp, EachFailureGivesOneErrorBoxAndTheWindowStillOpens) {
    const Failure failures[] = {
        {"Data.mdb absent", [](const QString&) {}, 0, 0, false},
        {"wrong password", [](const QString& p) { makeCatalogue(p, {{1, {{"A", 1}}}}, "baska"); }, 0, 0, false},
        {"not a database",
         [](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.write(QByteArray(8192, '\x5a'));
         },
         0, 0, false},
        {"table 5 missing", [](const QString& p) { makeCatalogue(p, {{1, {{"A", 1}}}}, "zq_mev", {5}); }, 4, 0, false},
        {"table 3 without PARCA",
         [](const QString& p) { makeCatalogue(p, {{1, {{"A", 1}}}, {2, {{"B", 2}}}}, "zq_mev", {}, {3}); }, 19, 2,
         false},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.name);
        TempWorkDir dir;
        f.prepare(dir.file("Data.mdb"));
        MessageBoxWatcher boxes;
        RunningProgram program;
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "Teklifo");
        EXPECT_EQ(boxes.seen()[0].icon, int(QMessageBox::Critical));
        EXPECT_EQ(boxes.seen()[0].buttons, QStringList({"TAMAM"}));
        EXPECT_TRUE(boxes.seen()[0].text.endsWith(u'.'));
        EXPECT_FALSE(QFile::exists(dir.file("Data.mdb")) && QString(f.name) == "Data.mdb absent")
            << "opening never creates the file";

        TForm1* form = Form1();
        EXPECT_TRUE(form->isVisible());
        for (int position = 1; position <= CategoryCount; ++position) {
            SCOPED_TRACE(position);
            EXPECT_EQ(form->Tablo(position)->isOpen(), position <= f.openQueries);
            EXPECT_EQ(form->ComboBox(position)->count() > 0, position <= f.filledLists);
            EXPECT_EQ(form->ComboBox(position)->currentText(), placeholder(position));
            EXPECT_EQ(form->DBEditN(position)->text() == "0", f.pricesZero);
        }
        EXPECT_EQ(form->DBEditN(1)->text(), f.openQueries ? "1" : "") << "what the completed steps left";
    }
}

TEST(StartUp, ExitClosesTheWindowWithoutAQuestionAndStartsAgain) {
    TempWorkDir dir;
    makeCatalogue(dir.file("Data.mdb"), {{2, {{"Asus", 90}}}});
    MessageBoxWatcher boxes;
    {
        RunningProgram program;
        Form1()->findChild<QToolButton*>("Button4")->click();
        EXPECT_FALSE(Form1()->isVisible());
    }
    EXPECT_EQ(Form1(), nullptr);
    RunningProgram again;
    EXPECT_EQ(Form1()->ComboBox(2)->count(), 1);
    EXPECT_TRUE(boxes.seen().isEmpty());
}

TEST(ErrorBox, AppendsAFullStopAfterCharactersAboveIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Dosya yok", "Dosya yok."},       {"Hata 7", "Hata 7."},   {"Bitti.", "Bitti."},
        {"Dikkat!", "Dikkat!"},            {"Kapalı (x)", "Kapalı (x)"}, {"Sonda boşluk ", "Sonda boşluk "},
        {"Türkçe ı", "Türkçe ı."},         {"virgül,", "virgül,"},  {"", ""},
        {"'' is not a valid floating point value", "'' is not a valid floating point value."},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(errorBoxText(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

TEST(ErrorBox, TheGuardShowsTheErrorAndSkipsTheRestOfTheHandler) {
    MessageBoxWatcher boxes;
    bool rest = false;
    const bool completed = guarded([&] {
        throw DatabaseError("Kayıt kilitli");
        rest = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(rest);
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Teklifo");
    EXPECT_EQ(boxes.seen()[0].text, "Kayıt kilitli.");
    EXPECT_TRUE(guarded([] {}));
    EXPECT_EQ(boxes.seen().size(), 1);
}

TEST(Collation, TurkishAlphabeticalOrderIgnoringCase) {
    const QStringList sorted =
        sortedTurkish({"şeker", "Sarı", "üzüm", "Uzun", "öncü", "Okul", "ğ", "Gaz", "çay", "Cam", "ılık", "İyi", "10",
                       "2", " boş", "-tire", "ZEBRA", "zebra"});
    EXPECT_EQ(sorted, QStringList({" boş", "-tire", "10", "2", "Cam", "çay", "Gaz", "ğ", "ılık", "İyi", "Okul",
                                   "öncü", "Sarı", "şeker", "Uzun", "üzüm", "ZEBRA", "zebra"}));
}

} // namespace
