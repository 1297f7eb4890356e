// The command box and the conversion button: each shows its dialog or runs its command.
#include "app/Unit1.h"

#include "catalogue/DBEdit.h"
#include "catalogue/Query.h"
#include "dialogs/PrintAyar.h"
#include "dialogs/cevir.h"
#include "dialogs/hakkinda.h"
#include "report/print.h"
#include "toolkit/Controls.h"
#include "toolkit/Errors.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ValidatedEdit.h"

#include <QComboBox>

namespace teklifo {

void TForm1::BtnCevirClick() {
    m_frmCevir->exec();
}

void TForm1::Button2Click() {
    m_frmPrintAyar->exec();
}

void TForm1::Button3Click() {
    m_frmHakkinda->exec();
}

void TForm1::Button5Click() {
    TFrmPrint* page = m_frmPrint;
    // The page still on its way to the printer keeps its texts: this press is refused.
    if (page->isPrinting()) return;

    const CompanyInfo company = m_frmPrintAyar->companyInfo();
    page->LabelF()->setText(company.name);
    page->LabelFN(1)->setText(company.name);
    page->LabelFN(2)->setText(company.address);
    page->LabelFN(3)->setText(company.telephone);
    page->LabelFN(4)->setText(company.taxOffice);
    page->LabelFN(5)->setText(company.taxNumber);
    page->LabelYetkili()->setText(company.representative);

    // A row counts as chosen while its cancel button is enabled, as the idle pass left it.
    for (const PartCategory& c : Categories)
        page->LabelN(c.position)
            ->setText(Btn(c.position)->isEnabled() ? ComboBox(c.position)->currentText()
                                                   : QStringLiteral("-"));

    page->LabelToplam()->setText(Edit1->text());
    page->LabelToplam2()->setText(Edit3->text());
    page->LabelToplam3()->setText(EditCevir->text());

    for (const PartCategory& c : Categories)
        page->LabelN_(c.position)->setText(DBEditN(c.position)->text());

    // Without a printer the request would vanish without a word.
    if (!TFrmPrint::hasPrinter()) {
        messageDlg(QStringLiteral("Varsayılan yazıcı bulunamadı."), DialogType::Warning, Ok);
        return;
    }
    if (!page->printPage()) throw Error(QStringLiteral("Sayfa yazıcıya gönderilemedi"));
}

} // namespace teklifo
