#pragma once

// A small banded report: one page of text labels and rectangles placed in millimetres, painted with
// QPainter on any paged device, so the page that goes to the printer is the page a PDF shows.

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QObject>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace teklifo {

// The point of a label that stays put whatever the length of its text.
enum class ReportAnchor { Left, Right, Center };

struct ReportFont {
    QString family = QStringLiteral("Arial");
    qreal pointSize = 10;
    bool bold = false;
    QColor color = Qt::black;
};

// A label as it goes onto paper; lengths in millimetres.
struct ReportLabelData {
    QString text;
    ReportAnchor anchor = ReportAnchor::Left;
    qreal anchorX = 0;
    qreal top = 0;
    qreal height = 0; // 0: one line of the label's font
    ReportFont font;
    bool transparent = false;
};

// A rectangle as it goes onto paper; lengths in millimetres.
struct ReportShapeData {
    QRectF rect;
    bool filled = false; // black inside instead of white
};

// One element of a page with its position moved from its band onto the paper.
using ReportPageItem = std::variant<ReportLabelData, ReportShapeData>;

class ReportBand;

// Something placed on a band. Elements are painted in the order they were created, so later ones
// cover earlier ones.
class ReportElement : public QObject {
    Q_OBJECT
public:
    ReportBand* band() const;
    // The element as it stands now, placed on the paper with the band's top-left corner at origin.
    virtual ReportPageItem pageItem(QPointF origin) const = 0;

protected:
    ReportElement(ReportBand* band, const QString& name);
};

// A text of one line, as wide as its text, with its top at the given top.
class ReportLabel : public ReportElement {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    ReportLabel(ReportBand* band, const QString& name, ReportAnchor anchor, qreal anchorX, qreal top,
                const ReportFont& font, const QString& text = {});

    QString text() const { return m_data.text; }
    void setText(const QString& text);

    ReportAnchor anchor() const { return m_data.anchor; }
    qreal anchorX() const { return m_data.anchorX; }
    qreal top() const { return m_data.top; }
    const ReportFont& font() const { return m_data.font; }

    // Height of the white background; 0 takes one line of the font.
    qreal height() const { return m_data.height; }
    void setHeight(qreal height) { m_data.height = height; }

    bool isTransparent() const { return m_data.transparent; }
    void setTransparent(bool transparent) { m_data.transparent = transparent; }

    ReportPageItem pageItem(QPointF origin) const override;

signals:
    void textChanged(const QString& text);

private:
    ReportLabelData m_data;
};

// A rectangle with a thin black outline, white or black inside.
class ReportShape : public ReportElement {
    Q_OBJECT
public:
    ReportShape(ReportBand* band, const QString& name, const QRectF& rect, bool filled = false);

    QRectF rect() const { return m_data.rect; }
    bool isFilled() const { return m_data.filled; }

    ReportPageItem pageItem(QPointF origin) const override;

private:
    ReportShapeData m_data;
};

class Report;

// A horizontal strip of the page, printed once. Title bands come first, then detail bands, each
// kind in the order of creation, stacked down from the top margin.
class ReportBand : public QObject {
    Q_OBJECT
public:
    enum class Kind { Title, Detail };

    ReportBand(Report* report, const QString& name, Kind kind, qreal height, qreal width);

    Kind kind() const { return m_kind; }
    qreal height() const { return m_height; }
    qreal width() const { return m_width; }
    QList<ReportElement*> elements() const;

private:
    Kind m_kind;
    qreal m_height;
    qreal m_width;
};

// Paper and margins, in millimetres.
struct ReportPage {
    QPageSize size{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};

    QSizeF paperSize() const;
};

class Report : public QObject {
    Q_OBJECT
public:
    explicit Report(QObject* parent = nullptr);

    const ReportPage& page() const { return m_page; }
    void setPage(const ReportPage& page) { m_page = page; }

    // The font of labels that take the report's own.
    const ReportFont& font() const { return m_font; }
    void setFont(const ReportFont& font) { m_font = font; }

    // Bands in the order they print.
    QList<ReportBand*> bands() const;
    // Where a band's top-left corner lies on the paper, in millimetres.
    QPointF bandOrigin(const ReportBand* band) const;

    // The whole page as it stands now, every element placed on the paper.
    std::vector<ReportPageItem> pageItems() const;

    // Paints the page onto the painter's device, whose origin must be the paper's top-left corner.
    void paint(QPainter& painter) const;

    // Sets the device to the page's paper with no margins of its own and paints the page on it.
    // Refused (false) while another page is being produced.
    bool renderTo(QPagedPaintDevice& device);

    bool renderToPdf(const QString& path);

    // One copy on the system's default printer, no dialog. False when there is no default printer,
    // when another page is still being printed, or when the printer could not take the page.
    bool printOnDefaultPrinter();

    // Whether the system has a default printer to print on.
    static bool hasDefaultPrinter();

    bool isBusy() const { return m_busy; }

signals:
    // Between these two the page is being produced; a second request meanwhile is refused.
    void printingStarted();
    void printingFinished();

private:
    ReportPage m_page;
    ReportFont m_font;
    bool m_busy = false;
};

} // namespace teklifo
