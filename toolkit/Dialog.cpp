#include "toolkit/Dialog.h"

#include "toolkit/Controls.h"

#include <QKeyEvent>

namespace teklifo {

FixedDialog::FixedDialog(const QString& objectName, const QString& caption, int clientWidth, int clientHeight,
                         int margin, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(windowFont());
    setModal(true);
    setSizeGripEnabled(false);
    setFixedSize(clientWidth + 2 * margin, clientHeight + 2 * margin);
    m_client = new FramePanel(this);
    m_client->setObjectName(objectName + QStringLiteral("Client"));
    m_client->setGeometry(margin, margin, clientWidth, clientHeight);
}

void FixedDialog::showEvent(QShowEvent* event) {
    if (m_screenPosition) {
        move(*m_screenPosition);
    } else if (QWidget* owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

} // namespace teklifo

namespace teklifo {

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace teklifo
