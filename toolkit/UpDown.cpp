#include "toolkit/UpDown.h"

#include <QKeyEvent>
#include <algorithm>
#include <QLineEdit>
#include <QToolButton>

#include "toolkit/ValidatedEdit.h"

namespace teklifo {

UpDown::UpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setObjectName(QStringLiteral("UpButton"));
    m_down->setObjectName(QStringLiteral("DownButton"));
    for (QToolButton* b : {m_up, m_down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { click(Direction::Up); });
    connect(m_down, &QToolButton::clicked, this, [this] { click(Direction::Down); });
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void UpDown::setAssociate(QLineEdit* edit) {
    if (m_associate)
        m_associate->removeEventFilter(this);
    m_associate = edit;
    m_associateObject = edit;
    if (edit)
        edit->installEventFilter(this);
}

void UpDown::setRange(int minimum, int maximum) {
    m_min = minimum;
    m_max = maximum;
}

void UpDown::setPosition(int position) {
    m_position = std::clamp(position, m_min, m_max);
    if (auto* validated = qobject_cast<ValidatedEdit*>(m_associate.data()))
        validated->setFieldText(QString::number(m_position));
    else if (m_associate)
        m_associate->setText(QString::number(m_position));
}

void UpDown::click(Direction direction) {
    const int target = m_position + (direction == Direction::Up ? 1 : -1);
    if (target < m_min || target > m_max)
        return;
    setPosition(target);
    Q_EMIT clicked(direction);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    // Compared as objects: the field may be half destroyed when its last events pass here.
    if (event->type() == QEvent::KeyPress && watched == static_cast<QObject*>(m_associateObject)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            click(key == Qt::Key_Up ? Direction::Up : Direction::Down);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace teklifo
