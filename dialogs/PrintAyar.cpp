#include "dialogs/PrintAyar.h"

namespace teklifo {

TFrmPrintAyar::TFrmPrintAyar(QWidget* parent)
    : FixedDialog(QStringLiteral("FrmPrintAyar"), QStringLiteral("FrmPrintAyar"), 389, 214, 6, parent) {}

} // namespace teklifo
