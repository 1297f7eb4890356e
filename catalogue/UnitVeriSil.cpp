#include "catalogue/UnitVeriSil.h"

namespace teklifo {

TFrmVeriSil::TFrmVeriSil(std::array<Query*, 19> queries, QWidget* parent)
    : FixedDialog(QStringLiteral("FrmVeriSil"), QStringLiteral("Veri Sil"), 278, 401, 6, parent),
      m_queries(queries) {}

} // namespace teklifo
