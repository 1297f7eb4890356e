#pragma once

#include <QDialog>
#include <optional>

namespace teklifo {

// The program's dialogs: a fixed size with a margin around the client area, a thin grey
// rectangle framing that area, the window font, shown modally and centred over the main window
// unless a place on the screen is fixed. Closing only hides them, so they keep their contents.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(const QString& objectName, const QString& caption, int clientWidth, int clientHeight, int margin,
                QWidget* parent);

    // The area the dialog's controls are placed in, at the margin's offset.
    QWidget* client() const { return m_client; }

    // A fixed place on the screen instead of centring over the main window.
    void setScreenPosition(QPoint position) { m_screenPosition = position; }

protected:
    void showEvent(QShowEvent* event) override;
    // The dialogs have neither a default nor a cancel button: Enter and Esc close nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* m_client;
    std::optional<QPoint> m_screenPosition;
};

} // namespace teklifo
