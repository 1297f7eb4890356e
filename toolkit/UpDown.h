#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace teklifo {

// An up-down spinner attached to the right of an edit field: two arrows that move a position
// between a minimum and a maximum, write it into the field as a plain integer and then report
// the click. A click beyond the limits (no wrap-around) moves nothing and reports nothing. The
// Up and Down keys move it while the field has the focus.
class UpDown : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Up, Down };

    explicit UpDown(QWidget* parent = nullptr);

    void setAssociate(QLineEdit* edit);
    void setRange(int minimum, int maximum);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int position() const { return m_position; }
    void setPosition(int position); // writes the field, reports nothing

    // One click of an arrow, as the mouse or the keyboard gives it.
    void click(Direction direction);

Q_SIGNALS:
    void clicked(teklifo::UpDown::Direction direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    QPointer<QLineEdit> m_associate;
    QPointer<QObject> m_associateObject;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
};

} // namespace teklifo
