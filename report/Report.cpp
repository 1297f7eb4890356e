#include "report/Report.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace teklifo {

namespace {

// Outline of the shapes: thin, but still a visible line on a 300 dpi printer.
constexpr qreal kOutlineMm = 0.2;
constexpr int kPdfResolution = 1200;

QFont deviceFont(const ReportFont& style) {
    QFont font(style.family);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    // Outline fonts without hinting measure the same on every device, so a text's width on paper
    // does not depend on the printer's resolution.
    font.setStyleStrategy(QFont::PreferOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Millimetres to device units of the painter's device.
struct MmScale {
    qreal x;
    qreal y;
    QRectF rect(const QRectF& mm) const { return {mm.x() * x, mm.y() * y, mm.width() * x, mm.height() * y}; }
};

void paintLabel(QPainter& painter, const MmScale& scale, const ReportLabelData& label) {
    const QFont font = deviceFont(label.font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal width = metrics.horizontalAdvance(label.text);
    const qreal anchor = label.anchorX * scale.x;
    qreal left = anchor;
    if (label.anchor == ReportAnchor::Right)
        left = anchor - width;
    else if (label.anchor == ReportAnchor::Center)
        left = anchor - width / 2;
    const qreal top = label.top * scale.y;
    const qreal height = label.height > 0 ? label.height * scale.y : metrics.height();

    if (!label.transparent && width > 0) painter.fillRect(QRectF(left, top, width, height), Qt::white);
    painter.setFont(font);
    painter.setPen(label.font.color);
    // The top of the ascent box stands at the label's top, as on the screen.
    painter.drawText(QPointF(left, top + metrics.ascent()), label.text);
}

void paintShape(QPainter& painter, const MmScale& scale, const ReportShapeData& shape) {
    QPen pen(Qt::black);
    pen.setWidthF(kOutlineMm * scale.x);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(shape.filled ? Qt::black : Qt::white);
    painter.drawRect(scale.rect(shape.rect));
}

void paintItems(QPainter& painter, const std::vector<ReportPageItem>& items) {
    const QPaintDevice* device = painter.device();
    const MmScale scale{device->logicalDpiX() / 25.4, device->logicalDpiY() / 25.4};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ReportPageItem& item : items) {
        if (const auto* label = std::get_if<ReportLabelData>(&item))
            paintLabel(painter, scale, *label);
        else
            paintShape(painter, scale, std::get<ReportShapeData>(item));
    }
    painter.restore();
}

} // namespace

// --- elements --------------------------------------------------------------------------------

ReportElement::ReportElement(ReportBand* band, const QString& name) : QObject(band) {
    setObjectName(name);
}

ReportBand* ReportElement::band() const {
    return static_cast<ReportBand*>(parent());
}

ReportLabel::ReportLabel(ReportBand* band, const QString& name, ReportAnchor anchor, qreal anchorX, qreal top,
                         const ReportFont& font, const QString& text)
    : ReportElement(band, name) {
    m_data.text = text;
    m_data.anchor = anchor;
    m_data.anchorX = anchorX;
    m_data.top = top;
    m_data.font = font;
}

void ReportLabel::setText(const QString& text) {
    if (text == m_data.text) return;
    m_data.text = text;
    emit textChanged(text);
}

ReportPageItem ReportLabel::pageItem(QPointF origin) const {
    ReportLabelData placed = m_data;
    placed.anchorX += origin.x();
    placed.top += origin.y();
    return placed;
}

ReportShape::ReportShape(ReportBand* band, const QString& name, const QRectF& rect, bool filled)
    : ReportElement(band, name) {
    m_data.rect = rect;
    m_data.filled = filled;
}

ReportPageItem ReportShape::pageItem(QPointF origin) const {
    ReportShapeData placed = m_data;
    placed.rect.translate(origin);
    return placed;
}

// --- bands -----------------------------------------------------------------------------------

ReportBand::ReportBand(Report* report, const QString& name, Kind kind, qreal height, qreal width)
    : QObject(report), m_kind(kind), m_height(height), m_width(width) {
    setObjectName(name);
}

QList<ReportElement*> ReportBand::elements() const {
    QList<ReportElement*> result;
    for (QObject* child : children())
        if (auto* element = qobject_cast<ReportElement*>(child)) result.append(element);
    return result;
}

// --- report ----------------------------------------------------------------------------------

QSizeF ReportPage::paperSize() const {
    const QSizeF portrait = size.size(QPageSize::Millimeter);
    return orientation == QPageLayout::Portrait ? portrait : portrait.transposed();
}

Report::Report(QObject* parent) : QObject(parent) {}

QList<ReportBand*> Report::bands() const {
    QList<ReportBand*> result;
    for (QObject* child : children())
        if (auto* band = qobject_cast<ReportBand*>(child)) result.append(band);
    std::stable_sort(result.begin(), result.end(), [](const ReportBand* a, const ReportBand* b) {
        return a->kind() == ReportBand::Kind::Title && b->kind() != ReportBand::Kind::Title;
    });
    return result;
}

QPointF Report::bandOrigin(const ReportBand* band) const {
    qreal top = m_page.margins.top();
    for (const ReportBand* each : bands()) {
        if (each == band) break;
        top += each->height();
    }
    return {m_page.margins.left(), top};
}

std::vector<ReportPageItem> Report::pageItems() const {
    std::vector<ReportPageItem> items;
    for (const ReportBand* band : bands()) {
        // The bands are white like the paper, so only their elements are painted.
        const QPointF origin = bandOrigin(band);
        for (const ReportElement* element : band->elements())
            items.push_back(element->pageItem(origin));
    }
    return items;
}

void Report::paint(QPainter& painter) const {
    paintItems(painter, pageItems());
}

bool Report::renderTo(QPagedPaintDevice& device) {
    if (m_busy) return false;
    // The page is fixed before anything else runs: a label changed while the page is being
    // produced waits for the next page.
    const std::vector<ReportPageItem> items = pageItems();
    m_busy = true;
    emit printingStarted();

    if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setFullPage(true);
    // No margins of the device's own: every position is measured from the paper's corner, so
    // printer and PDF show the same page.
    device.setPageLayout(QPageLayout(m_page.size, m_page.orientation, QMarginsF(), QPageLayout::Millimeter));

    QPainter painter;
    bool done = painter.begin(&device);
    if (done) {
        paintItems(painter, items);
        done = painter.end();
    }

    m_busy = false;
    emit printingFinished();
    return done;
}

bool Report::renderToPdf(const QString& path) {
    if (m_busy) return false;
    QPdfWriter writer(path);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Teklifo"));
    return renderTo(writer);
}

bool Report::hasDefaultPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool Report::printOnDefaultPrinter() {
    if (m_busy) return false;
    // Without a printer QPrinter would quietly write a PDF file instead.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Teklifo"));
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPaperSource(QPrinter::Auto);
    printer.setDuplex(QPrinter::DuplexNone);
    return renderTo(printer);
}

} // namespace teklifo
