#pragma once

#include "toolkit/Dialog.h"

class QLineEdit;
class QRadioButton;

namespace teklifo {

class FlatButton;
class ValidatedEdit;

// The dollar-rate dialog: converts the total including VAT into TL or YTL and writes the result
// into the main window's converted-total field.
class TFrmCevir : public FixedDialog {
    Q_OBJECT
public:
    // base: the main window's conversion base; result: its converted-total field.
    TFrmCevir(ValidatedEdit* base, ValidatedEdit* result, QWidget* parent);

    void Button1Click();

    QLineEdit* Edit1 = nullptr; // TL rate
    QLineEdit* Edit2 = nullptr; // YTL rate
    QRadioButton* RBtn1 = nullptr;
    QRadioButton* RBtn2 = nullptr;
    FlatButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ValidatedEdit* m_base;
    ValidatedEdit* m_result;
};

} // namespace teklifo
