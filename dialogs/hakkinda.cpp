#include "dialogs/hakkinda.h"

namespace teklifo {

TFrmHakkinda::TFrmHakkinda(QWidget* parent)
    : FixedDialog(QStringLiteral("FrmHakkinda"), QStringLiteral(" Hakkında"), 320, 225, 6, parent) {}

} // namespace teklifo
