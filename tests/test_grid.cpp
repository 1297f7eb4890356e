// The catalogue grid on a real query: row colours read back from what it paints, the wheel,
// the keys, the mouse, deleting from the keyboard and leaving the grid with a new record.
#include "catalogue/Connection.h"
#include "catalogue/DBGrid.h"
#include "catalogue/DataSource.h"
#include "catalogue/Query.h"
#include "support/Fixtures.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace teklifo;
using namespace testing_support;

namespace {

// Counts the events of one type that reach an object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* target, QEvent::Type type) : m_type(type) { target->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == m_type) ++count;
        return false;
    }

private:
    QEvent::Type m_type;
};

const QColor textColor(0, 0, 0);

class GridTest : public ::testing::Test {
protected:
    // Three processors, no mainboards, 500 memory models.
    void SetUp() override {
        QList<Row> many;
        for (int i = 0; i < 500; ++i)
            many.append({QStringLiteral("Model %1").arg(i), i});
        makeCatalogue(dir.file("Data.mdb"), {{1, {{"Bir", 1}, {"İki", 2.5}, {"Üç", 3}}}, {3, many}});
        open("islemci");
    }

    void open(const QString& table) {
        window.reset();
        query.close();
        query.setTableName(table);
        query.open();
        source.setDataSet(&query);
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        grid = new TSrDBGrid(window.get());
        grid->setColumns({{"PARCA", "Model", 250}, {"FIYAT", "Fiyat", 80}});
        grid->setDataSource(&source);
        other = new QLineEdit(window.get());
        layout->addWidget(grid);
        layout->addWidget(other);
        window->resize(400, 220);
        window->show();
        QApplication::setActiveWindow(window.get());
        grid->setFocus();
        QApplication::processEvents();
    }

    QImage painted() const { return grid->viewport()->grab().toImage(); }

    // The background of a row, at the far end of its first column, away from the text.
    QColor rowBackground(const QImage& image, int row) const {
        const QRect r = grid->rowRect(row);
        return image.pixelColor(grid->columnWidth(0) - 8, r.top() + r.height() / 2);
    }

    // The colour of the row's text: of the pixels in its first column, the one furthest from the
    // row's background.
    QColor rowText(const QImage& image, int row) const {
        const QRect r = grid->rowRect(row);
        const QColor background = rowBackground(image, row);
        QColor furthest = background;
        int distance = 0;
        for (int y = r.top(); y < r.bottom(); ++y)
            for (int x = 0; x < grid->columnWidth(0) - 1; ++x) {
                const QColor c = image.pixelColor(x, y);
                const int d = std::abs(c.red() - background.red()) +
                              std::abs(c.green() - background.green()) +
                              std::abs(c.blue() - background.blue());
                if (d > distance) {
                    distance = d;
                    furthest = c;
                }
            }
        return furthest;
    }

    static bool near(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <
               90;
    }

    // Sends a wheel event; returns whether it was handled (an unhandled one goes on to the
    // parents when it comes from the window system).
    bool sendWheel(QWidget* target, int delta) {
        const QPointF at(20, 20);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    }

    TempWorkDir dir;
    Connection connection;
    Query query{&connection};
    DataSource source;
    std::unique_ptr<QWidget> window;
    TSrDBGrid* grid = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(GridTest, DefaultsOfTheClass) {
    EXPECT_EQ(grid->color(), QColor(214, 223, 247));
    EXPECT_EQ(grid->colorAlternative(), QColor(227, 234, 249));
    EXPECT_EQ(grid->colorSelect(), QColor(255, 255, 255));
    EXPECT_EQ(grid->colorSelectText(), QColor(255, 0, 0));
    EXPECT_EQ(grid->moveByRows(), 1);
    EXPECT_EQ(grid->titleRow()->model()->headerData(0, Qt::Horizontal).toString(), "Model");
    EXPECT_EQ(grid->columnWidth(1), 80);
}

// Record 1 and 3 in Color, record 2 in ColorAlternative, the current one in the selection
// colours, also once the focus has gone to another control.
TEST_F(GridTest, StripesByRecordNumberAndTheCurrentRowInTheSelectionColours) {
    const QColor c = grid->color(), alt = grid->colorAlternative(), sel = grid->colorSelect();
    struct Case {
        int current;
        bool focusElsewhere;
        QColor rows[3];
    };
    const Case cases[] = {
        {0, false, {sel, alt, c}},
        {1, false, {c, sel, c}},
        {2, false, {c, alt, sel}},
        {2, true, {c, alt, sel}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.current);
        query.moveToIndex(k.current);
        if (k.focusElsewhere) other->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(grid->hasFocus(), !k.focusElsewhere);
        const QImage image = painted();
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(rowBackground(image, row), k.rows[row]) << "row " << row;
            const QColor text = rowText(image, row);
            EXPECT_TRUE(near(text, row == k.current ? grid->colorSelectText() : textColor))
                << "row " << row << " text " << text.name().toStdString();
        }
    }
}

TEST_F(GridTest, NoStripesWhileARecordIsBeingInserted) {
    query.moveToIndex(1);
    query.insert();
    QApplication::processEvents();
    QImage image = painted();
    ASSERT_EQ(query.rowCount(), 4);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(rowBackground(image, row), row == 1 ? grid->colorSelect() : grid->color()) << row;

    query.cancel();
    QApplication::processEvents();
    image = painted();
    EXPECT_EQ(rowBackground(image, 1), grid->colorSelect());
    EXPECT_EQ(rowBackground(image, 0), grid->color());
    EXPECT_EQ(rowBackground(image, 2), grid->color());
    query.first();
    QApplication::processEvents();
    EXPECT_EQ(rowBackground(painted(), 1), grid->colorAlternative()) << "stripes are back";
}

TEST_F(GridTest, AnEmptyCatalogueShowsNoStripes) {
    open("anakart");
    const QImage image = painted();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 13)
            ASSERT_EQ(image.pixelColor(x, y), grid->color()) << x << "," << y;
}

TEST_F(GridTest, ColourSettersRedrawOnlyOnChange) {
    EventCounter paints(grid->viewport(), QEvent::Paint);
    QApplication::processEvents();
    paints.count = 0;
    grid->setColorAlternative(grid->colorAlternative());
    grid->setColorSelect(grid->colorSelect());
    grid->setColorSelectText(grid->colorSelectText());
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 0);

    grid->setColorAlternative(QColor(1, 2, 3));
    QApplication::processEvents();
    EXPECT_GE(paints.count, 1);
    EXPECT_EQ(rowBackground(painted(), 1), QColor(1, 2, 3));
    paints.count = 0;
    grid->setColorSelectText(QColor(0, 0, 255));
    QApplication::processEvents();
    EXPECT_GE(paints.count, 1);
    EXPECT_TRUE(near(rowText(painted(), 0), QColor(0, 0, 255)));
}

// Wheel away from the user (positive) is wheel-up: back one record; towards the user forward.
// At the ends nothing moves and the event goes on to the parent.
TEST_F(GridTest, WheelMovesOneRecordPerStepAndIsUnhandledAtTheEnds) {
    struct Case {
        const char* name;
        int start;
        int delta;
        bool toViewport;
        int end;
        bool handled;
    };
    const Case cases[] = {
        {"down from the first", 0, -120, true, 1, true}, {"up from the last", 2, 120, false, 1, true},
        {"down on the last", 2, -120, true, 2, false},   {"up on the first", 0, 120, false, 0, false},
        {"two steps at once", 0, -240, true, 2, true},   {"half a step", 1, -60, true, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        query.moveToIndex(c.start);
        EXPECT_EQ(sendWheel(c.toViewport ? grid->viewport() : static_cast<QWidget*>(grid), c.delta),
                  c.handled);
        EXPECT_EQ(query.currentIndex(), c.end);
    }
    // The half step left over adds up with the next half.
    sendWheel(grid->viewport(), -60);
    EXPECT_EQ(query.currentIndex(), 2);
}

TEST_F(GridTest, WheelHandlersComeFirstAndMoveByRowsSetsTheStep) {
    int downCalls = 0;
    bool handle = true;
    grid->setOnMouseWheelDown([&] {
        ++downCalls;
        return handle;
    });
    EXPECT_TRUE(sendWheel(grid->viewport(), -120));
    EXPECT_EQ(downCalls, 1);
    EXPECT_EQ(query.currentIndex(), 0) << "the handler took the step";

    handle = false;
    grid->setMoveByRows(2);
    sendWheel(grid->viewport(), -120);
    EXPECT_EQ(downCalls, 2);
    EXPECT_EQ(query.currentIndex(), 2);
    sendWheel(grid->viewport(), 120);
    EXPECT_EQ(query.currentIndex(), 0) << "the up handler is not assigned";
}

TEST_F(GridTest, ManyRowsOneRecordPerWheelStepAndTheCurrentRowStaysInView) {
    open("ram");
    ASSERT_GT(grid->fullyVisibleRows(), 2);
    for (int step = 1; step <= 40; ++step) {
        sendWheel(grid->viewport(), -120);
        ASSERT_EQ(query.currentIndex(), step);
    }
    query.last();
    QApplication::processEvents();
    EXPECT_FALSE(grid->rowRect(499).isEmpty()) << "the grid scrolled to the last record";
    EXPECT_EQ(rowBackground(painted(), 499), grid->colorSelect());
}

TEST_F(GridTest, ClickAndKeysMoveTheCurrentRecord) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->rowRect(2).center());
    EXPECT_EQ(query.currentIndex(), 2);
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    };
    const Step steps[] = {{Qt::Key_Up, Qt::NoModifier, 1},     {Qt::Key_Home, Qt::NoModifier, 0},
                          {Qt::Key_Down, Qt::NoModifier, 1},   {Qt::Key_End, Qt::NoModifier, 2},
                          {Qt::Key_PageUp, Qt::NoModifier, 0}, {Qt::Key_PageDown, Qt::NoModifier, 2}};
    for (const Step& s : steps) {
        QTest::keyClick(grid, Qt::Key(s.key), s.modifiers);
        EXPECT_EQ(query.currentIndex(), s.expected) << s.key;
    }
    // The grid edits nothing.
    QTest::keyClicks(grid, "abc");
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(grid, Qt::Key_Insert);
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(query.rowCount(), 3);
}

TEST_F(GridTest, TabWalksColumnsAndRowsWithoutLeavingTheGrid) {
    query.first();
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->selectedColumn(), 1);
    EXPECT_EQ(query.currentIndex(), 0);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->selectedColumn(), 0);
    EXPECT_EQ(query.currentIndex(), 1);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(query.currentIndex(), 0);
    EXPECT_EQ(grid->selectedColumn(), 1);
    EXPECT_TRUE(grid->hasFocus());
}

// A move posts a record that was changed and drops one that was not.
TEST_F(GridTest, AMovePostsAChangedRecordAndCancelsAnUnchangedOne) {
    query.edit();
    query.setFieldValue("PARCA", "Değişti");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->rowRect(2).center());
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(readTable(dir.file("Data.mdb"), "islemci")[0].parca.toString(), "Değişti");

    query.insert();
    ASSERT_EQ(query.rowCount(), 4);
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(query.rowCount(), 3);
    EXPECT_EQ(readTable(dir.file("Data.mdb"), "islemci").size(), 3);
}

TEST_F(GridTest, CtrlDeleteAsksFirst) {
    MessageBoxWatcher boxes("İptal");
    query.moveToIndex(1);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_TRUE(boxes.seen().isEmpty()) << "Delete alone does nothing";
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Doğrula");
    EXPECT_EQ(boxes.seen()[0].text, "Delete record?");
    EXPECT_EQ(boxes.seen()[0].buttons, QStringList({"TAMAM", "İptal"}));
    EXPECT_EQ(boxes.seen()[0].defaultButton, "TAMAM");
    EXPECT_EQ(boxes.seen()[0].icon, int(QMessageBox::Question));
    EXPECT_EQ(query.rowCount(), 3);

    boxes.setAnswer("TAMAM");
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(query.rowCount(), 2);
    EXPECT_EQ(query.fieldText("PARCA"), "Üç") << "the following record is current";
    const auto stored = readTable(dir.file("Data.mdb"), "islemci");
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[1].parca.toString(), "Üç");
}

TEST_F(GridTest, LeavingTheGridDropsAnUntouchedNewRecordOnly) {
    query.insert();
    other->setFocus();
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(query.rowCount(), 3);

    grid->setFocus();
    query.insert();
    query.setFieldValue("PARCA", "Yeni");
    other->setFocus();
    EXPECT_EQ(query.state(), DataSetState::Insert) << "a record typed into stays";

    // Another window taking the focus is not leaving the grid.
    query.cancel();
    grid->setFocus();
    query.insert();
    QWidget popup;
    popup.show();
    QApplication::setActiveWindow(&popup);
    QApplication::processEvents();
    EXPECT_EQ(query.state(), DataSetState::Insert);
}

} // namespace
