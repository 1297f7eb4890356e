#include "app/Unit1.h"

#include "catalogue/Connection.h"
#include "catalogue/DBEdit.h"
#include "catalogue/DataSource.h"
#include "catalogue/Query.h"
#include "toolkit/Application.h"
#include "toolkit/Collation.h"
#include "toolkit/Controls.h"
#include "toolkit/Glyphs.h"
#include "toolkit/Guard.h"
#include "toolkit/Selector.h"
#include "toolkit/UpDown.h"
#include "toolkit/ValidatedEdit.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace teklifo {

static QString text16(const char16_t* s) { return QString::fromUtf16(s); }

static QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

static void paintGreyText(QLabel* label) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, clGray);
    label->setPalette(pal);
}

TForm1::TForm1(QWidget* parent) : QWidget(parent), m_connection(std::make_unique<Connection>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Teklifo 2.7"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());
    setFixedSize(706 + 20, 465 + 20);

    for (const PartCategory& c : Categories) {
        auto* query = new Query(m_connection.get(), this);
        query->setObjectName(QStringLiteral("Tablo%1").arg(c.position));
        query->setTableName(QString::fromLatin1(c.table));
        m_tablo[c.position - 1] = query;
        auto* source = new DataSource(this);
        source->setObjectName(QStringLiteral("DataSource%1").arg(c.position));
        source->setDataSet(query);
        m_dataSource[c.position - 1] = source;
    }

    Panel1 = new FramePanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    place(Panel1, 10, 10, 706, 465);
    Panel2 = new FramePanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    place(Panel2, 10, 10, 706, 465);
    Panel2->hide();

    buildQuotationPanel();
    buildTotalsBox();
    buildConversionBox();
    buildCommandBox();
    buildWorkingPanel();
    buildEditorPanel();
    setTabOrder();

    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
    // Queries close before the connection goes.
    for (Query* q : m_tablo)
        delete q;
    m_tablo.fill(nullptr);
}

void TForm1::setDialogs(TFrmCevir* cevir, TFrmHakkinda* hakkinda, TFrmPrint* print, TFrmPrintAyar* printAyar,
                        TFrmVeriSil* veriSil) {
    m_frmCevir = cevir;
    m_frmHakkinda = hakkinda;
    m_frmPrint = print;
    m_frmPrintAyar = printAyar;
    m_frmVeriSil = veriSil;
}

void TForm1::buildQuotationPanel() {
    for (const PartCategory& c : Categories) {
        const int i = c.position - 1;
        const int top = c.rowTop();

        auto* label = makeLabel(Panel1, QString::fromLatin1(c.labelName), text16(c.rowLabel));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Long captions reach further left; they all end at the selector.
        place(label, 2, top, 94 - 2, 21);
        m_rowLabel[i] = label;

        auto* combo = new Selector(Panel1);
        combo->setObjectName(QStringLiteral("ComboBox%1").arg(c.position));
        combo->setMaxVisibleItems(8);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        // Long lists: every row has the same height, so the view need not measure them all.
        if (auto* view = qobject_cast<QListView*>(combo->view()))
            view->setUniformItemSizes(true);
        combo->setCurrentIndex(-1);
        combo->setEditText(text16(c.placeholder));
        place(combo, 96, top, 377, 21);
        setFieldColor(combo, clSilver);
        m_comboBox[i] = combo;

        auto* price = new DBEdit(Panel1);
        price->setObjectName(QStringLiteral("DBEdit%1").arg(c.position));
        price->setReadOnly(true);
        price->setEnabled(false);
        price->setAlignment(Qt::AlignRight);
        price->setFrame(false);
        {
            // A disabled field still shows its price legibly.
            QPalette pal = price->palette();
            pal.setColor(QPalette::Disabled, QPalette::Text, clGray);
            price->setPalette(pal);
        }
        price->setDataSource(m_dataSource[i]);
        price->setDataField(QStringLiteral("FIYAT"));
        place(price, 476, top + 1, 41, 19);
        setFieldColor(price, clSilver);
        m_dbEdit[i] = price;

        auto* cancel = new FlatButton(QString(), Panel1);
        cancel->setObjectName(QStringLiteral("Btn%1").arg(c.position));
        cancel->setFramed(false);
        cancel->setToolButtonStyle(Qt::ToolButtonIconOnly);
        cancel->setIcon(QIcon(undoGlyph()));
        cancel->setIconSize(QSize(16, 16));
        cancel->setToolTip(QStringLiteral("İptal Et "));
        cancel->setEnabled(false);
        place(cancel, 518, top + 1, 19, 19);
        m_btn[i] = cancel;

        const int position = c.position;
        connect(combo, &Selector::picked, this, [this, position] {
            guarded([&] {
                ComboBoxClick(position);
                ComboBox1Change();
            });
        });
        connect(combo, &Selector::edited, this, [this] { guarded([this] { ComboBox1Change(); }); });
        connect(cancel, &QToolButton::clicked, this, [this, position] { guarded([&] { BtnClick(position); }); });
    }
}

// A dollar total: whole dollars with grouping and " $", read-only, right-aligned.
static ValidatedEdit* makeTotalField(QWidget* parent, const QString& name, int top) {
    auto* edit = new ValidatedEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(ValidatedEdit::DisplayFormat::Percent);
    edit->setDisplaySuffix(QStringLiteral(" $"));
    edit->setDecimalPlaces(0);
    edit->setFieldText(QStringLiteral("0 $"));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    place(edit, 16, top, 117, 21);
    return edit;
}

void TForm1::buildTotalsBox() {
    Panels2 = new FramePanel(Panel1);
    Panels2->setObjectName(QStringLiteral("Panels2"));
    place(Panels2, 538, 16, 151, 129);

    Label21 = makeLabel(Panels2, QStringLiteral("Label21"), QStringLiteral("Toplam (KDV Hariç)"));
    place(Label21, 16, 8, 117, 13);
    Edit1 = makeTotalField(Panels2, QStringLiteral("Edit1"), 24);

    Label23 = makeLabel(Panels2, QStringLiteral("Label23"), QStringLiteral("Toplam (KDV Dahil)"));
    place(Label23, 16, 52, 117, 13);
    Edit3 = makeTotalField(Panels2, QStringLiteral("Edit3"), 68);

    Label22 = makeLabel(Panels2, QStringLiteral("Label22"), QStringLiteral("Kdv :"));
    place(Label22, 16, 100, 30, 13);
    Edit2 = new ValidatedEdit(Panels2);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setDisplayFormat(ValidatedEdit::DisplayFormat::Custom);
    Edit2->setFieldText(QStringLiteral("18"));
    Edit2->setReadOnly(true);
    Edit2->setAlignment(Qt::AlignCenter);
    place(Edit2, 48, 96, 25, 21);
    {
        // The rate field sits on the panel's own colour.
        QPalette pal = Edit2->palette();
        pal.setColor(QPalette::Base, palette().color(QPalette::Button));
        Edit2->setPalette(pal);
    }
    UpDown1 = new UpDown(Panels2);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(0, 30);
    UpDown1->setAssociate(Edit2);
    UpDown1->setPosition(18);
    place(UpDown1, 73, 96, 15, 21);
    connect(UpDown1, &UpDown::clicked, this, [this] { guarded([this] { UpDown1Click(); }); });

    for (QLabel* l : {Label21, Label22, Label23})
        paintGreyText(l);
    setFieldColor(Edit1, clSilver);
    setFieldColor(Edit3, clSilver);
}

void TForm1::buildConversionBox() {
    Panel3 = new FramePanel(Panel1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    place(Panel3, 538, 160, 151, 89);

    BtnCevir = new FlatButton(QStringLiteral("Çevir [TL / YTL]"), Panel3);
    BtnCevir->setObjectName(QStringLiteral("BtnCevir"));
    BtnCevir->setEnabled(false);
    place(BtnCevir, 16, 16, 117, 22);
    connect(BtnCevir, &QToolButton::clicked, this, [this] { guarded([this] { BtnCevirClick(); }); });

    EditCevir = new ValidatedEdit(Panel3);
    EditCevir->setObjectName(QStringLiteral("EditCevir"));
    EditCevir->setDisplayFormat(ValidatedEdit::DisplayFormat::Percent);
    EditCevir->setDecimalPlaces(0);
    EditCevir->setFieldText(QStringLiteral("0"));
    EditCevir->setReadOnly(true);
    EditCevir->setAlignment(Qt::AlignRight);
    place(EditCevir, 16, 48, 117, 21);
    setFieldColor(EditCevir, clSilver);
}

void TForm1::buildCommandBox() {
    Panel4 = new FramePanel(Panel1);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    place(Panel4, 538, 264, 151, 185);

    struct Command {
        FlatButton*& button;
        const char* name;
        const char16_t* caption;
        int top;
        void (TForm1::*handler)();
    };
    const Command commands[] = {
        {Button1, "Button1", u"Veri Girişi", 16, &TForm1::Button1Click},
        {Button2, "Button2", u"Firma Bilgileri", 48, &TForm1::Button2Click},
        {Button5, "Button5", u"Sistemi Yazdır", 80, &TForm1::Button5Click},
        {Button3, "Button3", u"Hakkında", 112, &TForm1::Button3Click},
        {Button4, "Button4", u"Çıkış", 144, &TForm1::Button4Click},
    };
    for (const Command& c : commands) {
        c.button = new FlatButton(text16(c.caption), Panel4);
        c.button->setObjectName(QString::fromLatin1(c.name));
        place(c.button, 16, c.top, 117, 22);
        const auto handler = c.handler;
        connect(c.button, &QToolButton::clicked, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
    }
}

// A VAT or conversion base. It takes only letters, digits and a leading minus, which the
// totals code filters itself, so the field keeps the text as it is put in.
static ValidatedEdit* makeBaseField(QWidget* parent, const QString& name, int top) {
    auto* edit = new ValidatedEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(ValidatedEdit::DisplayFormat::Custom);
    edit->setFieldText(QStringLiteral("0"));
    place(edit, 0, top, 81, 21);
    return edit;
}

void TForm1::buildWorkingPanel() {
    GezenPanel = new QWidget(Panel1);
    GezenPanel->setObjectName(QStringLiteral("GezenPanel"));
    place(GezenPanel, 0, 136, 81, 153);
    GezenPanel->hide();

    BtnHesap = new QPushButton(QStringLiteral("Hesapla"), GezenPanel);
    BtnHesap->setObjectName(QStringLiteral("BtnHesap"));
    place(BtnHesap, 0, 0, 81, 25);
    Edit10 = makeBaseField(GezenPanel, QStringLiteral("Edit10"), 32);
    BtnHesap2 = new QPushButton(QStringLiteral("Hesap-Kdv"), GezenPanel);
    BtnHesap2->setObjectName(QStringLiteral("BtnHesap2"));
    place(BtnHesap2, 0, 60, 81, 25);
    Label25 = makeLabel(GezenPanel, QStringLiteral("Label25"), QStringLiteral("Çeviri İçin"));
    place(Label25, 0, 96, 81, 13);
    Edit11 = makeBaseField(GezenPanel, QStringLiteral("Edit11"), 116);

    connect(BtnHesap, &QPushButton::clicked, this, [this] { guarded([this] { BtnHesapClick(); }); });
    connect(BtnHesap2, &QPushButton::clicked, this, [this] { guarded([this] { BtnHesap2Click(); }); });
    connect(Edit10, &ValidatedEdit::valueChanged, this, &TForm1::Edit10Change);
}

void TForm1::setTabOrder() {
    QWidget* previous = nullptr;
    auto chain = [&](QWidget* w) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (int position : SelectorTabOrder)
        chain(m_comboBox[position - 1]);
    chain(EditCevir);
    chain(Edit1);
    chain(Edit3);
    chain(Edit2);
}

// --- start-up

void TForm1::FormCreate() {
    for (Query* query : m_tablo)
        query->open();
    FillComboBoxes();
    for (DBEdit* edit : m_dbEdit)
        edit->setText(QStringLiteral("0"));
    if (DBEdit20)
        DBEdit20->setText(QStringLiteral("0"));
    if (DBEdit21)
        DBEdit21->setText(QStringLiteral("0"));
    ResetTotals(ResetKind::StartUp);
}

void TForm1::FillComboBoxes() {
    for (const PartCategory& c : Categories) {
        QComboBox* combo = m_comboBox[c.position - 1];
        QStringList texts = m_tablo[c.position - 1]->readToEnd(QStringLiteral("PARCA"));
        auto* model = qobject_cast<QStringListModel*>(combo->model());
        // Entries already listed stay; the list is always in alphabetical order.
        const QString text = combo->currentText();
        const QSignalBlocker block(combo);
        model->setStringList(sortedTurkish(model->stringList() + texts));
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

void TForm1::FormShow() {
    if (auto* app = Application::instance())
        app->setIdleHandler([this] { UpdateControlStates(); });
    LoadNavigatorGlyphs();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        guarded([this] { FormShow(); });
    }
}

// Records typed into but not posted are kept before the program ends; a refused post keeps the
// program open with that record still pending.
void TForm1::closeEvent(QCloseEvent* event) {
    if (!guarded([this] { PostPendingRecords(); })) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TForm1::Button4Click() { close(); }

} // namespace teklifo
