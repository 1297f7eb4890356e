#include "catalogue/DBGrid.h"

#include "catalogue/DBNavigator.h"
#include "catalogue/DataSource.h"
#include "catalogue/Query.h"
#include "toolkit/Guard.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QWheelEvent>

namespace teklifo {

static const QColor lineColor(160, 160, 160);
static constexpr int WheelStep = 120;

TSrDBGrid::TSrDBGrid(QWidget* parent)
    : QAbstractScrollArea(parent), m_header(new QHeaderView(Qt::Horizontal, this)),
      m_titles(new QStandardItemModel(0, 0, this)) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);

    m_header->setModel(m_titles);
    m_header->setSectionsClickable(false);
    m_header->setHighlightSections(false);
    m_header->setStretchLastSection(false);
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    m_header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_header->setMinimumSectionSize(8);
    m_header->setFocusPolicy(Qt::NoFocus);
    connect(m_header, &QHeaderView::sectionResized, this, [this] {
        updateScrollBars();
        viewport()->update();
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_header, &QHeaderView::setOffset);
    updateGeometries();
}

TSrDBGrid::~TSrDBGrid() = default;

Query* TSrDBGrid::query() const {
    Query* q = m_source ? m_source->dataSet() : nullptr;
    return q && q->isOpen() ? q : nullptr;
}

void TSrDBGrid::setDataSource(DataSource* source) {
    if (m_source == source) return;
    if (m_source) disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &DataSource::recordChanged, this, &TSrDBGrid::recordChanged);
        connect(source, &DataSource::layoutChanged, this, &TSrDBGrid::layoutChanged);
        connect(source, &DataSource::dataSetChanged, this, &TSrDBGrid::layoutChanged);
        connect(source, &DataSource::stateChanged, viewport(), qOverload<>(&QWidget::update));
        connect(source, &DataSource::fieldChanged, viewport(), qOverload<>(&QWidget::update));
    }
    layoutChanged();
}

void TSrDBGrid::setColumns(const std::vector<Column>& columns) {
    m_columns = columns;
    m_titles->setColumnCount(int(columns.size()));
    for (int c = 0; c < int(columns.size()); ++c) {
        m_titles->setHorizontalHeaderItem(c, new QStandardItem(columns[c].title));
        m_header->resizeSection(c, columns[c].width);
    }
    m_selectedColumn = 0;
    updateGeometries();
    viewport()->update();
}

int TSrDBGrid::columnWidth(int index) const {
    return m_header->sectionSize(index);
}

void TSrDBGrid::setColorIfChanged(QColor& member, const QColor& color) {
    if (member == color) return;
    member = color;
    viewport()->update();
}

void TSrDBGrid::setColor(const QColor& color) {
    setColorIfChanged(m_color, color);
}
void TSrDBGrid::setColorAlternative(const QColor& color) {
    setColorIfChanged(m_colorAlternative, color);
}
void TSrDBGrid::setColorSelect(const QColor& color) {
    setColorIfChanged(m_colorSelect, color);
}
void TSrDBGrid::setColorSelectText(const QColor& color) {
    setColorIfChanged(m_colorSelectText, color);
}

int TSrDBGrid::rowHeight() const {
    return fontMetrics().height() + 4;
}

int TSrDBGrid::topRow() const {
    return verticalScrollBar()->value();
}

int TSrDBGrid::fullyVisibleRows() const {
    return std::max(1, viewport()->height() / rowHeight());
}

QRect TSrDBGrid::rowRect(int row) const {
    const int y = (row - topRow()) * rowHeight();
    if (row < topRow() || y >= viewport()->height()) return {};
    return QRect(0, y, viewport()->width(), rowHeight());
}

int TSrDBGrid::rowAt(int y) const {
    Query* q = query();
    if (!q || y < 0) return -1;
    const int row = topRow() + y / rowHeight();
    return row < q->rowCount() ? row : -1;
}

int TSrDBGrid::columnAt(int x) const {
    return m_header->logicalIndexAt(x);
}

void TSrDBGrid::updateGeometries() {
    const int height = m_header->sizeHint().height();
    setViewportMargins(0, height, 0, 0);
    const QRect area = viewport()->geometry();
    m_header->setGeometry(area.left(), area.top() - height, area.width(), height);
    updateScrollBars();
}

void TSrDBGrid::updateScrollBars() {
    Query* q = query();
    const int rows = q ? q->rowCount() : 0;
    const int visible = fullyVisibleRows();
    verticalScrollBar()->setRange(0, std::max(0, rows - visible));
    verticalScrollBar()->setPageStep(visible);
    horizontalScrollBar()->setRange(0, std::max(0, m_header->length() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(20);
}

void TSrDBGrid::ensureCurrentVisible() {
    Query* q = query();
    const int current = q ? q->currentIndex() : -1;
    if (current < 0) return;
    const int visible = fullyVisibleRows();
    if (current < topRow())
        verticalScrollBar()->setValue(current);
    else if (current >= topRow() + visible)
        verticalScrollBar()->setValue(current - visible + 1);
}

void TSrDBGrid::layoutChanged() {
    updateScrollBars();
    ensureCurrentVisible();
    viewport()->update();
}

void TSrDBGrid::recordChanged() {
    ensureCurrentVisible();
    viewport()->update();
}

void TSrDBGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateGeometries();
    ensureCurrentVisible();
}

void TSrDBGrid::scrollContentsBy(int, int) {
    viewport()->update();
}

// The cell is filled with its background and its text written 2 pixels in from its side and
// below its top; the right and bottom pixel of every cell are the grid lines.
void TSrDBGrid::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    p.fillRect(event->rect(), m_color);
    Query* q = query();
    if (!q) return;
    const int height = rowHeight();
    const int rows = q->rowCount();
    const int current = q->currentIndex();
    const QColor text = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    const int bottom = viewport()->height();
    std::vector<Qt::Alignment> alignment;
    for (const Column& c : m_columns)
        alignment.push_back((q->isNumericField(c.fieldName) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);

    for (int row = topRow(), y = 0; row < rows && y < bottom; ++row, y += height) {
        if (y + height <= event->rect().top() || y > event->rect().bottom()) continue;
        QColor background = m_color;
        QColor foreground = text;
        // A query that gives no number (while inserting) gives -1: odd.
        if (q->recordNumberOf(row) % 2 == 0) background = m_colorAlternative;
        if (row == current) {
            background = m_colorSelect;
            foreground = m_colorSelectText;
        }
        for (int c = 0; c < columnCount(); ++c) {
            const int x = m_header->sectionViewportPosition(c);
            const int width = m_header->sectionSize(c);
            if (x + width <= 0 || x >= viewport()->width() || width <= 0) continue;
            const QRect cell(x, y, width - 1, height - 1);
            p.fillRect(cell, background);
            p.setPen(foreground);
            p.drawText(cell.adjusted(2, 2, -2, 0), int(alignment[c]) | Qt::TextSingleLine,
                       q->displayText(row, m_columns[c].fieldName));
            p.setPen(lineColor);
            p.drawLine(x + width - 1, y, x + width - 1, y + height - 1);
            p.drawLine(x, y + height - 1, x + width - 1, y + height - 1);
        }
    }
}

// A wheel event over the rows reaches the viewport first; one the grid left unhandled goes up
// through the grid itself to its parents, and is not taken a second time on its way.
bool TSrDBGrid::event(QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        if (m_wheelPassedUp) {
            m_wheelPassedUp = false;
            event->ignore();
        } else {
            wheel(static_cast<QWheelEvent*>(event));
        }
        return true;
    }
    return QAbstractScrollArea::event(event);
}

bool TSrDBGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        wheel(static_cast<QWheelEvent*>(event));
        // Only the events of the window system travel on to the parents.
        m_wheelPassedUp = !event->isAccepted() && event->spontaneous();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

bool TSrDBGrid::wheelStep(bool down) {
    if (const WheelHandler& handler = down ? m_onWheelDown : m_onWheelUp; handler && handler()) return true;
    Query* q = query();
    if (!q) return false;
    int moved = 0;
    guarded([&] { moved = q->moveBy(down ? m_moveByRows : -m_moveByRows); });
    return moved != 0;
}

// Each whole step of 120 units is one wheel-down (towards the user) or wheel-up event; smaller
// amounts add up. The event is handled when any of its steps was; an unhandled one goes on to
// the parents.
void TSrDBGrid::wheel(QWheelEvent* event) {
    m_wheelDelta += event->angleDelta().y();
    bool handled = false;
    while (m_wheelDelta >= WheelStep) {
        m_wheelDelta -= WheelStep;
        handled = wheelStep(false) || handled;
    }
    while (m_wheelDelta <= -WheelStep) {
        m_wheelDelta += WheelStep;
        handled = wheelStep(true) || handled;
    }
    event->setAccepted(handled);
}

void TSrDBGrid::moveTo(int row) {
    Query* q = query();
    if (q && row >= 0 && row != q->currentIndex()) q->moveToIndex(row);
}

void TSrDBGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const int row = rowAt(at.y());
    if (const int column = columnAt(at.x()); column >= 0 && row >= 0) m_selectedColumn = column;
    guarded([&] { moveTo(row); });
    event->accept();
}

// Tab walks the columns of the current row, then on to the next (Shift+Tab back); with whole
// rows selected the column is not shown, but the walk is kept.
void TSrDBGrid::tab(bool forward) {
    Query* q = query();
    if (!q || columnCount() == 0) return;
    if (forward) {
        if (m_selectedColumn + 1 < columnCount())
            ++m_selectedColumn;
        else if (q->moveBy(1) != 0)
            m_selectedColumn = 0;
    } else {
        if (m_selectedColumn > 0)
            --m_selectedColumn;
        else if (q->moveBy(-1) != 0)
            m_selectedColumn = columnCount() - 1;
    }
}

void TSrDBGrid::keyPressEvent(QKeyEvent* event) {
    Query* q = query();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    bool known = true;
    guarded([&] {
        switch (event->key()) {
        case Qt::Key_Up:
            if (q) q->moveBy(-1);
            break;
        case Qt::Key_Down:
            if (q) q->moveBy(1);
            break;
        case Qt::Key_PageUp:
            if (q) q->moveBy(-fullyVisibleRows());
            break;
        case Qt::Key_PageDown:
            if (q) q->moveBy(fullyVisibleRows());
            break;
        case Qt::Key_Home:
            if (q) q->first();
            break;
        case Qt::Key_End:
            if (q) q->last();
            break;
        case Qt::Key_Left:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Tab:
            tab(true);
            break;
        case Qt::Key_Backtab:
            tab(false);
            break;
        case Qt::Key_Delete:
            if (mods == Qt::ControlModifier && q) deleteWithConfirmation(q);
            break;
        default:
            known = false;
        }
    });
    // The grid edits nothing: typed characters, F2 and Insert end here too.
    if (!known && !event->text().isEmpty() && event->text()[0].isPrint()) known = true;
    if (!known && (event->key() == Qt::Key_F2 || event->key() == Qt::Key_Insert)) known = true;
    event->setAccepted(known);
}

bool TSrDBGrid::focusNextPrevChild(bool) {
    return false;
}

// Leaving the grid for another control drops a new record nothing was typed into.
void TSrDBGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    Query* q = query();
    if (q && q->state() == DataSetState::Insert && !q->modified()) guarded([&] { q->cancel(); });
}

} // namespace teklifo
