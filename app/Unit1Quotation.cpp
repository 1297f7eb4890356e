// The quotation panel's behaviour: picking and cancelling models, the idle refresh, the totals.
#include "app/Unit1.h"

#include "catalogue/DBEdit.h"
#include "catalogue/Query.h"
#include "toolkit/Controls.h"
#include "toolkit/NumberText.h"
#include "toolkit/UpDown.h"
#include "toolkit/ValidatedEdit.h"

#include <QComboBox>
#include <array>

namespace teklifo {

static const QString Zero = QStringLiteral("0");
static const QString ZeroDollar = QStringLiteral("0 $");

// Built once: the idle pass compares every selector with its placeholder and must not allocate.
static const QString& placeholderText(int position) {
    static const auto texts = [] {
        std::array<QString, CategoryCount> t;
        for (const PartCategory& c : Categories)
            t[c.position - 1] = QString::fromUtf16(c.placeholder);
        return t;
    }();
    return texts[position - 1];
}

// The VAT and conversion bases keep a shown total's letters and digits, and its leading minus:
// a negative total is taxed and converted as the negative amount it is.
static void putBase(ValidatedEdit* base, const QString& shownTotal) {
    const QString digits =
        ValidatedEdit::filterValue(shownTotal, ValidatedEdit::DisplayFormat::AlphaNumeric, QString());
    base->setFieldText(shownTotal.startsWith(u'-') ? u'-' + digits : digits);
}

void TForm1::ComboBoxClick(int position) {
    QComboBox* combo = ComboBox(position);
    const QString text = combo->currentIndex() >= 0 ? combo->itemText(combo->currentIndex()) : QString();
    Tablo(position)->locate(QStringLiteral("PARCA"), text);
}

void TForm1::ComboBox1Change() { UpdateTotals(); }

void TForm1::BtnClick(int position) {
    QComboBox* combo = ComboBox(position);
    combo->setCurrentIndex(-1);
    combo->setEditText(placeholderText(position));
    DBEditN(position)->setText(Zero);
    UpdateTotals();
}

void TForm1::UpdateControlStates() {
    for (const PartCategory& c : Categories)
        setEnabledIfChanged(Btn(c.position), DBEditN(c.position)->text() != Zero);
    for (const PartCategory& c : Categories)
        setFieldColor(DBEditN(c.position), DBEditN(c.position)->text() != Zero ? clWhite : clSilver);
    setFieldColor(EditCevir, EditCevir->text() != Zero ? clWhite : clSilver);
    for (const PartCategory& c : Categories)
        setFieldColor(ComboBox(c.position), ComboBox(c.position)->currentText() != placeholderText(c.position)
                                                ? clWhite
                                                : clSilver);
    setFieldColor(Edit1, Edit1->text() != ZeroDollar ? clWhite : clSilver);
    setFieldColor(Edit3, Edit3->text() != ZeroDollar ? clWhite : clSilver);
    if (Edit1->text() == ZeroDollar && Edit3->text() != ZeroDollar)
        Edit3->setFieldText(ZeroDollar);
    setEnabledIfChanged(BtnCevir, Edit3->text() != ZeroDollar);
}

void TForm1::BtnHesapClick() {
    long double sum = textToNumber(DBEditN(1)->text());
    for (int position = 2; position <= CategoryCount; ++position)
        sum += textToNumber(DBEditN(position)->text());
    Edit1->setFieldText(numberToText(sum));
}

void TForm1::BtnHesap2Click() {
    const long double base = textToNumber(Edit10->text());
    const long double rate = textToNumber(Edit2->text());
    const long double vat = (rate * base) / 100;
    Edit3->setFieldText(numberToText(base + vat));
}

void TForm1::Edit10Change() { BtnHesap2Click(); }

void TForm1::UpdateTotals() {
    BtnHesapClick();
    putBase(Edit10, Edit1->text());
    BtnHesap2Click();
    putBase(Edit11, Edit3->text());
    ClearConvertedTotal();
}

void TForm1::UpDown1Click() {
    BtnHesap2Click();
    putBase(Edit11, Edit3->text());
    ClearConvertedTotal();
}

void TForm1::ResetTotals(ResetKind kind) {
    Edit1->setFieldText(ZeroDollar);
    if (kind == ResetKind::StartUp)
        return;
    Edit3->setFieldText(ZeroDollar);
    putBase(Edit10, Edit1->text());
    putBase(Edit11, Edit3->text());
    ClearConvertedTotal();
}

void TForm1::ClearConvertedTotal() {
    EditCevir->setDisplaySuffix(QString());
    EditCevir->setDecimalPlaces(0);
    EditCevir->setFieldText(Zero);
}

} // namespace teklifo
