#pragma once

#include "toolkit/Dialog.h"

class QLabel;

namespace teklifo {

class FlatButton;
class FramePanel;

// The about box: product name and version, a picture, an invitation to write to us and two
// web addresses that open in the browser.
class TFrmHakkinda : public FixedDialog {
    Q_OBJECT
public:
    explicit TFrmHakkinda(QWidget* parent);

    QLabel* Image1 = nullptr;
    FramePanel* Shape1 = nullptr;
    QLabel* Label3 = nullptr; // title shadow
    QLabel* Label4 = nullptr; // title
    QLabel* Label5 = nullptr; // invitation
    QLabel* Label2 = nullptr; // first link
    QLabel* Label1 = nullptr; // second link
    FramePanel* Shape2 = nullptr;
    FlatButton* SpeedButton1 = nullptr; // "Kapat"

    void SpeedButton1Click();
    void Label1Click();
    void Label2Click();
    // Shared by both links: the one under the pointer turns red, the one it left blue again.
    void Label2MouseMove(QLabel* link);
    void Label2MouseLeave(QLabel* link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace teklifo
