#pragma once

#include "toolkit/Dialog.h"

namespace teklifo {

// The about box.
class TFrmHakkinda : public FixedDialog {
    Q_OBJECT
public:
    explicit TFrmHakkinda(QWidget* parent);
};

} // namespace teklifo
