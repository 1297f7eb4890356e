#pragma once

#include "toolkit/Dialog.h"

namespace teklifo {

// The company details dialog.
class TFrmPrintAyar : public FixedDialog {
    Q_OBJECT
public:
    explicit TFrmPrintAyar(QWidget* parent);
};

} // namespace teklifo
