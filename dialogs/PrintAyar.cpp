#include "dialogs/PrintAyar.h"

#include "toolkit/Controls.h"
#include "toolkit/Guard.h"
#include "toolkit/IniFile.h"
#include "toolkit/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace teklifo {

namespace {

const QString kSection = QStringLiteral("Firma Bilgileri");

struct Field {
    const char16_t* caption;
    const char16_t* key;
    const char16_t* preset;
    int width;
};

// One row per field, top to bottom; the keys are spelled as the file has always had them.
constexpr Field kFields[TFrmPrintAyar::FieldCount] = {
    {u"Firma Adı :", u"F.Adı", u"Ornek Bilgisayar", 257},
    {u"Firma Adresi :", u"F.Adresi", u"Deneme Mah. 1323 Sok. No 15 Muratpaşa / ANTALYA", 257},
    {u"Firma Telefonu :", u"F.Tel.", u"242 - 222 22 22", 121},
    {u"Firma V. Dairesi :", u"F.Vergi D.", u"Muratpaşa Vergi D.", 257},
    {u"Vergi No :", u"F.Vergi No", u"12345678901", 121},
    {u"Firma Yetkilisi :", u"F.Yetkilisi", u"Deniz Yılmaz", 121},
};

constexpr int kEditLeft = 104;
constexpr int kCaptionRight = 97;
constexpr int kFirstTop = 40;
constexpr int kRowPitch = 24;

QString text16(const char16_t* text) {
    return QString::fromUtf16(text);
}

QString& companyFileOverride() {
    static QString path;
    return path;
}

FlatButton* framedButton(QWidget* parent, const QString& name, const QString& caption, int top) {
    auto* button = new FlatButton(caption, parent);
    button->setObjectName(name);
    place(button, 240, top, 121, 22);
    return button;
}

} // namespace

QString CompanyFileName() {
    if (!companyFileOverride().isEmpty()) return companyFileOverride();
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/PcFirma.ssd"));
}

void setCompanyFileName(const QString& path) {
    companyFileOverride() = path;
}

TFrmPrintAyar::TFrmPrintAyar(QWidget* parent)
    : FixedDialog(QStringLiteral("FrmPrintAyar"), QStringLiteral("FrmPrintAyar"), 389, 214, 6, parent) {
    for (int i = 0; i < FieldCount; ++i) {
        const Field& field = kFields[i];
        const int top = kFirstTop + kRowPitch * i;
        const QString number = QString::number(i + 1);

        auto* edit = new QLineEdit(text16(field.preset), client());
        edit->setObjectName(QStringLiteral("Edit") + number);
        place(edit, kEditLeft, top, field.width, 21);
        setFieldColor(edit, clSilver);
        m_edit[i] = edit;

        auto* label = new QLabel(text16(field.caption), client());
        label->setObjectName(QStringLiteral("Label") + number);
        label->adjustSize();
        label->move(kCaptionRight - label->width(), top + 2);
        m_label[i] = label;
    }
    for (int i = 1; i < FieldCount; ++i)
        setTabOrder(m_edit[i - 1], m_edit[i]);

    SpeedButton2 =
        framedButton(client(), QStringLiteral("SpeedButton2"), QStringLiteral("Tümünü Temizle"), 136);
    SpeedButton1 =
        framedButton(client(), QStringLiteral("SpeedButton1"), QStringLiteral("Tamam / Kaydet"), 160);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton2Click(); }); });

    m_edit[0]->setFocus();
    FormCreate();
}

CompanyInfo TFrmPrintAyar::companyInfo() const {
    return {m_edit[0]->text(), m_edit[1]->text(), m_edit[2]->text(),
            m_edit[3]->text(), m_edit[4]->text(), m_edit[5]->text()};
}

void TFrmPrintAyar::FormCreate() {
    LoadCompanyInfo();
}

void TFrmPrintAyar::LoadCompanyInfo() {
    const IniFile file(CompanyFileName());
    for (int i = 0; i < FieldCount; ++i)
        m_edit[i]->setText(file.readString(kSection, text16(kFields[i].key), m_edit[i]->text()));
}

void TFrmPrintAyar::SaveCompanyInfo() {
    IniFile file(CompanyFileName());
    QList<QPair<QString, QString>> values;
    for (int i = 0; i < FieldCount; ++i)
        values.append({text16(kFields[i].key), m_edit[i]->text()});
    // All six keys or none: a half-written file would mix old and new details.
    file.writeStrings(kSection, values);
}

void TFrmPrintAyar::SpeedButton1Click() {
    close();
}

void TFrmPrintAyar::SpeedButton2Click() {
    const bool allEmpty = std::all_of(m_edit.begin(), m_edit.end(),
                                      [](const QLineEdit* edit) { return edit->text().isEmpty(); });
    if (allEmpty) {
        messageDlg(QStringLiteral("Temizlenmesi gereken alan yok !"), DialogType::Information, Ok);
        return;
    }
    for (QLineEdit* edit : m_edit)
        edit->clear();
}

void TFrmPrintAyar::done(int result) {
    // A folder that can never be written to must not keep the user in this modal dialog: after the
    // error the user may close without saving; the typed details still serve this run.
    if (!guarded([this] { SaveCompanyInfo(); }) &&
        messageDlg(QStringLiteral("Firma bilgileri kaydedilemedi. Kaydetmeden kapatılsın mı?"),
                   DialogType::Confirmation, Yes | No) != Yes)
        return;
    FixedDialog::done(result);
}

} // namespace teklifo
