#include "toolkit/RadioGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>
#include <QStyleOptionGroupBox>

namespace teklifo {

RadioGroup::RadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)) {
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idToggled, this, &RadioGroup::onToggled);
}

void RadioGroup::setItems(const QStringList& items) {
    for (QRadioButton* b : m_buttons)
        delete b;
    m_buttons.clear();
    m_itemIndex = -1;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(QStringLiteral("%1Item%2").arg(objectName()).arg(i));
        m_group->addButton(b, i);
        m_buttons.push_back(b);
        b->show();
    }
    updateTabStop();
    arrange();
}

void RadioGroup::setColumns(int columns) {
    m_columns = std::max(1, columns);
    arrange();
}

void RadioGroup::setItemIndex(int index) {
    if (index < -1 || index >= count()) index = -1;
    if (index == m_itemIndex) return;
    m_updating = true;
    if (index < 0) {
        // An exclusive group never unchecks its last button by itself.
        m_group->setExclusive(false);
        m_buttons[m_itemIndex]->setChecked(false);
        m_group->setExclusive(true);
    } else {
        m_buttons[index]->setChecked(true);
    }
    m_itemIndex = index;
    m_updating = false;
    updateTabStop();
}

void RadioGroup::onToggled(int id, bool checked) {
    if (!checked || m_updating || id == m_itemIndex) return;
    m_itemIndex = id;
    updateTabStop();
    Q_EMIT clicked();
}

// The group is one stop of the Tab key: its chosen button (the first while none is chosen);
// the arrow keys move between the buttons.
void RadioGroup::updateTabStop() {
    const int stop = m_itemIndex >= 0 ? m_itemIndex : 0;
    for (int i = 0; i < count(); ++i)
        m_buttons[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

// Buttons per column = items divided by columns, rounded up; the columns share the box's inner
// width and the rows its inner height below the caption, the spare pixels going half above.
void RadioGroup::arrange() {
    if (m_buttons.empty()) return;
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect inner =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const int perColumn = (count() + m_columns - 1) / m_columns;
    const int columnWidth = (inner.width() - 8) / m_columns;
    const int rowHeight = std::max(1, inner.height() / perColumn);
    const int top = inner.top() + (inner.height() % perColumn) / 2;
    for (int i = 0; i < count(); ++i)
        m_buttons[i]->setGeometry(inner.left() + 8 + (i / perColumn) * columnWidth,
                                  top + (i % perColumn) * rowHeight, columnWidth, rowHeight);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    arrange();
}

void RadioGroup::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) arrange();
}

} // namespace teklifo
