#pragma once

#include "catalogue/DataSource.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QHeaderView;
class QStandardItemModel;

namespace teklifo {

class Query;

// The catalogue grid: one row per record of the bound query, a title row, one column per bound
// field. Every second record (even record number) is painted in ColorAlternative, the current
// record's row in ColorSelect with ColorSelectText text whether or not the grid has the focus,
// and each wheel step moves the current record by MoveByRows records. Whole rows are selected
// and nothing is edited in the grid itself. Only the rows in view are painted, so a table of any
// length costs the same.
class TSrDBGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    struct Column {
        QString fieldName;
        QString title;
        int width;
    };

    explicit TSrDBGrid(QWidget* parent = nullptr);
    ~TSrDBGrid() override;

    DataSource* dataSource() const { return m_source; }
    void setDataSource(DataSource* source);

    void setColumns(const std::vector<Column>& columns);
    int columnCount() const { return int(m_columns.size()); }
    const Column& column(int index) const { return m_columns[index]; }
    int columnWidth(int index) const; // as the user has sized it
    QHeaderView* titleRow() const { return m_header; }

    // Background of the rows that are neither alternative nor selected.
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QColor colorAlternative() const { return m_colorAlternative; }
    void setColorAlternative(const QColor& color);
    QColor colorSelect() const { return m_colorSelect; }
    void setColorSelect(const QColor& color);
    QColor colorSelectText() const { return m_colorSelectText; }
    void setColorSelectText(const QColor& color);
    int moveByRows() const { return m_moveByRows; }
    void setMoveByRows(int rows) { m_moveByRows = rows; }

    // Called for each wheel step before the grid moves the record; returns whether it handled
    // the step, in which case the grid does nothing more.
    using WheelHandler = std::function<bool()>;
    void setOnMouseWheelDown(WheelHandler handler) { m_onWheelDown = std::move(handler); }
    void setOnMouseWheelUp(WheelHandler handler) { m_onWheelUp = std::move(handler); }

    int rowHeight() const;
    int topRow() const; // index of the first row in view
    int fullyVisibleRows() const;
    // Where a held row is drawn, in viewport coordinates (empty when out of view).
    QRect rowRect(int row) const;
    int selectedColumn() const { return m_selectedColumn; }

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Query* query() const;
    bool wheelStep(bool down);
    void wheel(QWheelEvent* event);
    void layoutChanged();
    void recordChanged();
    void updateGeometries();
    void updateScrollBars();
    void ensureCurrentVisible();
    void setColorIfChanged(QColor& member, const QColor& color);
    void moveTo(int row);
    void tab(bool forward);
    int rowAt(int y) const;
    int columnAt(int x) const;

    QPointer<DataSource> m_source;
    std::vector<Column> m_columns;
    QHeaderView* m_header;
    QStandardItemModel* m_titles;
    QColor m_color{214, 223, 247};
    QColor m_colorAlternative{227, 234, 249};
    QColor m_colorSelect{255, 255, 255};
    QColor m_colorSelectText{255, 0, 0};
    int m_moveByRows = 1;
    WheelHandler m_onWheelDown;
    WheelHandler m_onWheelUp;
    int m_wheelDelta = 0; // rotation not yet worth a whole step
    bool m_wheelPassedUp = false;
    int m_selectedColumn = 0;
};

} // namespace teklifo
