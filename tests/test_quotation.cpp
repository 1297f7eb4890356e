// The quotation panel on a real catalogue: picking models with the mouse, the arrow keys and
// type-ahead, free typing, cancelling, the totals and VAT, the idle refresh and the Tab order.
#include "app/Categories.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogue/DBEdit.h"
#include "catalogue/Query.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"
#include "toolkit/ValidatedEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringListModel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace teklifo;
using namespace testing_support;

namespace {

// Rows of three categories, stored unsorted; the selectors list them in Turkish order.
Catalogue quotationCatalogue() {
    return {
        // İşlemci: AMD Athlon, Celeron, Intel Core i5, intel core i5, Kayıp, Sempron
        {1,
         {{"Intel Core i5", 100},
          {"AMD Athlon", 1134.5},
          {"intel core i5", 999},
          {"Celeron", 0},
          {"Kayıp", QVariant()},
          {"Sempron", 100}}},
        // Anakart: Asus, Biostar, Dfi, Ecs, Foxconn, Gigabyte, MSI, Negatif
        {2,
         {{"Asus", 0.5},
          {"Gigabyte", 25},
          {"MSI", 0.4},
          {"Negatif", -5},
          {"Biostar", 1235},
          {"Ecs", 85},
          {"Foxconn", 1134.5},
          {"Dfi", 1457}}},
        // Ram: DDR 256, ddr 512, DDR2 1GB, Intel, ıslak, İnce, Kingston, kingston
        {3,
         {{"Kingston", 40},
          {"DDR 256", 10},
          {"ddr 512", 20},
          {"İnce", 5},
          {"DDR2 1GB", 30},
          {"kingston", 41},
          {"ıslak", 6},
          {"Intel", 7}}},
    };
}

QString placeholder(int position) { return QString::fromUtf16(category(position).placeholder); }

// Types a text key by key, Turkish letters included.
void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// The running program on the catalogue above, with the window active, and what a person at it
// does and sees.
class Quotation : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setCursorFlashTime(0); // a blinking cursor would repaint on its own
        makeCatalogue(dir.file("Data.mdb"), quotationCatalogue());
        program = std::make_unique<RunningProgram>();
        form = Form1();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == form; }));
        runIdle();
    }
    void TearDown() override { program.reset(); }

    QComboBox* combo(int position) const { return form->ComboBox(position); }
    QLineEdit* price(int position) const {
        return form->findChild<QLineEdit*>(QStringLiteral("DBEdit%1").arg(position));
    }
    QToolButton* cancelButton(int position) const {
        return form->findChild<QToolButton*>(QStringLiteral("Btn%1").arg(position));
    }
    QLineEdit* field(const char* name) const {
        return form->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return field(name)->text(); }
    static QColor colour(const QWidget* w) { return w->palette().color(QPalette::Base); }

    // Enters the selector as the Tab key does (its text highlighted) and types keys into it.
    void typeInto(int position, const QString& keys) {
        combo(position)->setFocus(Qt::TabFocusReason);
        typeText(QApplication::focusWidget(), keys);
        runIdle();
    }
    // Further keys into the selector that has the focus.
    void keys(const QString& keys) {
        typeText(QApplication::focusWidget(), keys);
        runIdle();
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        runIdle();
    }

    // Opens the drop-down list and clicks the entry at row.
    void pickWithMouse(int position, int row) {
        pickEntryWithMouse(combo(position), row);
    }
    void clickCancel(int position) {
        QTest::mouseClick(cancelButton(position), Qt::LeftButton);
        runIdle();
    }
    void clickSpinner(bool up, int times) {
        auto* arrow = form->findChild<QToolButton*>(up ? "UpButton" : "DownButton");
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(arrow, Qt::LeftButton);
        runIdle();
    }
    // Converts through the rate dialog with its initial TL rate.
    void convertToTl() {
        QTimer::singleShot(0, [] {
            auto* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            QTest::mouseClick(dialog->findChild<QToolButton*>("Button1"), Qt::LeftButton);
        });
        QTest::mouseClick(form->BtnCevir, Qt::LeftButton);
        // The window system gives the main window back its activation, and the focus with it.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == form; }));
        runIdle();
    }

    TempWorkDir dir;
    std::unique_ptr<RunningProgram> program;
    TForm1* form = nullptr;
};

// --- picking

TEST_F(Quotation, StartsEmptyAndSilver) {
    for (const PartCategory& c : Categories) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(combo(c.position)->currentText(), placeholder(c.position));
        EXPECT_EQ(colour(combo(c.position)), clSilver);
        EXPECT_EQ(price(c.position)->text(), "0");
        EXPECT_EQ(colour(price(c.position)), clSilver);
        EXPECT_FALSE(cancelButton(c.position)->isEnabled());
        EXPECT_FALSE(price(c.position)->isEnabled());
        EXPECT_TRUE(price(c.position)->isReadOnly());
    }
    EXPECT_EQ(text("Edit1"), "0 $");
    EXPECT_EQ(text("Edit2"), "18");
    EXPECT_EQ(text("Edit3"), "0 $");
    EXPECT_EQ(text("EditCevir"), "0");
    EXPECT_EQ(colour(field("Edit1")), clSilver);
    EXPECT_EQ(colour(field("Edit3")), clSilver);
    EXPECT_EQ(colour(field("EditCevir")), clSilver);
    EXPECT_FALSE(form->BtnCevir->isEnabled());
}

TEST_F(Quotation, MousePickShowsThePriceOfTheFirstMatchingRecord) {
    struct Pick {
        int row;
        const char* shown;
        const char* price;
        const char* record; // PARCA of the record the query now stands on
    };
    const Pick picks[] = {
        {2, "Intel Core i5", "100", "Intel Core i5"},
        {3, "intel core i5", "100", "Intel Core i5"}, // same text but for case: the first record's price
        {1, "Celeron", "0", "Celeron"},
        {5, "Sempron", "100", "Sempron"},
    };
    for (const Pick& p : picks) {
        SCOPED_TRACE(p.shown);
        pickWithMouse(1, p.row);
        EXPECT_EQ(combo(1)->currentText(), p.shown);
        EXPECT_EQ(combo(1)->currentIndex(), p.row);
        EXPECT_EQ(price(1)->text(), p.price);
        EXPECT_EQ(form->Tablo(1)->fieldText("PARCA"), p.record);
        EXPECT_EQ(colour(combo(1)), clWhite);
    }
}

TEST_F(Quotation, ArrowKeysOnTheClosedSelectorPick) {
    combo(2)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Down);
    EXPECT_EQ(combo(2)->currentText(), "Asus");
    EXPECT_EQ(price(2)->text(), "0,5");
    EXPECT_EQ(text("Edit1"), "1 $");
    key(Qt::Key_Down);
    EXPECT_EQ(combo(2)->currentText(), "Biostar");
    EXPECT_EQ(text("Edit1"), "1.235 $");
    EXPECT_EQ(text("Edit3"), "1.457 $");
    key(Qt::Key_Up);
    EXPECT_EQ(combo(2)->currentText(), "Asus");
    EXPECT_EQ(text("Edit1"), "1 $");
    key(Qt::Key_Up); // at the first entry already: nothing moves
    EXPECT_EQ(combo(2)->currentIndex(), 0);
    EXPECT_EQ(price(2)->text(), "0,5");
}

// Each case starts on a fresh program and types keys into ComboBox3, whose list is
// DDR 256, ddr 512, DDR2 1GB, Intel, ıslak, İnce, Kingston, kingston.
struct TypingCase {
    const char* keys;
    const char* text;     // the selector's text afterwards
    const char* selected; // the highlighted completion
    int index;            // the selected entry
    const char* price;
};

const TypingCase typingCases[] = {
    {"d", "dDR 256", "DR 256", 0, "10"}, // the typed beginning stays as typed
    {"ddr 5", "ddr 512", "12", 1, "20"},
    {"DDR2", "DDR2 1GB", " 1GB", 2, "30"},
    {"kİ", "kİngston", "ngston", 6, "40"}, // the first of two entries equal but for case
    {"i", "intel", "ntel", 3, "7"},        // I, ı, İ and i all match: the first in list order
    {"ıs", "ıslak", "lak", 4, "6"},
    {"İnc", "İnce", "e", 5, "5"},
    {"x", "x", "", -1, "0"},                 // begins nothing: typed as it is, nothing picked
    {"kingstonx", "kingstonx", "", 6, "40"}, // the last key begins nothing: the pick stays
};

class QuotationTyping : public Quotation, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(QuotationTyping, TypeAheadCompletesTheFirstEntryInListOrder) {
    const TypingCase& c = GetParam();
    typeInto(3, QString::fromUtf8(c.keys));
    EXPECT_EQ(combo(3)->currentText(), QString::fromUtf8(c.text));
    EXPECT_EQ(combo(3)->lineEdit()->selectedText(), QString::fromUtf8(c.selected));
    EXPECT_EQ(combo(3)->currentIndex(), c.index);
    EXPECT_EQ(price(3)->text(), c.price);
    EXPECT_EQ(text("Edit1"), QString::fromUtf8(c.price) + " $");
}

INSTANTIATE_TEST_SUITE_P(Keys, QuotationTyping, ::testing::ValuesIn(typingCases),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(Quotation, TypingRecomputesOnlyWhenTypeAheadDoesNotTakeTheKey) {
    typeInto(3, "k");
    EXPECT_EQ(price(3)->text(), "40");
    convertToTl();
    ASSERT_EQ(text("EditCevir"), "69.560.000  TL"); // 40 $ and 18 % make 47 $

    // Still completing the selected entry: nothing is picked or computed afresh.
    keys("in");
    EXPECT_EQ(combo(3)->currentText(), "kingston");
    EXPECT_EQ(combo(3)->lineEdit()->selectedText(), "gston");
    EXPECT_EQ(text("EditCevir"), "69.560.000  TL");

    // A key that begins no entry goes in as typed; the totals are computed afresh (the converted
    // total is cleared) with the same result, and the price of the picked model stays.
    keys("x");
    EXPECT_EQ(combo(3)->currentText(), "kinx");
    EXPECT_EQ(price(3)->text(), "40");
    EXPECT_EQ(text("Edit1"), "40 $");
    EXPECT_EQ(text("Edit3"), "47 $");
    EXPECT_EQ(text("EditCevir"), "0");
    EXPECT_EQ(colour(combo(3)), clWhite);
    EXPECT_TRUE(cancelButton(3)->isEnabled());

    // Deleting is an edit as well.
    convertToTl();
    key(Qt::Key_Backspace);
    EXPECT_EQ(combo(3)->currentText(), "kin");
    EXPECT_EQ(text("EditCevir"), "0");

    // Moving to another entry by type-ahead picks it.
    key(Qt::Key_A, Qt::ControlModifier);
    keys("dd");
    EXPECT_EQ(combo(3)->currentText(), "ddR 256");
    EXPECT_EQ(price(3)->text(), "10");
    EXPECT_EQ(text("Edit1"), "10 $");
    EXPECT_EQ(form->Tablo(3)->fieldText("PARCA"), "DDR 256");

    // The placeholder typed in full is silver again, although a price is still shown.
    key(Qt::Key_A, Qt::ControlModifier);
    keys(placeholder(3));
    EXPECT_EQ(combo(3)->currentText(), placeholder(3));
    EXPECT_EQ(colour(combo(3)), clSilver);
    EXPECT_EQ(price(3)->text(), "10");
    EXPECT_TRUE(cancelButton(3)->isEnabled());
}

TEST_F(Quotation, TypeAheadAndPicksFollowChangedListsAndRows) {
    typeInto(3, "k");
    ASSERT_EQ(combo(3)->currentText(), "kingston");

    // A refilled list (as on the return from the catalogue editor) is what type-ahead searches.
    qobject_cast<QStringListModel*>(combo(3)->model())->setStringList({"Kara", "Kingston", "Kiwi"});
    clickCancel(3);
    key(Qt::Key_A, Qt::ControlModifier);
    keys("ki");
    EXPECT_EQ(combo(3)->currentText(), "kingston");
    EXPECT_EQ(combo(3)->currentIndex(), 1);

    // Rows changed after a pick are found by the next one.
    pickWithMouse(1, 2); // Intel Core i5
    Query* q = form->Tablo(1);
    ASSERT_TRUE(q->locate("PARCA", "Sempron"));
    q->edit();
    q->setFieldValue("PARCA", "Sempron X");
    q->post();
    q->insert();
    q->setFieldValue("PARCA", "Yeni");
    q->setFieldValue("FIYAT", 7);
    q->post();
    EXPECT_FALSE(q->locate("PARCA", "Sempron"));
    EXPECT_TRUE(q->locate("PARCA", "sempron x"));
    ASSERT_TRUE(q->locate("PARCA", "YENİ"));
    EXPECT_EQ(q->fieldText("FIYAT"), "7");
    q->deleteRecord();
    EXPECT_FALSE(q->locate("PARCA", "Yeni"));
    EXPECT_TRUE(q->locate("PARCA", "intel core i5"));
    EXPECT_EQ(q->fieldText("FIYAT"), "100");
}

TEST_F(Quotation, EnterAndLeavingTheSelectorPickNothing) {
    typeInto(3, "d"); // DDR 256
    key(Qt::Key_A, Qt::ControlModifier);
    keys("xkingston");
    key(Qt::Key_Home);
    key(Qt::Key_Delete); // the text now equals another entry's, typed by hand
    ASSERT_EQ(combo(3)->currentText(), "kingston");
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), combo(3));
    EXPECT_EQ(combo(3)->currentText(), "kingston");
    EXPECT_EQ(combo(3)->currentIndex(), 0);
    EXPECT_EQ(price(3)->text(), "10");
    EXPECT_EQ(form->Tablo(3)->fieldText("PARCA"), "DDR 256");
}

TEST_F(Quotation, CancelKeepsTheRecordSoThatPickingAgainShowsThePrice) {
    pickWithMouse(1, 2); // Intel Core i5, 100
    pickWithMouse(2, 1); // Biostar, 1235
    EXPECT_EQ(text("Edit1"), "1.335 $");
    EXPECT_TRUE(cancelButton(1)->isEnabled());

    clickCancel(1);
    EXPECT_EQ(combo(1)->currentText(), placeholder(1));
    EXPECT_EQ(combo(1)->currentIndex(), -1);
    EXPECT_EQ(price(1)->text(), "0");
    EXPECT_EQ(form->Tablo(1)->fieldText("PARCA"), "Intel Core i5");
    EXPECT_EQ(text("Edit1"), "1.235 $");
    EXPECT_EQ(colour(combo(1)), clSilver);
    EXPECT_EQ(colour(price(1)), clSilver);
    EXPECT_FALSE(cancelButton(1)->isEnabled());

    pickWithMouse(1, 2);
    EXPECT_EQ(price(1)->text(), "100");
    EXPECT_EQ(text("Edit1"), "1.335 $");

    // Every row has its own cancel button; a row already empty just computes afresh.
    convertToTl();
    form->BtnClick(5);
    runIdle();
    EXPECT_EQ(combo(5)->currentText(), placeholder(5));
    EXPECT_EQ(text("EditCevir"), "0");
    for (const PartCategory& c : Categories) {
        SCOPED_TRACE(c.position);
        form->BtnClick(c.position);
    }
    runIdle();
    EXPECT_EQ(text("Edit1"), "0 $");
    EXPECT_EQ(text("Edit3"), "0 $");
    EXPECT_FALSE(form->BtnCevir->isEnabled());
}

TEST_F(Quotation, AModelThatCostsNothingLooksUnchosen) {
    pickWithMouse(1, 1); // Celeron, 0
    EXPECT_EQ(combo(1)->currentText(), "Celeron");
    EXPECT_EQ(colour(combo(1)), clWhite);
    EXPECT_EQ(price(1)->text(), "0");
    EXPECT_EQ(colour(price(1)), clSilver);
    EXPECT_FALSE(cancelButton(1)->isEnabled());
    EXPECT_FALSE(form->BtnCevir->isEnabled());
}

TEST_F(Quotation, APriceThatIsNotANumberStopsTheTotals) {
    pickWithMouse(2, 1); // Biostar, 1235
    convertToTl();
    const QStringList before = {text("Edit1"), text("Edit3"), text("Edit10"), text("Edit11"),
                                text("EditCevir")};
    ASSERT_EQ(before, QStringList({"1.235 $", "1.457 $", "1235", "1457", "2.156.360.000  TL"}));

    MessageBoxWatcher boxes;
    pickWithMouse(1, 4); // Kayıp, no price
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Teklifo");
    EXPECT_EQ(boxes.seen()[0].text, "'' is not a valid floating point value.");
    EXPECT_EQ(boxes.seen()[0].icon, int(QMessageBox::Critical));
    EXPECT_EQ(QStringList({text("Edit1"), text("Edit3"), text("Edit10"), text("Edit11"), text("EditCevir")}),
              before);
    // The row keeps what the pick gave it, and an empty price counts as chosen.
    EXPECT_EQ(combo(1)->currentText(), "Kayıp");
    EXPECT_EQ(price(1)->text(), "");
    EXPECT_EQ(colour(price(1)), clWhite);
    EXPECT_TRUE(cancelButton(1)->isEnabled());

    boxes.clear();
    clickCancel(1);
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(text("EditCevir"), "0");
}

// --- totals and VAT

struct TotalsCase {
    const char* name;
    QList<std::pair<int, int>> picks; // (position, row) picked in this order
    int rateClicks;                   // up (+) or down (-) from 18
    const char* edit1;
    const char* edit10;
    const char* edit3;
    const char* edit11;
};

const TotalsCase totalsCases[] = {
    {"one model at 100", {{1, 2}}, 0, "100 $", "100", "118 $", "118"},
    {"1234,5 shows 1.235 and is taxed as 1235", {{1, 2}, {2, 4}}, 0, "1.235 $", "1235", "1.457 $", "1457"},
    {"half a dollar rounds up", {{2, 0}}, 0, "1 $", "1", "1 $", "1"},
    {"29,5 including VAT rounds up", {{2, 5}}, 0, "25 $", "25", "30 $", "30"},
    {"below a half shows nothing", {{2, 6}}, 0, "0 $", "0", "0 $", "0"},
    {"rate 0", {{2, 1}}, -18, "1.235 $", "1235", "1.235 $", "1235"},
    {"rate 30", {{2, 1}}, +12, "1.235 $", "1235", "1.606 $", "1606"}, // 1605,5
    {"beyond 30 nothing moves", {{2, 1}}, +15, "1.235 $", "1235", "1.606 $", "1606"},
    {"below 0 nothing moves", {{2, 1}}, -20, "1.235 $", "1235", "1.235 $", "1235"},
    {"a negative total keeps its sign", {{2, 7}}, 0, "-5 $", "-5", "-6 $", "-6"}, // -5,9
    {"negative and positive", {{2, 7}, {1, 2}}, 0, "95 $", "95", "112 $", "112"},
};

class QuotationTotals : public Quotation, public ::testing::WithParamInterface<TotalsCase> {};

TEST_P(QuotationTotals, SumsTaxAndRoundsAsShown) {
    const TotalsCase& c = GetParam();
    SCOPED_TRACE(c.name);
    for (auto [position, row] : c.picks)
        pickWithMouse(position, row);
    clickSpinner(c.rateClicks > 0, std::abs(c.rateClicks));
    EXPECT_EQ(text("Edit1"), c.edit1);
    EXPECT_EQ(text("Edit10"), c.edit10);
    EXPECT_EQ(text("Edit3"), c.edit3);
    EXPECT_EQ(text("Edit11"), c.edit11);
    const bool zero = QString(c.edit1) == "0 $";
    EXPECT_EQ(colour(field("Edit1")), zero ? clSilver : clWhite);
    EXPECT_EQ(colour(field("Edit3")), zero ? clSilver : clWhite);
    EXPECT_EQ(form->BtnCevir->isEnabled(), !zero);
}

INSTANTIATE_TEST_SUITE_P(Cases, QuotationTotals, ::testing::ValuesIn(totalsCases),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(Quotation, SameTotalsForAnotherModelOfTheSamePrice) {
    pickWithMouse(1, 2); // Intel Core i5, 100
    EXPECT_EQ(text("Edit1"), "100 $");
    pickWithMouse(1, 5); // Sempron, 100
    EXPECT_EQ(text("Edit1"), "100 $");
    EXPECT_EQ(text("Edit3"), "118 $");
}

TEST_F(Quotation, RateChangesRecomputeAndClearTheConversion) {
    pickWithMouse(1, 2); // 100
    convertToTl();
    ASSERT_EQ(text("EditCevir"), "174.640.000  TL");
    EXPECT_EQ(colour(field("EditCevir")), clWhite);

    clickSpinner(true, 1);
    EXPECT_EQ(text("Edit2"), "19");
    EXPECT_EQ(text("Edit3"), "119 $");
    EXPECT_EQ(text("Edit11"), "119");
    EXPECT_EQ(text("EditCevir"), "0");
    EXPECT_EQ(form->EditCevir->valueText(), "0");
    EXPECT_EQ(colour(field("EditCevir")), clSilver);

    // The keyboard moves the spinner while the rate field has the focus.
    field("Edit2")->setFocus();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(text("Edit2"), "17");
    EXPECT_EQ(text("Edit3"), "117 $");

    // At the limit a click runs nothing: a conversion stays.
    clickSpinner(true, 13);
    EXPECT_EQ(text("Edit2"), "30");
    convertToTl();
    const QString converted = text("EditCevir");
    clickSpinner(true, 1);
    EXPECT_EQ(text("Edit2"), "30");
    EXPECT_EQ(text("EditCevir"), converted);
}

TEST_F(Quotation, ReturnFromTheEditorEmptiesTheTotalsAndKeepsTheRate) {
    pickWithMouse(2, 1);
    clickSpinner(false, 3);
    convertToTl();
    for (const PartCategory& c : Categories)
        price(c.position)->setText("0");
    form->ResetTotals(TForm1::ResetKind::ReturnFromEditor);
    runIdle();
    EXPECT_EQ(QStringList({text("Edit1"), text("Edit3"), text("Edit10"), text("Edit11"), text("EditCevir"),
                           text("Edit2")}),
              QStringList({"0 $", "0 $", "0", "0", "0", "15"}));
    EXPECT_EQ(colour(field("Edit1")), clSilver);
    EXPECT_EQ(colour(field("Edit3")), clSilver);
    EXPECT_FALSE(form->BtnCevir->isEnabled());
}

// --- idle refresh

// Counts the paint events of a set of widgets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(const QList<QWidget*>& widgets) {
        for (QWidget* w : widgets)
            w->installEventFilter(this);
    }
    int count(QWidget* w) const { return m_counts.value(w); }
    int total() const {
        int sum = 0;
        for (int n : m_counts)
            sum += n;
        return sum;
    }
    void reset() { m_counts.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++m_counts[static_cast<QWidget*>(watched)];
        return false;
    }

private:
    QHash<QWidget*, int> m_counts;
};

// Delivers what is pending (repaints included) without waiting for anything.
void flush() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

TEST_F(Quotation, AnIdlePassThatChangesNothingRepaintsNothing) {
    QList<QWidget*> watched;
    for (const PartCategory& c : Categories)
        watched << combo(c.position) << combo(c.position)->lineEdit() << price(c.position)
                << cancelButton(c.position);
    for (const char* name : {"Edit1", "Edit2", "Edit3", "EditCevir"})
        watched << field(name);
    watched << form->BtnCevir;
    PaintCounter paints(watched);

    pickWithMouse(1, 2);
    flush();
    paints.reset();
    runIdle();
    flush();
    EXPECT_EQ(paints.total(), 0) << "the pick's own pass has set every state already";

    // The counter does see repaints: a pass that enables a button repaints it.
    price(2)->setText("5");
    flush();
    paints.reset();
    runIdle();
    flush();
    EXPECT_GT(paints.count(cancelButton(2)), 0);

    for (int pass = 0; pass < 3; ++pass) {
        paints.reset();
        runIdle();
        flush();
        EXPECT_EQ(paints.total(), 0) << "pass " << pass;
    }
}

TEST_F(Quotation, IdleRulesFollowTheTexts) {
    // The including-VAT total follows a total of nothing, whatever left it behind.
    form->Edit3->setFieldText("12");
    runIdle();
    EXPECT_EQ(text("Edit3"), "0 $");
    EXPECT_FALSE(form->BtnCevir->isEnabled());

    price(4)->setText("7");
    runIdle();
    EXPECT_TRUE(cancelButton(4)->isEnabled());
    EXPECT_EQ(colour(price(4)), clWhite);
    price(4)->setText("0");
    runIdle();
    EXPECT_FALSE(cancelButton(4)->isEnabled());
    EXPECT_EQ(colour(price(4)), clSilver);
}

// --- keyboard

TEST_F(Quotation, TabVisitsTheSelectorsThenTheTotals) {
    QStringList order;
    for (int position : SelectorTabOrder)
        order << QStringLiteral("ComboBox%1").arg(position);
    order << "EditCevir"
          << "Edit1"
          << "Edit3"
          << "Edit2";

    combo(1)->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, order.mid(1) << order.first());
}

} // namespace
