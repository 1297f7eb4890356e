// The catalogue editor panel: the category chooser, the navigator, the two edit fields and the
// grid, all bound to the chosen category's data source; "Pc Hazırla" and "Veri Sil".
#include "app/Unit1.h"

#include "catalogue/DBEdit.h"
#include "catalogue/DBGrid.h"
#include "catalogue/DBNavigator.h"
#include "catalogue/DataSource.h"
#include "catalogue/Query.h"
#include "catalogue/UnitVeriSil.h"
#include "toolkit/Controls.h"
#include "toolkit/Glyphs.h"
#include "toolkit/Guard.h"
#include "toolkit/RadioGroup.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace teklifo {

namespace {

// The model count caption of each category, by position; each is followed by the count.
const std::array<const char16_t*, CategoryCount> modelCountCaptions = {
    u"İşlemci Modeli Adedi: ",      u"Anakart Modeli Adedi: ",   u"Ram Modeli Adedi: ",
    u"Ekran Kartı Modeli Adedi: ",  u"Floppy Modeli Adedi: ",    u"HDD Modeli Adedi: ",
    u"Monitör Modeli Adedi: ",      u"Kasa Modeli Adedi: ",      u"Cd-Cdrw-Dvdrw Modeli Adedi: ",
    u"Klavye-Mouse Modeli Adedi: ", u"Fax Modem Modeli Adedi: ", u"Tv-Radyo Kartı Modeli Adedi: ",
    u"Speaker Modeli Adedi: ",      u"Ses Kartı Modeli Adedi: ", u"Yazılım Modeli Adedi: ",
    u"Yazıcı Modeli Adedi: ",       u"Tarayıcı Modeli Adedi: ",  u"Kamera Modeli Adedi: ",
    u"Güç Kaynağı Modeli Adedi: ",
};

// The navigator's picture files, in button order, relative to the current directory; the
// refresh button has none.
const std::array<const char*, DBNavigator::ButtonCount> navigatorPictures = {
    "Btn/first.bmp",  "Btn/previous.bmp", "Btn/Next.bmp", "Btn/Last.bmp",   "Btn/Insert.bmp",
    "Btn/Delete.bmp", "Btn/Edit.bmp",     "Btn/Post.bmp", "Btn/Cancel.bmp", nullptr,
};

// The system's 3-D dark shadow colour: a dark grey under which silver text stays readable.
const QColor cl3DDkShadow(64, 64, 64);

QLabel* editorLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->adjustSize();
    label->move(left, top);
    return label;
}

} // namespace

void TForm1::buildEditorPanel() {
    RadioGroup1 = new RadioGroup(QStringLiteral(" Marka / Model Seç "), Panel2);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    place(RadioGroup1, 24, 24, 657, 105);
    QStringList names;
    for (const PartCategory& c : Categories)
        names << QString::fromUtf16(c.name);
    RadioGroup1->setColumns(5);
    RadioGroup1->setItems(names);
    RadioGroup1->setItemIndex(0);
    connect(RadioGroup1, &RadioGroup::clicked, this, [this] { guarded([this] { RadioGroup1Click(); }); });

    BitBtn1 = new FlatButton(QStringLiteral("Pc Hazırla"), Panel2);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(QIcon(backArrowGlyph()));
    BitBtn1->setIconSize(QSize(16, 16));
    place(BitBtn1, 24, 159, 97, 22);
    connect(BitBtn1, &QToolButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });

    SpeedButton1 = new FlatButton(QStringLiteral("Veri Sil"), Panel2);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(QIcon(crossedDocumentGlyph()));
    SpeedButton1->setIconSize(QSize(16, 16));
    place(SpeedButton1, 128, 159, 97, 22);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton1Click(); }); });

    Panel5 = new FramePanel(Panel2);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    place(Panel5, 24, 186, 201, 17);
    Label1 = new QLabel(QStringLiteral("....."), Panel5);
    Label1->setObjectName(QStringLiteral("Label1"));
    place(Label1, 6, 2, 201 - 7, 13);
    {
        QPalette pal = Label1->palette();
        pal.setColor(QPalette::WindowText, clGray);
        Label1->setPalette(pal);
    }

    Label24 = editorLabel(Panel2, "Label24", QStringLiteral("Parça Adı :"), 240, 163);
    DBEdit20 = new DBEdit(Panel2);
    DBEdit20->setObjectName(QStringLiteral("DBEdit20"));
    DBEdit20->setDataSource(DataSourceN(1));
    DBEdit20->setDataField(QStringLiteral("PARCA"));
    place(DBEdit20, 296, 160, 385, 21);
    setFieldColor(DBEdit20, clSilver);

    Label20 = editorLabel(Panel2, "Label20", QStringLiteral("Fiyatı ($) :"), 247, 187);
    DBEdit21 = new DBEdit(Panel2);
    DBEdit21->setObjectName(QStringLiteral("DBEdit21"));
    DBEdit21->setDataSource(DataSourceN(1));
    DBEdit21->setDataField(QStringLiteral("FIYAT"));
    place(DBEdit21, 296, 184, 65, 21);
    setFieldColor(DBEdit21, clSilver);
    Label27 = editorLabel(Panel2, "Label27", QStringLiteral("$"), 362, 187);
    Label27->setEnabled(false);

    DBNavigator1 = new DBNavigator(Panel2);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setButtonVisible(DBNavigator::Refresh, false);
    DBNavigator1->setDataSource(DataSourceN(1));
    place(DBNavigator1, 384, 182, 297, 25);

    DBGrid1 = new TSrDBGrid(Panel2);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setColor(QColor(225, 225, 225));
    DBGrid1->setColorAlternative(QColor(214, 214, 214));
    DBGrid1->setColorSelect(cl3DDkShadow);
    DBGrid1->setColorSelectText(clSilver);
    DBGrid1->setMoveByRows(1);
    DBGrid1->setColumns({{QStringLiteral("PARCA"), QStringLiteral(" Ürün Marka / Modeli"), 550},
                         {QStringLiteral("FIYAT"), QStringLiteral(" Tutarı ($)"), 83}});
    DBGrid1->setDataSource(DataSourceN(1));
    place(DBGrid1, 24, 208, 657, 241);

    QWidget::setTabOrder(RadioGroup1->button(RadioGroup1->count() - 1), DBEdit20);
    QWidget::setTabOrder(DBEdit20, DBEdit21);
    QWidget::setTabOrder(DBEdit21, DBGrid1);
}

void TForm1::Button1Click() {
    Panel1->hide();
    Panel2->show();
    Label1->setText(QStringLiteral("İşlemci Modeli Sayısı: ") + QString::number(Tablo(1)->recordCount()));
}

void TForm1::RadioGroup1Click() {
    const int index = RadioGroup1->itemIndex();
    if (index < 0 || index >= CategoryCount) return;
    const int position = index + 1;
    DataSource* source = DataSourceN(position);
    DBGrid1->setDataSource(source);
    DBNavigator1->setDataSource(source);
    DBEdit20->setDataSource(source);
    DBEdit21->setDataSource(source);
    Label1->setText(QString::fromUtf16(modelCountCaptions[index]) +
                    QString::number(Tablo(position)->recordCount()));
}

void TForm1::PostPendingRecords() {
    for (Query* query : m_tablo)
        query->checkBrowseMode();
}

void TForm1::BitBtn1Click() {
    // A record typed into but not posted is kept, as a move would keep it; a refused post stops
    // here with the editor still open.
    PostPendingRecords();

    Panel2->hide();
    Panel1->show();
    for (Query* query : m_tablo)
        query->close();
    for (const PartCategory& c : Categories) {
        QComboBox* combo = ComboBox(c.position);
        const QSignalBlocker block(combo);
        combo->clear();
    }
    for (Query* query : m_tablo)
        query->open();
    FillComboBoxes();
    for (const PartCategory& c : Categories)
        DBEditN(c.position)->setText(QStringLiteral("0"));
    DBEdit20->setText(QStringLiteral("0"));
    DBEdit21->setText(QStringLiteral("0"));
    ResetTotals(ResetKind::ReturnFromEditor);
    for (const PartCategory& c : Categories) {
        QComboBox* combo = ComboBox(c.position);
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(-1);
        combo->setEditText(QString::fromUtf16(c.placeholder));
    }
}

void TForm1::SpeedButton1Click() {
    m_frmVeriSil->exec();
}

void TForm1::LoadNavigatorGlyphs() {
    // One bitmap serves every button in turn; the refresh button loads nothing and takes a copy
    // of what the bitmap holds.
    QImage bitmap;
    for (int b = 0; b < DBNavigator::ButtonCount; ++b) {
        if (navigatorPictures[b]) bitmap = loadBitmapFile(QString::fromLatin1(navigatorPictures[b]));
        DBNavigator1->setGlyph(DBNavigator::Button(b), bitmap);
    }
}

} // namespace teklifo
