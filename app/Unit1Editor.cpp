// The catalogue editor panel.
#include "app/Unit1.h"

#include "catalogue/DBEdit.h"
#include "catalogue/DataSource.h"
#include "catalogue/Query.h"
#include "toolkit/Controls.h"

#include <QLabel>

namespace teklifo {

void TForm1::buildEditorPanel() {
    Panel5 = new FramePanel(Panel2);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    place(Panel5, 24, 186, 201, 17);
    Label1 = new QLabel(QStringLiteral("....."), Panel5);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(6, 2);

    Label24 = new QLabel(QStringLiteral("Parça Adı :"), Panel2);
    Label24->setObjectName(QStringLiteral("Label24"));
    Label24->move(240, 163);
    DBEdit20 = new DBEdit(Panel2);
    DBEdit20->setObjectName(QStringLiteral("DBEdit20"));
    DBEdit20->setDataSource(DataSourceN(1));
    DBEdit20->setDataField(QStringLiteral("PARCA"));
    place(DBEdit20, 296, 160, 385, 21);
    setFieldColor(DBEdit20, clSilver);

    Label20 = new QLabel(QStringLiteral("Fiyatı ($) :"), Panel2);
    Label20->setObjectName(QStringLiteral("Label20"));
    Label20->move(247, 187);
    DBEdit21 = new DBEdit(Panel2);
    DBEdit21->setObjectName(QStringLiteral("DBEdit21"));
    DBEdit21->setDataSource(DataSourceN(1));
    DBEdit21->setDataField(QStringLiteral("FIYAT"));
    place(DBEdit21, 296, 184, 65, 21);
    setFieldColor(DBEdit21, clSilver);
    Label27 = new QLabel(QStringLiteral("$"), Panel2);
    Label27->setObjectName(QStringLiteral("Label27"));
    Label27->setEnabled(false);
    Label27->move(362, 187);
}

void TForm1::Button1Click() {
    Panel1->hide();
    Panel2->show();
    Label1->setText(QStringLiteral("İşlemci Modeli Sayısı: ") + QString::number(Tablo(1)->recordCount()));
}

void TForm1::LoadNavigatorGlyphs() {}

} // namespace teklifo
