#include "catalogue/UnitVeriSil.h"

#include "catalogue/Query.h"
#include "toolkit/Controls.h"
#include "toolkit/Glyphs.h"
#include "toolkit/Guard.h"
#include "toolkit/MessageBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QStyleOptionProgressBar>

namespace teklifo {

namespace {

struct CategoryTexts {
    const char16_t* caption;  // of the check box
    const char16_t* progress; // shown while the category is emptied
};

// Written separately from the captions: "Ana Kart" / "Anakart", "Hdd" / "HDD".
const std::array<CategoryTexts, 19> categoryTexts = {{
    {u"İşlemci Kayıtları", u"İşlemci kayıtları siliniyor..."},
    {u"Ana Kart Kayıtları", u"Anakart kayıtları siliniyor..."},
    {u"Ram Kayıtları", u"Ram kayıtları siliniyor..."},
    {u"Ekran Kartı Kayıtları", u"Ekran Kartı kayıtları siliniyor..."},
    {u"Floppy Kayıtları", u"Floppy kayıtları siliniyor..."},
    {u"Hdd Kayıtları", u"HDD kayıtları siliniyor..."},
    {u"Monitör Kayıtları", u"Monitör kayıtları siliniyor..."},
    {u"Kasa Kayıtları", u"Kasa kayıtları siliniyor..."},
    {u"Cd-Cdrw-Dvdrw Kayıtları", u"Cd-Cdrw-Dvdrw kayıtları siliniyor..."},
    {u"Klavye-Mouse Kayıtları", u"Klavye-Mouse kayıtları siliniyor..."},
    {u"Fax Modem Kayıtları", u"Fax Modem kayıtları siliniyor..."},
    {u"Tv-Radyo Kartı Kayıtları", u"Tv-Radyo Kartı kayıtları siliniyor..."},
    {u"Speaker Kayıtları", u"Speaker kayıtları siliniyor..."},
    {u"Ses Kartı Kayıtları", u"Ses Kartı kayıtları siliniyor..."},
    {u"Yazılım Kayıtları", u"Yazılım kayıtları siliniyor..."},
    {u"Yazıcı Kayıtları", u"Yazıcı kayıtları siliniyor..."},
    {u"Tarayıcı Kayıtları", u"Tarayıcı kayıtları siliniyor..."},
    {u"Kamera Kayıtları", u"Kamera kayıtları siliniyor..."},
    {u"Güç Kaynağı Kayıtları", u"Güç Kaynağı kayıtları siliniyor..."},
}};

const QColor clMaroon(128, 0, 0);

// The controls bound to a query being emptied are brought up to date once, when its run ends or
// stops, rather than after every deleted record.
class QuietControls {
public:
    explicit QuietControls(Query* query) : m_query(query) { m_query->disableControls(); }
    ~QuietControls() { m_query->enableControls(); }
    QuietControls(const QuietControls&) = delete;
    QuietControls& operator=(const QuietControls&) = delete;

private:
    Query* m_query;
};

// An empty category gives the bar a maximum of 0; it is drawn empty rather than as a "busy"
// animation.
class ProgressBar : public QProgressBar {
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (maximum() != minimum()) {
            QProgressBar::paintEvent(event);
            return;
        }
        QPainter p(this);
        QStyleOptionProgressBar option;
        initStyleOption(&option);
        option.minimum = 0;
        option.maximum = 1;
        option.progress = 0;
        style()->drawControl(QStyle::CE_ProgressBar, &option, &p, this);
    }
};

} // namespace

TFrmVeriSil::TFrmVeriSil(std::array<Query*, 19> queries, QWidget* parent)
    : FixedDialog(QStringLiteral("FrmVeriSil"), QStringLiteral("Veri Sil"), 278, 401, 6, parent),
      m_queries(queries) {
    QWidget* area = client();

    GroupBox1 = new QGroupBox(QStringLiteral(" Silinecek Kayıtları Seçin "), area);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    place(GroupBox1, 16, 8, 161, 337);
    for (int i = 0; i < 19; ++i) {
        auto* box = new QCheckBox(QString::fromUtf16(categoryTexts[i].caption), GroupBox1);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        // Worked with the mouse: out of the Tab key's cycle.
        box->setFocusPolicy(Qt::ClickFocus);
        place(box, 16, 24 + 16 * i, 137, 17);
        m_checkBox[i] = box;
    }

    struct Command {
        FlatButton*& button;
        const char* name;
        const char16_t* caption;
        int top;
        void (TFrmVeriSil::*handler)();
    };
    const Command commands[] = {
        {SpeedButton1, "SpeedButton1", u"Tümünü Seç", 256, &TFrmVeriSil::SpeedButton1Click},
        {BtnSil, "BtnSil", u"Kayıt Sil", 288, &TFrmVeriSil::BtnSilClick},
        {BtnKapat, "BtnKapat", u"Kapat", 320, &TFrmVeriSil::BtnKapatClick},
    };
    for (const Command& c : commands) {
        c.button = new FlatButton(QString::fromUtf16(c.caption), area);
        c.button->setObjectName(QString::fromLatin1(c.name));
        place(c.button, 184, c.top, 81, 22);
        const auto handler = c.handler;
        connect(c.button, &QToolButton::clicked, this,
                [this, handler] { guarded([&] { (this->*handler)(); }); });
    }
    BtnSil->setIcon(QIcon(crossedDocumentGlyph()));
    BtnSil->setIconSize(QSize(16, 16));

    Label1 = new QLabel(area);
    Label1->setObjectName(QStringLiteral("Label1"));
    {
        QPalette pal = Label1->palette();
        pal.setColor(QPalette::WindowText, clMaroon);
        Label1->setPalette(pal);
    }
    Label1->move(16, 352);
    Label1->adjustSize();

    ProgressBar1 = new ProgressBar(area);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    place(ProgressBar1, 16, 368, 249, 16);
}

void TFrmVeriSil::SpeedButton1Click() {
    for (QCheckBox* box : m_checkBox)
        box->setChecked(true);
}

// The label is redrawn at once, over the place of a longer text before it: the run takes no
// events until it ends. The bar redraws itself whenever its filled part grows by a pixel.
void TFrmVeriSil::setStatus(const QString& text) {
    const QRect before = Label1->geometry();
    Label1->setText(text);
    Label1->adjustSize();
    Label1->parentWidget()->repaint(before.united(Label1->geometry()));
}

void TFrmVeriSil::BtnSilClick() {
    if (std::none_of(m_checkBox.begin(), m_checkBox.end(), [](QCheckBox* box) { return box->isChecked(); }))
        return;
    if (messageDlg(QStringLiteral("Bu işlem seçili verileri kalici olarak silecek. Emin misiniz ?"),
                   DialogType::Warning, Yes | No) != Yes)
        return;
    for (int i = 0; i < 19; ++i) {
        if (!m_checkBox[i]->isChecked()) continue;
        Query* query = m_queries[i];
        query->first();
        setStatus(QString::fromUtf16(categoryTexts[i].progress));
        ProgressBar1->setMaximum(query->recordCount());
        ProgressBar1->setValue(0);
        const QuietControls quiet(query);
        while (!query->eof()) {
            query->deleteRecord();
            ProgressBar1->setValue(ProgressBar1->value() + 1);
        }
    }
    setStatus(QStringLiteral("Silme İşlemi Tamamlandı ..."));
    ProgressBar1->setValue(0);
}

void TFrmVeriSil::BtnKapatClick() {
    close();
}

void TFrmVeriSil::FormClose() {
    for (QCheckBox* box : m_checkBox)
        box->setChecked(false);
}

void TFrmVeriSil::done(int result) {
    FormClose();
    FixedDialog::done(result);
}

} // namespace teklifo
