#include "toolkit/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionToolButton>

namespace teklifo {

FramePanel::FramePanel(QWidget* parent) : QWidget(parent) {}

void FramePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(clGray);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

FlatButton::FlatButton(const QString& text, QWidget* parent) : QToolButton(parent) {
    setText(text);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void FlatButton::setFramed(bool framed) {
    if (m_framed != framed) {
        m_framed = framed;
        update();
    }
}

void FlatButton::paintEvent(QPaintEvent* event) {
    if (m_framed) {
        QPainter p(this);
        p.setPen(clGray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    QToolButton::paintEvent(event);
}

void setFieldColor(QWidget* widget, const QColor& color) {
    QPalette pal = widget->palette();
    if (pal.color(QPalette::Base) == color && widget->testAttribute(Qt::WA_SetPalette))
        return;
    pal.setColor(QPalette::Base, color);
    // A disabled field keeps the colour it is given.
    pal.setColor(QPalette::Disabled, QPalette::Base, color);
    widget->setPalette(pal);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        combo->lineEdit()->setPalette(pal);
}

QColor fieldColor(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

void setEnabledIfChanged(QWidget* widget, bool enabled) {
    if (widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
}

QFont windowFont() {
    QFont font;
    // Where the classic dialog font is missing, a narrow sans serif keeps the layouts' widths.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
}

} // namespace teklifo
