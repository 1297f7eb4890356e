#include "report/print.h"

namespace teklifo {

namespace {

// Positions in millimetres from the top-left corner of the band.
constexpr qreal kTableLeft = 10.58;
constexpr qreal kTableWidth = 169.60;
constexpr qreal kCaptionLeft = 19.05;
constexpr qreal kRowPitch = 6.35;
constexpr qreal kRowBoxHeight = 6.61; // a little more than the pitch: neighbouring boxes share an edge
constexpr qreal kRowTextDrop = 1.32;
constexpr qreal kRowColonLeft = 44.45;
constexpr qreal kModelLeft = 46.57;
constexpr qreal kPriceRight = 171.98;
constexpr qreal kAmountRight = 176.21; // the "$" signs and the totals end here
constexpr qreal kLineHeight = 4.50;
constexpr qreal kLargeLineHeight = 6.09;

ReportFont arial(qreal pointSize, bool bold, QColor color = Qt::black) {
    return ReportFont{QStringLiteral("Arial"), pointSize, bold, color};
}

struct CompanyLine {
    const char16_t* caption;
    qreal top;
    qreal colonLeft;
    const char* labelName;
    qreal labelLeft;
};

constexpr CompanyLine kCompanyLines[] = {
    {u"Firma Adı", 33.60, 42.07, "LabelF1", 46.83}, {u"Adresi", 40.22, 42.07, "LabelF2", 46.83},
    {u"Telefonu", 46.57, 42.07, "LabelF3", 46.83},  {u"Vergi Dairesi", 52.92, 42.07, "LabelF4", 46.83},
    {u"Vergi No", 59.27, 42.33, "LabelF5", 46.57},  {u"Firma Yetkilisi", 65.62, 42.33, "LabelYetkili", 46.57},
};

// The printout's own row captions, which differ in places from the category names.
constexpr const char16_t* kRowCaptions[TFrmPrint::RowCount] = {
    u"İşlemci",   u"Ana Kart",       u"Ram",     u"Ekran Kartı",   u"Floppy",
    u"Hdd",       u"Monitör",        u"Kasa",    u"Cd-Cdrw-Dvdrw", u"Kalvye-Mouse",
    u"Fax-Modem", u"Tv-Radyo Kartı", u"Speaker", u"Ses Kartı",     u"Yazılım",
    u"Yazıcı",    u"Tarayıcı",       u"Kamera",  u"Güç Kaynağı",
};

struct TotalLine {
    const char16_t* caption;
    qreal captionLeft;
    qreal top;
    const char* labelName;
};

constexpr TotalLine kTotalLines[] = {
    {u"Toplam  :", 133.61, 124.09, "LabelToplam"},
    {u"Toplam (Kdv Dahil)  :", 116.95, 130.44, "LabelToplam2"},
    {u"Toplam (TL / YTL)  :", 119.06, 138.91, "LabelToplam3"},
};

QString utf16Text(const char16_t* utf16) {
    return QString::fromUtf16(utf16);
}

// A label of one line; its white background is as high as the line of the page's design.
ReportLabel* placeLabel(ReportBand* band, const QString& name, ReportAnchor anchor, qreal x, qreal top,
                        const ReportFont& font, const QString& content, qreal height = kLineHeight) {
    auto* label = new ReportLabel(band, name, anchor, x, top, font, content);
    label->setHeight(height);
    return label;
}

} // namespace

TFrmPrint::TFrmPrint(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FrmPrint"));
    m_report = new Report(this);
    m_report->setObjectName(QStringLiteral("QuickRep1"));
    m_report->setPage(ReportPage{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)});
    m_report->setFont(arial(10, false));
    m_titleBand = new ReportBand(m_report, QStringLiteral("QRBand1"), ReportBand::Kind::Title, 76.99, 189.97);
    m_detailBand =
        new ReportBand(m_report, QStringLiteral("QRBand2"), ReportBand::Kind::Detail, 175.68, 189.97);
    buildTitleBand();
    buildDetailBand();
}

void TFrmPrint::buildTitleBand() {
    ReportBand* band = m_titleBand;
    const ReportFont caption = arial(9, true);

    new ReportShape(band, {}, QRectF(kTableLeft, 23.28, kTableWidth, 8.73));
    m_labelF = placeLabel(band, QStringLiteral("LabelF"), ReportAnchor::Center, 96.71, 24.61, arial(14, true),
                          QStringLiteral("LabelF"), kLargeLineHeight);

    std::size_t index = 0;
    for (const CompanyLine& line : kCompanyLines) {
        const QString name = QString::fromLatin1(line.labelName);
        placeLabel(band, {}, ReportAnchor::Left, kCaptionLeft, line.top, caption, utf16Text(line.caption));
        placeLabel(band, {}, ReportAnchor::Left, line.colonLeft, line.top, caption, QStringLiteral(":"));
        ReportLabel* label =
            placeLabel(band, name, ReportAnchor::Left, line.labelLeft, line.top, m_report->font(), name);
        if (index < m_labelFN.size())
            m_labelFN[index] = label;
        else
            m_labelYetkili = label;
        ++index;
    }

    new ReportShape(band, {}, QRectF(kTableLeft, 71.17, kTableWidth, 5.56), true);
    const ReportFont heading = arial(9, true, Qt::white);
    for (const auto& [left, title] : {std::pair{18.79, u"MARKA / SİSTEM"}, std::pair{165.10, u"TUTARI"}})
        placeLabel(band, {}, ReportAnchor::Left, left, 71.70, heading, utf16Text(title))
            ->setTransparent(true);
}

void TFrmPrint::buildDetailBand() {
    ReportBand* band = m_detailBand;
    const ReportFont regular9 = arial(9, false);
    const ReportFont regular8 = arial(8, false);
    const ReportFont bold9 = arial(9, true);

    // All boxes first: each box's white inside covers the bottom edge of the one above, and the
    // texts must lie on top of both.
    for (int row = 0; row < RowCount; ++row)
        new ReportShape(band, {}, QRectF(kTableLeft, kRowPitch * row, kTableWidth, kRowBoxHeight));

    for (int row = 0; row < RowCount; ++row) {
        const qreal top = kRowPitch * row + kRowTextDrop;
        const QString number = QString::number(row + 1);
        placeLabel(band, {}, ReportAnchor::Left, kCaptionLeft, top, regular9, utf16Text(kRowCaptions[row]));
        placeLabel(band, {}, ReportAnchor::Left, kRowColonLeft, top, regular9, QStringLiteral(":"));
        const QString modelName = QStringLiteral("Label") + number;
        m_model[row] = placeLabel(band, modelName, ReportAnchor::Left, kModelLeft, top, regular8, modelName);
        const QString priceName = modelName + QLatin1Char('_');
        m_price[row] =
            placeLabel(band, priceName, ReportAnchor::Right, kPriceRight, top, regular9, priceName);
        placeLabel(band, {}, ReportAnchor::Right, kAmountRight, top, regular9, QStringLiteral("$"));
    }

    for (std::size_t i = 0; i < std::size(kTotalLines); ++i) {
        const TotalLine& line = kTotalLines[i];
        const QString name = QString::fromLatin1(line.labelName);
        placeLabel(band, {}, ReportAnchor::Left, line.captionLeft, line.top, regular9,
                   utf16Text(line.caption));
        m_totals[i] = placeLabel(band, name, ReportAnchor::Right, kAmountRight, line.top, bold9, name);
    }

    // A double rule under the totals.
    new ReportShape(band, {}, QRectF(kTableLeft, 148.17, kTableWidth, 0.53));
    new ReportShape(band, {}, QRectF(kTableLeft, 149.75, kTableWidth, 0.53));
}

} // namespace teklifo
