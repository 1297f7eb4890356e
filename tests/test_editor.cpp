// The catalogue editor on a real catalogue: its layout, entering it, choosing categories, the
// navigator, the bound edit fields, "Pc Hazırla" and the records typed into but not posted.
#include "app/Categories.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogue/DBEdit.h"
#include "catalogue/DBGrid.h"
#include "catalogue/DBNavigator.h"
#include "catalogue/Query.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UpDown.h"
#include "toolkit/ValidatedEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace teklifo;
using namespace testing_support;

namespace {

const char* const navigatorButtons[] = {"BtnFirst",  "BtnPrior", "BtnNext", "BtnLast",  "BtnInsert",
                                        "BtnDelete", "BtnEdit",  "BtnPost", "BtnCancel"};

class EditorTest : public ::testing::Test {
protected:
    // Three processors and two mainboards stored unsorted, one camera; the floppy table empty.
    void SetUp() override {
        makeCatalogue(dir.file("Data.mdb"), {{1, {{"Pentium", 120}, {"Athlon", 80}, {"Celeron", 50}}},
                                             {2, {{"MSI", 70}, {"Asus", 90}}},
                                             {18, {{"Canon", 200}}}});
        program = std::make_unique<RunningProgram>();
        form = Form1();
        QApplication::setActiveWindow(form);
    }
    void TearDown() override { program.reset(); }

    template <class T = QWidget> T* find(const char* name) const {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QToolButton* nav(const char* name) const { return find<QToolButton>(name); }
    void click(const char* name) const { nav(name)->click(); }

    // Which of the nine visible navigator buttons are enabled, first to cancel, as 1s and 0s.
    QString navigatorStates() const {
        QString states;
        for (const char* name : navigatorButtons)
            states += nav(name)->isEnabled() ? u'1' : u'0';
        return states;
    }

    void enterEditor() const { form->Button1->click(); }

    void choose(int position) const {
        QRadioButton* radio = form->RadioGroup1->button(position - 1);
        QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(7, radio->height() / 2));
    }

    // Replaces the text of an edit field by typing, as the user does.
    static void typeInto(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }

    QList<Row> stored(const char* table) const { return readTable(dir.file("Data.mdb"), table); }

    TempWorkDir dir;
    MessageBoxWatcher boxes;
    std::unique_ptr<RunningProgram> program;
    TForm1* form = nullptr;
};

TEST_F(EditorTest, LayoutOfTheEditorPanel) {
    EXPECT_TRUE(boxes.seen().isEmpty());
    enterEditor();
    auto* radioGroup = find<RadioGroup>("RadioGroup1");
    EXPECT_EQ(radioGroup->geometry(), QRect(24, 24, 657, 105));
    EXPECT_EQ(radioGroup->title(), " Marka / Model Seç ");
    ASSERT_EQ(radioGroup->count(), CategoryCount);
    EXPECT_EQ(radioGroup->itemIndex(), 0);
    for (int i = 0; i < CategoryCount; ++i) {
        SCOPED_TRACE(i);
        QRadioButton* b = radioGroup->button(i);
        EXPECT_EQ(b->text(), QString::fromUtf16(Categories[i].name));
        EXPECT_EQ(b->isChecked(), i == 0);
        // Five columns filled from the top, four to a column.
        const QRadioButton* first = radioGroup->button(0);
        EXPECT_EQ(b->x(), first->x() + (i / 4) * (radioGroup->button(4)->x() - first->x()));
        EXPECT_EQ(b->y(), radioGroup->button(i % 4)->y());
    }
    EXPECT_LT(radioGroup->button(0)->y(), radioGroup->button(1)->y());
    EXPECT_LE(radioGroup->button(3)->geometry().bottom(), 105);

    struct Placed {
        const char* name;
        QRect geometry;
        const char* text;
    };
    const Placed buttons[] = {{"BitBtn1", {24, 159, 97, 22}, "Pc Hazırla"},
                              {"SpeedButton1", {128, 159, 97, 22}, "Veri Sil"}};
    for (const Placed& p : buttons) {
        auto* b = find<FlatButton>(p.name);
        EXPECT_EQ(b->geometry(), p.geometry);
        EXPECT_EQ(b->text(), QString::fromUtf8(p.text));
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(find("Panel5")->geometry(), QRect(24, 186, 201, 17));
    auto* label1 = find<QLabel>("Label1");
    EXPECT_EQ(label1->pos(), QPoint(6, 2));
    EXPECT_EQ(label1->palette().color(QPalette::WindowText), clGray);
    EXPECT_EQ(find<QLabel>("Label24")->text(), "Parça Adı :");
    EXPECT_EQ(find<QLabel>("Label20")->text(), "Fiyatı ($) :");
    EXPECT_EQ(find<QLabel>("Label27")->text(), "$");
    EXPECT_FALSE(find<QLabel>("Label27")->isEnabled());
    EXPECT_EQ(find("DBEdit20")->geometry(), QRect(296, 160, 385, 21));
    EXPECT_EQ(find("DBEdit21")->geometry(), QRect(296, 184, 65, 21));
    EXPECT_EQ(fieldColor(find("DBEdit20")), clSilver);
    EXPECT_EQ(fieldColor(find("DBEdit21")), clSilver);

    EXPECT_EQ(find("DBNavigator1")->geometry(), QRect(384, 182, 297, 25));
    const char* hints[] = {"İlk Kayıt", "Önceki Kayıt", "Sonraki Kayıt", "Son Kayıt", "Yeni Kayıt",
                           "Sil ",      "Düzenle",      "Kaydet",        "İptal "};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(navigatorButtons[i]);
        QToolButton* b = nav(navigatorButtons[i]);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hints[i]));
        EXPECT_TRUE(b->isVisible());
        EXPECT_EQ(b->geometry(), QRect(33 * i, 0, 33, 25)) << "side by side";
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_TRUE(nav("BtnPrior")->autoRepeat());
    EXPECT_TRUE(nav("BtnNext")->autoRepeat());
    EXPECT_EQ(nav("BtnRefresh")->toolTip(), "Yenile");
    EXPECT_FALSE(nav("BtnRefresh")->isVisible());

    auto* grid = find<TSrDBGrid>("DBGrid1");
    EXPECT_EQ(grid->geometry(), QRect(24, 208, 657, 241));
    EXPECT_EQ(grid->color(), QColor(225, 225, 225));
    EXPECT_EQ(grid->colorAlternative(), QColor(214, 214, 214));
    EXPECT_EQ(grid->colorSelectText(), clSilver);
    EXPECT_LT(grid->colorSelect().lightness(), 100) << "a dark grey";
    EXPECT_EQ(grid->moveByRows(), 1);
    ASSERT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->titleRow()->model()->headerData(0, Qt::Horizontal).toString(), " Ürün Marka / Modeli");
    EXPECT_EQ(grid->titleRow()->model()->headerData(1, Qt::Horizontal).toString(), " Tutarı ($)");
    EXPECT_EQ(grid->columnWidth(0), 550);
    EXPECT_EQ(grid->columnWidth(1), 83);
    EXPECT_EQ(grid->titleRow()->sectionResizeMode(0), QHeaderView::Interactive);
}

TEST_F(EditorTest, TabGoesFromTheChooserToTheFieldsAndStaysInTheGrid) {
    enterEditor();
    form->RadioGroup1->button(0)->setFocus();
    const char* order[] = {"DBEdit20", "DBEdit21", "DBGrid1", "DBGrid1"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), find(name)) << name;
    }
}

TEST_F(EditorTest, EnteringRightAfterStartShowsTheProcessorsWithTheLastCurrent) {
    EXPECT_EQ(find<QLabel>("Label1")->text(), ".....");
    enterEditor();
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_TRUE(form->Panel2->isVisible());
    EXPECT_EQ(form->Label1->text(), "İşlemci Modeli Sayısı: 3");
    EXPECT_EQ(form->DBEdit20->text(), "0");
    EXPECT_EQ(form->DBEdit21->text(), "0");
    EXPECT_EQ(form->Tablo(1)->currentIndex(), 2);
    EXPECT_EQ(navigatorStates(), "110011100");
    click("BtnFirst");
    EXPECT_EQ(form->DBEdit20->text(), "Pentium");
    EXPECT_EQ(form->DBEdit21->text(), "120");
    EXPECT_EQ(form->DBEditN(1)->text(), "120") << "the quotation's price field follows the same query";
}

TEST_F(EditorTest, ChoosingACategoryRebindsAndShowsItsCount) {
    const char* captions[] = {"İşlemci",   "Anakart",        "Ram",     "Ekran Kartı",   "Floppy",
                              "HDD",       "Monitör",        "Kasa",    "Cd-Cdrw-Dvdrw", "Klavye-Mouse",
                              "Fax Modem", "Tv-Radyo Kartı", "Speaker", "Ses Kartı",     "Yazılım",
                              "Yazıcı",    "Tarayıcı",       "Kamera",  "Güç Kaynağı"};
    const int counts[] = {3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    enterEditor();
    for (int position = CategoryCount; position >= 1; --position) {
        SCOPED_TRACE(position);
        choose(position);
        EXPECT_EQ(form->RadioGroup1->itemIndex(), position - 1);
        EXPECT_EQ(form->Label1->text(), QStringLiteral("%1 Modeli Adedi: %2")
                                            .arg(QString::fromUtf8(captions[position - 1]))
                                            .arg(counts[position - 1]));
        EXPECT_EQ(form->DBGrid1->dataSource(), form->DataSourceN(position));
        EXPECT_EQ(form->DBNavigator1->dataSource(), form->DataSourceN(position));
        EXPECT_EQ(form->DBEdit20->dataSource(), form->DataSourceN(position));
        EXPECT_EQ(form->DBEdit21->dataSource(), form->DataSourceN(position));
    }
    EXPECT_EQ(form->DBEdit20->text(), "Celeron") << "the query's current record, unmoved";
    EXPECT_EQ(form->DBEdit21->text(), "50");

    form->Label1->setText("işaret");
    choose(1);
    EXPECT_EQ(form->Label1->text(), "işaret") << "choosing the chosen item runs nothing";
}

TEST_F(EditorTest, NavigatorButtonsFollowTheQueryState) {
    enterEditor();
    struct Step {
        const char* name;
        std::function<void()> act;
        const char* states; // first prior next last insert delete edit post cancel
    };
    const Step steps[] = {
        {"at the end after start", [] {}, "110011100"},
        {"first", [&] { click("BtnFirst"); }, "001111100"},
        {"prior at the first", [&] { click("BtnPrior"); }, "001111100"},
        {"next twice: last row, not yet at the end",
         [&] {
             click("BtnNext");
             click("BtnNext");
         },
         "111111100"},
        {"next on the last row", [&] { click("BtnNext"); }, "110011100"},
        {"edit", [&] { click("BtnEdit"); }, "110011011"},
        {"cancel", [&] { click("BtnCancel"); }, "110011100"},
        {"insert", [&] { click("BtnInsert"); }, "111111011"},
        {"cancel the insert", [&] { click("BtnCancel"); }, "111111100"},
        {"empty category", [&] { choose(5); }, "000010100"},
        {"insert on the empty category", [&] { click("BtnInsert"); }, "111111011"},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(navigatorStates(), QString::fromLatin1(s.states)) << s.name;
    }
}

TEST_F(EditorTest, TypingIntoAnEmptyCategoryStartsANewRecord) {
    enterEditor();
    choose(5);
    EXPECT_EQ(form->Label1->text(), "Floppy Modeli Adedi: 0");
    EXPECT_EQ(form->DBEdit20->text(), "");
    typeInto(form->DBEdit20, "Disket 1.44");
    EXPECT_EQ(form->Tablo(5)->state(), DataSetState::Insert);
    EXPECT_EQ(form->DBEdit20->text(), "Disket 1.44");
    typeInto(form->DBEdit21, "12,5");
    EXPECT_EQ(navigatorStates(), "111111011");
    click("BtnPost");
    EXPECT_EQ(form->Tablo(5)->state(), DataSetState::Browse);
    const auto rows = stored("floppy");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].parca.toString(), "Disket 1.44");
    EXPECT_DOUBLE_EQ(rows[0].fiyat.toDouble(), 12.5);
    EXPECT_EQ(form->Label1->text(), "Floppy Modeli Adedi: 0") << "the caption is not updated by inserts";
}

TEST_F(EditorTest, AMovePostsATypedChangeAndDropsAnUntouchedNewRecord) {
    enterEditor();
    click("BtnFirst");
    typeInto(form->DBEdit21, "85");
    EXPECT_EQ(form->Tablo(1)->state(), DataSetState::Edit);
    click("BtnNext");
    EXPECT_EQ(form->Tablo(1)->state(), DataSetState::Browse);
    EXPECT_DOUBLE_EQ(stored("islemci")[0].fiyat.toDouble(), 85.0);
    EXPECT_EQ(form->DBEdit20->text(), "Athlon");

    click("BtnInsert");
    EXPECT_EQ(form->DBEdit20->text(), "");
    click("BtnNext");
    EXPECT_EQ(form->Tablo(1)->state(), DataSetState::Browse);
    EXPECT_EQ(form->Tablo(1)->recordCount(), 3);
    EXPECT_EQ(stored("islemci").size(), 3);
}

TEST_F(EditorTest, DeleteAsksAndDeletesOnlyWhenConfirmed) {
    enterEditor();
    click("BtnFirst");
    boxes.setAnswer("İptal");
    click("BtnDelete");
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Doğrula");
    EXPECT_EQ(boxes.seen()[0].text, "Delete record?");
    EXPECT_EQ(boxes.seen()[0].buttons, QStringList({"TAMAM", "İptal"}));
    EXPECT_EQ(boxes.seen()[0].defaultButton, "TAMAM");
    EXPECT_EQ(stored("islemci").size(), 3);

    boxes.setAnswer("TAMAM");
    click("BtnDelete");
    EXPECT_EQ(boxes.seen().size(), 2);
    const auto rows = stored("islemci");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].parca.toString(), "Athlon");
    EXPECT_EQ(form->DBEdit20->text(), "Athlon") << "the following record is current";
    EXPECT_EQ(form->Label1->text(), "İşlemci Modeli Sayısı: 3") << "the caption is not updated by deletes";
    choose(2);
    choose(1);
    EXPECT_EQ(form->Label1->text(), "İşlemci Modeli Adedi: 2");
}

TEST_F(EditorTest, APendingEditSurvivesCategoryChanges) {
    enterEditor();
    typeInto(form->DBEdit20, "Pentium 4");
    choose(2);
    EXPECT_EQ(form->DBEdit20->text(), "Asus");
    EXPECT_EQ(form->Tablo(1)->state(), DataSetState::Edit);
    choose(18);
    choose(1);
    EXPECT_EQ(form->Tablo(1)->state(), DataSetState::Edit);
    EXPECT_EQ(form->DBEdit20->text(), "Pentium 4");
    EXPECT_EQ(stored("islemci")[2].parca.toString(), "Celeron") << "nothing saved";
}

// "Pc Hazırla" re-reads the catalogue and starts a new, empty quotation; the VAT rate stays.
TEST_F(EditorTest, PcHazirlaResetsTheWholeQuotation) {
    QComboBox* processor = form->ComboBox(1);
    processor->setCurrentIndex(processor->findText("Pentium"));
    form->ComboBoxClick(1);
    form->ComboBox1Change();
    form->UpDown1->click(UpDown::Direction::Up);
    form->UpDown1->click(UpDown::Direction::Up);
    form->EditCevir->setFieldText("1234");
    ASSERT_EQ(form->DBEditN(1)->text(), "120");
    ASSERT_NE(form->Edit1->text(), "0 $");
    ASSERT_EQ(form->Edit2->text(), "20");

    enterEditor();
    choose(18);
    form->DBEdit20->setFocus();
    click("BtnInsert");
    typeInto(form->DBEdit20, "Aiptek");
    typeInto(form->DBEdit21, "60");
    click("BtnPost");
    form->BitBtn1->click();

    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_FALSE(form->Panel2->isVisible());
    for (const PartCategory& c : Categories) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(form->ComboBox(c.position)->currentText(), QString::fromUtf16(c.placeholder));
        EXPECT_EQ(form->ComboBox(c.position)->currentIndex(), -1);
        EXPECT_EQ(form->DBEditN(c.position)->text(), "0");
        EXPECT_TRUE(form->Tablo(c.position)->isOpen());
    }
    EXPECT_EQ(form->ComboBox(18)->count(), 2) << "the new model is listed once";
    EXPECT_EQ(form->ComboBox(18)->itemText(0), "Aiptek");
    EXPECT_EQ(form->ComboBox(1)->count(), 3) << "emptied before refilling";
    EXPECT_EQ(form->DBEdit20->text(), "0");
    EXPECT_EQ(form->DBEdit21->text(), "0");
    EXPECT_EQ(form->Edit1->text(), "0 $");
    EXPECT_EQ(form->Edit3->text(), "0 $");
    EXPECT_EQ(form->EditCevir->text(), "0");
    EXPECT_EQ(form->Edit2->text(), "20");
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 17) << "the chooser is kept";

    enterEditor();
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 17);
    EXPECT_EQ(form->DBGrid1->dataSource(), form->DataSourceN(18));
    EXPECT_EQ(form->Label1->text(), "İşlemci Modeli Sayısı: 3");
}

// A table gone from the file: the error box at the reopening, the quotation panel showing with
// empty selectors, the queries from the failing one on closed, nothing after that step done.
TEST_F(EditorTest, PcHazirlaStopsAtATableThatCannotBeReopened) {
    QComboBox* processor = form->ComboBox(1);
    processor->setCurrentIndex(processor->findText("Pentium"));
    form->ComboBoxClick(1);
    form->ComboBox1Change();
    const QString total = form->Edit1->text();
    ASSERT_NE(total, "0 $");
    enterEditor();
    execOnCatalogue(dir.file("Data.mdb"), "DROP TABLE hdd");
    form->BitBtn1->click();
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Teklifo");
    EXPECT_TRUE(boxes.seen()[0].text.contains("hdd")) << boxes.seen()[0].text.toStdString();
    EXPECT_TRUE(form->Panel1->isVisible());
    for (const PartCategory& c : Categories) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(form->Tablo(c.position)->isOpen(), c.position < 6);
        EXPECT_EQ(form->ComboBox(c.position)->count(), 0);
    }
    EXPECT_EQ(form->Edit1->text(), total) << "the totals were not reset";
}

TEST_F(EditorTest, PcHazirlaKeepsARecordTypedIntoButNotPosted) {
    enterEditor();
    typeInto(form->DBEdit20, "Celeron D");
    form->BitBtn1->click();
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_EQ(stored("islemci")[2].parca.toString(), "Celeron D");
    EXPECT_NE(form->ComboBox(1)->findText("Celeron D"), -1);

    // A new record nothing was typed into is dropped.
    enterEditor();
    form->DBEdit20->setFocus();
    click("BtnInsert");
    form->BitBtn1->click();
    EXPECT_EQ(stored("islemci").size(), 3);
}

TEST_F(EditorTest, ARefusedPostKeepsTheEditorOpenAndTheRecordPending) {
    enterEditor();
    typeInto(form->DBEdit21, "99");
    // Another process changes the same row meanwhile.
    execOnCatalogue(dir.file("Data.mdb"), "UPDATE islemci SET FIYAT = 55 WHERE PARCA = 'Celeron'");
    form->BitBtn1->click();
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Teklifo");
    EXPECT_TRUE(boxes.seen()[0].text.contains("başka bir kullanıcı")) << boxes.seen()[0].text.toStdString();
    EXPECT_TRUE(form->Panel2->isVisible());
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_EQ(form->Tablo(1)->state(), DataSetState::Edit);
    EXPECT_EQ(form->DBEdit21->text(), "99");
    EXPECT_DOUBLE_EQ(stored("islemci")[2].fiyat.toDouble(), 55.0);

    click("BtnCancel");
    form->BitBtn1->click();
    EXPECT_EQ(boxes.seen().size(), 1);
    EXPECT_TRUE(form->Panel1->isVisible());
}

TEST_F(EditorTest, ClosingTheProgramKeepsPendingRecordsOrStaysOpen) {
    enterEditor();
    typeInto(form->DBEdit20, "Celeron M");
    choose(2);
    typeInto(form->DBEdit21, "99");
    execOnCatalogue(dir.file("Data.mdb"), "UPDATE anakart SET FIYAT = 1 WHERE PARCA = 'Asus'");
    form->close();
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_TRUE(form->isVisible()) << "the program stays open";
    EXPECT_EQ(form->Tablo(2)->state(), DataSetState::Edit);
    EXPECT_EQ(form->DBEdit21->text(), "99");
    EXPECT_EQ(stored("islemci")[2].parca.toString(), "Celeron M")
        << "positions before the failing one are posted";

    click("BtnCancel");
    choose(18);
    typeInto(form->DBEdit20, "Canon EOS");
    form->close();
    EXPECT_EQ(boxes.seen().size(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored("kamera")[0].parca.toString(), "Canon EOS");
}

} // namespace
