#include "dialogs/cevir.h"

#include "toolkit/Controls.h"
#include "toolkit/Guard.h"
#include "toolkit/MessageBox.h"
#include "toolkit/NumberText.h"
#include "toolkit/ValidatedEdit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace teklifo {

static QFrame* sunkenPanel(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    place(panel, left, top, width, height);
    return panel;
}

static QLineEdit* rateEdit(QWidget* parent, const QString& name, const QString& text, int top) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    place(edit, 48, top, 135, 21);
    setFieldColor(edit, clSilver);
    return edit;
}

TFrmCevir::TFrmCevir(ValidatedEdit* base, ValidatedEdit* result, QWidget* parent)
    : FixedDialog(QStringLiteral("FrmCevir"), QStringLiteral("Kur Girişi"), 315, 174, 10, parent),
      m_base(base), m_result(result) {
    setScreenPosition(QPoint(386, 204));

    QFrame* rates = sunkenPanel(client(), QStringLiteral("Panel1"), 26, 16, 263, 69);
    auto* dollar1 = new QLabel(QStringLiteral("1 $ ="), rates);
    place(dollar1, 12, 11, 32, 13);
    Edit1 = rateEdit(rates, QStringLiteral("Edit1"), QStringLiteral("1480000"), 8);
    auto* tl = new QLabel(QStringLiteral("TL"), rates);
    place(tl, 190, 11, 40, 13);
    auto* dollar2 = new QLabel(QStringLiteral("1 $ ="), rates);
    place(dollar2, 12, 40, 32, 13);
    Edit2 = rateEdit(rates, QStringLiteral("Edit2"), QStringLiteral("1,48"), 37);
    auto* ytl = new QLabel(QStringLiteral("YTL"), rates);
    place(ytl, 190, 40, 40, 13);

    QFrame* choice = sunkenPanel(client(), QStringLiteral("Panel2"), 26, 96, 263, 27);
    RBtn1 = new QRadioButton(QStringLiteral("TL ye çevir"), choice);
    RBtn1->setObjectName(QStringLiteral("RBtn1"));
    RBtn1->setChecked(true);
    place(RBtn1, 12, 5, 110, 17);
    RBtn2 = new QRadioButton(QStringLiteral("YTL ye çevir"), choice);
    RBtn2->setObjectName(QStringLiteral("RBtn2"));
    place(RBtn2, 140, 5, 110, 17);

    Button1 = new FlatButton(QStringLiteral("Çevir"), client());
    Button1->setObjectName(QStringLiteral("Button1"));
    place(Button1, 26, 134, 263, 25);
    connect(Button1, &QToolButton::clicked, this, &TFrmCevir::Button1Click);
}

void TFrmCevir::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    Edit1->setFocus();
}

void TFrmCevir::Button1Click() {
    guarded([this] {
        QLineEdit* rateField = RBtn1->isChecked() ? Edit1 : Edit2;
        long double rate = 0;
        // A rate that is not a number is said so, and the dialog stays open to correct it.
        if (!tryTextToNumber(rateField->text(), rate)) {
            messageDlg(QStringLiteral("'%1' geçerli bir sayı değil.").arg(rateField->text()),
                       DialogType::Error, Ok);
            rateField->setFocus();
            return;
        }
        // The base is the main window's digit string; should it ever not be one, nothing is converted.
        long double base = 0;
        if (tryTextToNumber(m_base->text(), base)) {
            m_result->setFieldText(numberToText(base * rate));
            if (RBtn1->isChecked()) {
                m_result->setDisplaySuffix(QStringLiteral("  TL"));
                m_result->setDecimalPlaces(0);
            } else {
                m_result->setDisplaySuffix(QStringLiteral("  YTL"));
                m_result->setDecimalPlaces(2);
            }
        }
        accept();
    });
}

} // namespace teklifo
