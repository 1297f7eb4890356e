#pragma once

#include "toolkit/Dialog.h"

#include <array>

namespace teklifo {

class Query;

// The bulk deletion dialog: empties the catalogues of the ticked categories.
class TFrmVeriSil : public FixedDialog {
    Q_OBJECT
public:
    TFrmVeriSil(std::array<Query*, 19> queries, QWidget* parent);

private:
    std::array<Query*, 19> m_queries;
};

} // namespace teklifo
