#pragma once

#include <QColor>
#include <QToolButton>
#include <QWidget>

class QComboBox;

namespace teklifo {

// The system colours the windows are drawn with.
inline const QColor clWhite{255, 255, 255};
inline const QColor clSilver{192, 192, 192};
inline const QColor clGray{128, 128, 128};

// A borderless box drawn as a rectangle of its own size with a one-pixel grey outline.
class FramePanel : public QWidget {
    Q_OBJECT
public:
    explicit FramePanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A flat button: no raised border until the mouse is over it, drawn over a grey-outlined
// rectangle of its own size so that it shows a thin grey frame at rest. Takes no focus.
class FlatButton : public QToolButton {
    Q_OBJECT
public:
    explicit FlatButton(const QString& text = {}, QWidget* parent = nullptr);

    // Whether the grey frame is drawn (cancel buttons of the rows have none).
    void setFramed(bool framed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_framed = true;
};

// The field colour a person sees, set only when it differs, so a pass that changes nothing
// repaints nothing.
void setFieldColor(QWidget* widget, const QColor& color);
QColor fieldColor(const QWidget* widget);

// Enables or disables only when the state differs.
void setEnabledIfChanged(QWidget* widget, bool enabled);

// The dialogs' and windows' font.
QFont windowFont();

// Places a widget at a position and size in its parent.
void place(QWidget* widget, int left, int top, int width, int height);

} // namespace teklifo
