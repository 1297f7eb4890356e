// The command box and the conversion button: each shows its dialog or runs its command.
#include "app/Unit1.h"

#include "dialogs/PrintAyar.h"
#include "dialogs/cevir.h"
#include "dialogs/hakkinda.h"

namespace teklifo {

void TForm1::BtnCevirClick() { m_frmCevir->exec(); }

void TForm1::Button2Click() { m_frmPrintAyar->exec(); }

void TForm1::Button3Click() { m_frmHakkinda->exec(); }

void TForm1::Button5Click() {}

} // namespace teklifo
