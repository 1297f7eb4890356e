#pragma once

#include "catalogue/DataSource.h"

#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>

class QToolButton;

namespace teklifo {

class Query;

// The record navigator: a row of flat buttons that move through, insert, delete, edit, post and
// cancel the records of the bound query. Each button is enabled only where its work makes sense
// in the query's present state. The buttons take no focus, so typed text stays in its field.
class DBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh, ButtonCount };

    explicit DBNavigator(QWidget* parent = nullptr);

    DataSource* dataSource() const { return m_source; }
    void setDataSource(DataSource* source);

    QToolButton* button(Button which) const { return m_buttons[which]; }
    void setButtonVisible(Button which, bool visible);

    // Gives a button its picture: a bitmap of square images side by side, as high as the bitmap:
    // the first is drawn while the button is enabled, the second, when there is one, while it
    // is disabled. The colour of the bottom-left pixel is see-through.
    void setGlyph(Button which, const QImage& bitmap);
    static QIcon glyphIcon(const QImage& bitmap);
    // The picture each button shows until another is given, in the same two-square layout.
    static QImage standardGlyph(Button which);

    // What a click on the button does.
    void click(Button which);

private:
    Query* query() const;
    void updateStates();
    void arrange();
    void resizeEvent(QResizeEvent* event) override;

    QPointer<DataSource> m_source;
    std::array<QToolButton*, ButtonCount> m_buttons{};
};

// Asks "Delete record?" and, when confirmed, deletes the query's current record.
void deleteWithConfirmation(Query* query);

// Reads a bitmap file named relative to the current directory. Throws FileError when the file
// can't be opened or is not a valid bitmap.
QImage loadBitmapFile(const QString& fileName);

} // namespace teklifo
