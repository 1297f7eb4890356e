// The bulk deletion dialog, opened from the catalogue editor on a real catalogue: its layout,
// the question, a run over the ticked categories with its progress, a run stopped half-way by a
// record the database refuses to delete, and closing.
#include "app/Categories.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogue/Connection.h"
#include "catalogue/DBEdit.h"
#include "catalogue/DBGrid.h"
#include "catalogue/Query.h"
#include "catalogue/UnitVeriSil.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace teklifo;
using namespace testing_support;

namespace {

const QString completion = QStringLiteral("Silme İşlemi Tamamlandı ...");

class VeriSilTest : public ::testing::Test {
protected:
    // Three processors, two mainboards, three memory modules and one camera; the rest empty.
    void SetUp() override {
        makeCatalogue(dir.file("Data.mdb"), {{1, {{"P1", 1}, {"P2", 2}, {"P3", 3}}},
                                             {2, {{"A1", 1}, {"A2", 2}}},
                                             {3, {{"R1", 1}, {"R2", 2}, {"R3", 3}}},
                                             {18, {{"K1", 1}}}});
    }

    void start() {
        program = std::make_unique<RunningProgram>();
        form = Form1();
        dialog = FrmVeriSil();
        QApplication::setActiveWindow(form);
        form->Button1->click();
    }
    void TearDown() override { program.reset(); }

    // Opens the dialog with "Veri Sil", does the work while it shows, then closes it with
    // "Kapat" unless the work closed it.
    void withDialog(const std::function<void()>& work) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            shown = dialog->isVisible();
            work();
            if (dialog->isVisible()) dialog->BtnKapat->click();
        });
        form->SpeedButton1->click();
        EXPECT_TRUE(shown);
        EXPECT_FALSE(dialog->isVisible());
    }

    void tick(const std::vector<int>& positions) {
        for (int position : positions)
            dialog->CheckBox(position)->click();
    }

    QList<Row> stored(const char* table) const { return readTable(dir.file("Data.mdb"), table); }

    TempWorkDir dir;
    std::unique_ptr<MessageBoxWatcher> watcher = std::make_unique<MessageBoxWatcher>();
    MessageBoxWatcher& boxes = *watcher;
    std::unique_ptr<RunningProgram> program;
    TForm1* form = nullptr;
    TFrmVeriSil* dialog = nullptr;
};

TEST_F(VeriSilTest, Layout) {
    start();
    const char* captions[] = {"İşlemci Kayıtları",      "Ana Kart Kayıtları",  "Ram Kayıtları",
                              "Ekran Kartı Kayıtları",  "Floppy Kayıtları",    "Hdd Kayıtları",
                              "Monitör Kayıtları",      "Kasa Kayıtları",      "Cd-Cdrw-Dvdrw Kayıtları",
                              "Klavye-Mouse Kayıtları", "Fax Modem Kayıtları", "Tv-Radyo Kartı Kayıtları",
                              "Speaker Kayıtları",      "Ses Kartı Kayıtları", "Yazılım Kayıtları",
                              "Yazıcı Kayıtları",       "Tarayıcı Kayıtları",  "Kamera Kayıtları",
                              "Güç Kaynağı Kayıtları"};
    auto* group = dialog->findChild<QGroupBox*>("GroupBox1");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), " Silinecek Kayıtları Seçin ");
    EXPECT_EQ(group->geometry(), QRect(16, 8, 161, 337));
    for (int position = 1; position <= CategoryCount; ++position) {
        SCOPED_TRACE(position);
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(position));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), group);
        EXPECT_EQ(box->text(), QString::fromUtf8(captions[position - 1]));
        EXPECT_EQ(box->geometry(), QRect(16, 24 + 16 * (position - 1), 137, 17));
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(box->focusPolicy() & Qt::TabFocus);
    }
    struct Button {
        const char* name;
        const char* text;
        int top;
    };
    for (const Button& b : {Button{"SpeedButton1", "Tümünü Seç", 256}, Button{"BtnSil", "Kayıt Sil", 288},
                            Button{"BtnKapat", "Kapat", 320}}) {
        auto* button = dialog->findChild<FlatButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(b.text));
        EXPECT_EQ(button->geometry(), QRect(184, b.top, 81, 22));
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_FALSE(dialog->BtnSil->icon().isNull());
    auto* label = dialog->findChild<QLabel*>("Label1");
    EXPECT_EQ(label->text(), "");
    EXPECT_EQ(label->pos(), QPoint(16, 352));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    auto* bar = dialog->findChild<QProgressBar*>("ProgressBar1");
    EXPECT_EQ(bar->geometry(), QRect(16, 368, 249, 16));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(VeriSilTest, NothingTickedOrNotConfirmedDeletesNothing) {
    start();
    struct Case {
        const char* name;
        std::vector<int> ticked;
        const char* answer;
    };
    const Case cases[] = {{"no box ticked", {}, nullptr}, {"Hayır", {1, 3}, "Hayır"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        if (c.answer) boxes.setAnswer(c.answer);
        withDialog([&] {
            dialog->Label1->setText("önceki");
            tick(c.ticked);
            dialog->BtnSil->click();
            EXPECT_EQ(dialog->Label1->text(), "önceki");
        });
        EXPECT_EQ(boxes.seen().size(), c.answer ? 1 : 0);
        EXPECT_EQ(stored("islemci").size(), 3);
        EXPECT_EQ(stored("ram").size(), 3);
    }
}

TEST_F(VeriSilTest, EscAtTheQuestionDeletesNothing) {
    start();
    watcher.reset();
    int questions = 0;
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            box && box->isVisible()) {
            ++questions;
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    escape.start(5);
    withDialog([&] {
        tick({1});
        dialog->BtnSil->click();
        EXPECT_EQ(dialog->Label1->text(), "");
    });
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(stored("islemci").size(), 3);
}

TEST_F(VeriSilTest, AllNineteenAreEmptiedCategoryByCategory) {
    start();
    struct Progress {
        QString label;
        int value;
        int maximum;
        bool operator==(const Progress&) const = default;
    };
    QList<Progress> progress;
    QObject::connect(dialog->ProgressBar1, &QProgressBar::valueChanged, [&](int value) {
        if (value > 0) progress.append({dialog->Label1->text(), value, dialog->ProgressBar1->maximum()});
    });
    withDialog([&] {
        dialog->SpeedButton1->click();
        for (int position = 1; position <= CategoryCount; ++position)
            EXPECT_TRUE(dialog->CheckBox(position)->isChecked());
        dialog->BtnSil->click();
        EXPECT_EQ(dialog->Label1->text(), completion);
        EXPECT_EQ(dialog->ProgressBar1->value(), 0);
        EXPECT_TRUE(dialog->CheckBox(7)->isChecked()) << "ticks stay until the dialog closes";

        dialog->BtnSil->click();
        EXPECT_EQ(dialog->Label1->text(), completion) << "a second run passes the empty categories";
    });
    ASSERT_EQ(boxes.seen().size(), 2);
    EXPECT_EQ(boxes.seen()[0].title, "Dikkat !");
    EXPECT_EQ(boxes.seen()[0].text, "Bu işlem seçili verileri kalici olarak silecek. Emin misiniz ?");
    EXPECT_EQ(boxes.seen()[0].buttons, QStringList({"Evet", "Hayır"}));
    EXPECT_EQ(boxes.seen()[0].defaultButton, "Evet");
    EXPECT_EQ(boxes.seen()[0].icon, int(QMessageBox::Warning));

    const QList<Progress> expected = {
        {"İşlemci kayıtları siliniyor...", 1, 3}, {"İşlemci kayıtları siliniyor...", 2, 3},
        {"İşlemci kayıtları siliniyor...", 3, 3}, {"Anakart kayıtları siliniyor...", 1, 2},
        {"Anakart kayıtları siliniyor...", 2, 2}, {"Ram kayıtları siliniyor...", 1, 3},
        {"Ram kayıtları siliniyor...", 2, 3},     {"Ram kayıtları siliniyor...", 3, 3},
        {"Kamera kayıtları siliniyor...", 1, 1},
    };
    EXPECT_EQ(progress, expected);
    for (const PartCategory& c : Categories) {
        EXPECT_TRUE(stored(c.table).isEmpty()) << c.table;
        EXPECT_EQ(form->Tablo(c.position)->recordCount(), 0);
        EXPECT_TRUE(form->Tablo(c.position)->eof());
    }
    // The editor, bound to the processors, follows the deletions; its caption is not refreshed.
    EXPECT_EQ(form->DBGrid1->dataSource(), form->DataSourceN(1));
    EXPECT_EQ(form->DBGrid1->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(form->DBEdit20->text(), "");
    EXPECT_EQ(form->DBEditN(1)->text(), "");
    EXPECT_EQ(form->Label1->text(), "İşlemci Modeli Sayısı: 3");

    // Closing unticks every box; the label keeps its text.
    withDialog([&] {
        for (int position = 1; position <= CategoryCount; ++position)
            EXPECT_FALSE(dialog->CheckBox(position)->isChecked());
        EXPECT_EQ(dialog->Label1->text(), completion);
    });

    EXPECT_EQ(form->ComboBox(1)->count(), 3) << "the selectors keep their lists until Pc Hazırla";
    form->BitBtn1->click();
    for (const PartCategory& c : Categories)
        EXPECT_EQ(form->ComboBox(c.position)->count(), 0);
}

TEST_F(VeriSilTest, AnEmptyTickedCategorySetsItsTextAndAZeroMaximum) {
    start();
    QStringList labels;
    QList<int> maxima;
    QObject::connect(dialog->ProgressBar1, &QProgressBar::valueChanged, [&](int value) {
        if (value == 0) {
            labels << dialog->Label1->text();
            maxima << dialog->ProgressBar1->maximum();
        }
    });
    withDialog([&] {
        tick({5, 2});
        dialog->BtnSil->click();
        EXPECT_EQ(dialog->Label1->text(), completion);
        EXPECT_EQ(dialog->ProgressBar1->maximum(), 0);
        EXPECT_EQ(dialog->ProgressBar1->value(), 0);
    });
    EXPECT_EQ(labels, QStringList({"Floppy kayıtları siliniyor..."}));
    EXPECT_EQ(maxima, QList<int>({0}));
    EXPECT_TRUE(stored("anakart").isEmpty());
}

TEST_F(VeriSilTest, ARecordTheDatabaseRefusesStopsTheRunThere) {
    execOnCatalogue(dir.file("Data.mdb"), "CREATE TRIGGER koru BEFORE DELETE ON ram WHEN OLD.PARCA = 'R2' "
                                          "BEGIN SELECT RAISE(ABORT, 'silinemez'); END");
    start();
    withDialog([&] {
        tick({1, 3, 18});
        dialog->BtnSil->click();
        EXPECT_EQ(dialog->Label1->text(), "Ram kayıtları siliniyor...");
        EXPECT_EQ(dialog->ProgressBar1->maximum(), 3);
        EXPECT_EQ(dialog->ProgressBar1->value(), 1);
        for (int position = 1; position <= CategoryCount; ++position)
            EXPECT_EQ(dialog->CheckBox(position)->isChecked(),
                      position == 1 || position == 3 || position == 18);
    });
    ASSERT_EQ(boxes.seen().size(), 2);
    EXPECT_EQ(boxes.seen()[1].title, "Teklifo");
    EXPECT_EQ(boxes.seen()[1].text, "silinemez.");
    EXPECT_TRUE(stored("islemci").isEmpty());
    const auto ram = stored("ram");
    ASSERT_EQ(ram.size(), 2);
    EXPECT_EQ(ram[0].parca.toString(), "R2");
    EXPECT_EQ(stored("kamera").size(), 1) << "the categories after the failing one are not touched";
    EXPECT_EQ(form->Tablo(3)->fieldText("PARCA"), "R2");
    EXPECT_EQ(form->DBEditN(3)->text(), "2") << "the price field shows the record the run stopped at";
}

TEST_F(VeriSilTest, AChangeLeftPendingInTheEditorIsPostedFirst) {
    execOnCatalogue(dir.file("Data.mdb"),
                    "CREATE TABLE gunluk (PARCA TEXT); CREATE TRIGGER yaz AFTER UPDATE ON "
                    "islemci BEGIN INSERT INTO gunluk VALUES (NEW.PARCA); END");
    start();
    form->DBEdit20->setFocus();
    QTest::keyClick(form->DBEdit20, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form->DBEdit20, "P3 yeni");
    withDialog([&] {
        tick({1});
        dialog->BtnSil->click();
    });
    EXPECT_EQ(boxes.seen().size(), 1);
    EXPECT_TRUE(stored("islemci").isEmpty());
    Connection check;
    check.open();
    Statement log(check.handle(), "SELECT PARCA FROM gunluk");
    ASSERT_TRUE(log.step());
    EXPECT_EQ(log.column(0).toString(), "P3 yeni");
}

} // namespace
