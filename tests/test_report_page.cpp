// The quotation page as it comes out of the PDF writer: every text where the layout puts it, the
// ruled table and the header bar, one A4 page, anchors that hold whatever the text, and a print
// request that is refused while a page is being produced.
#include "report/print.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <vector>

using namespace teklifo;

namespace {

constexpr double kMmPerPt = 25.4 / 72;
constexpr double kTolerance = 0.3; // mm
constexpr double kBandLeft = 10;   // both bands lie on the 10 mm left margin
constexpr double kTitleTop = 10;
constexpr double kDetailTop = 86.99;

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(-1)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One word as pdftotext sees it, in millimetres from the paper's top-left corner.
struct Word {
    QString text;
    QRectF box;
    int line;
};

std::vector<Word> readWords(const QString& pdf) {
    const QString xml =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), pdf, QStringLiteral("-")});
    std::vector<Word> words;
    QXmlStreamReader reader(xml);
    int line = -1;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        if (reader.name() == QLatin1String("line")) {
            ++line;
        } else if (reader.name() == QLatin1String("word")) {
            const auto at = [&](const char* key) {
                return reader.attributes().value(QLatin1String(key)).toDouble() * kMmPerPt;
            };
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            words.push_back({reader.readElementText(), box, line});
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return words;
}

// Every place where the words of a text follow one another on one line, as one box.
std::vector<QRectF> occurrences(const std::vector<Word>& words, const QString& text) {
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<QRectF> found;
    const std::size_t count = std::size_t(parts.size());
    for (std::size_t i = 0; i + count <= words.size(); ++i) {
        QRectF box;
        bool match = true;
        for (std::size_t k = 0; k < count && match; ++k) {
            const Word& word = words[i + k];
            match = word.text == parts[qsizetype(k)] && word.line == words[i].line;
            box = box.united(word.box);
        }
        if (match) found.push_back(box);
    }
    return found;
}

enum class Anchor { Left, Right, Centre };

// A text as the layout places it, in millimetres from the paper's corner.
struct Placed {
    QString what;
    QString text;
    Anchor anchor;
    double x;
    double top;
    double pointSize;
    bool bold;
};

QFont arial(double pointSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Width of a text in the named font, and the font's ascent and descent, in millimetres.
struct TextMetrics {
    double width;
    double ascent;
    double descent;
};

TextMetrics measure(const Placed& placed) {
    // Measured at the PDF's resolution, where glyph widths are not rounded to screen pixels.
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(47244); // 1200 dpi
        image.setDotsPerMeterY(47244);
        return image;
    }();
    const QFontMetricsF metrics(arial(placed.pointSize, placed.bold), &device);
    const double mmPerPixel = 25.4 / device.logicalDpiX();
    return {metrics.horizontalAdvance(placed.text) * mmPerPixel, metrics.ascent() * mmPerPixel,
            metrics.descent() * mmPerPixel};
}

// The layout of the page, independent of the code that builds it.
const char16_t* const kRowCaptions[19] = {u"İşlemci",       u"Ana Kart",     u"Ram",        u"Ekran Kartı",
                                          u"Floppy",        u"Hdd",          u"Monitör",    u"Kasa",
                                          u"Cd-Cdrw-Dvdrw", u"Kalvye-Mouse", u"Fax-Modem",  u"Tv-Radyo Kartı",
                                          u"Speaker",       u"Ses Kartı",    u"Yazılım",    u"Yazıcı",
                                          u"Tarayıcı",      u"Kamera",       u"Güç Kaynağı"};

std::vector<Placed> fixedTexts() {
    std::vector<Placed> texts;
    auto title = [&](QString text, Anchor anchor, double x, double top, double size, bool bold) {
        texts.push_back({text, text, anchor, kBandLeft + x, kTitleTop + top, size, bold});
    };
    auto detail = [&](QString text, Anchor anchor, double x, double top, double size, bool bold) {
        texts.push_back({text, text, anchor, kBandLeft + x, kDetailTop + top, size, bold});
    };
    const struct {
        const char16_t* caption;
        double top;
        double colon;
    } company[] = {{u"Firma Adı", 33.60, 42.07}, {u"Adresi", 40.22, 42.07},
                   {u"Telefonu", 46.57, 42.07},  {u"Vergi Dairesi", 52.92, 42.07},
                   {u"Vergi No", 59.27, 42.33},  {u"Firma Yetkilisi", 65.62, 42.33}};
    for (const auto& line : company) {
        title(QString::fromUtf16(line.caption), Anchor::Left, 19.05, line.top, 9, true);
        title(QStringLiteral(":"), Anchor::Left, line.colon, line.top, 9, true);
    }
    title(QStringLiteral("MARKA / SİSTEM"), Anchor::Left, 18.79, 71.70, 9, true);
    title(QStringLiteral("TUTARI"), Anchor::Left, 165.10, 71.70, 9, true);
    for (int row = 0; row < 19; ++row) {
        const double top = 6.35 * row + 1.32;
        detail(QString::fromUtf16(kRowCaptions[row]), Anchor::Left, 19.05, top, 9, false);
        detail(QStringLiteral(":"), Anchor::Left, 44.45, top, 9, false);
        detail(QStringLiteral("$"), Anchor::Right, 176.21, top, 9, false);
    }
    detail(QStringLiteral("Toplam  :"), Anchor::Left, 133.61, 124.09, 9, false);
    detail(QStringLiteral("Toplam (Kdv Dahil)  :"), Anchor::Left, 116.95, 130.44, 9, false);
    detail(QStringLiteral("Toplam (TL / YTL)  :"), Anchor::Left, 119.06, 138.91, 9, false);
    return texts;
}

// The 48 variable labels with where they stand; the text is filled in by the caller.
std::vector<Placed> variableLabels() {
    std::vector<Placed> labels;
    auto title = [&](QString name, Anchor anchor, double x, double top, double size, bool bold) {
        labels.push_back({name, {}, anchor, kBandLeft + x, kTitleTop + top, size, bold});
    };
    auto detail = [&](QString name, Anchor anchor, double x, double top, double size, bool bold) {
        labels.push_back({name, {}, anchor, kBandLeft + x, kDetailTop + top, size, bold});
    };
    title(QStringLiteral("LabelF"), Anchor::Centre, 96.71, 24.61, 14, true);
    title(QStringLiteral("LabelF1"), Anchor::Left, 46.83, 33.60, 10, false);
    title(QStringLiteral("LabelF2"), Anchor::Left, 46.83, 40.22, 10, false);
    title(QStringLiteral("LabelF3"), Anchor::Left, 46.83, 46.57, 10, false);
    title(QStringLiteral("LabelF4"), Anchor::Left, 46.83, 52.92, 10, false);
    title(QStringLiteral("LabelF5"), Anchor::Left, 46.57, 59.27, 10, false);
    title(QStringLiteral("LabelYetkili"), Anchor::Left, 46.57, 65.62, 10, false);
    for (int n = 1; n <= 19; ++n) {
        const double top = 6.35 * (n - 1) + 1.32;
        detail(QStringLiteral("Label%1").arg(n), Anchor::Left, 46.57, top, 8, false);
        detail(QStringLiteral("Label%1_").arg(n), Anchor::Right, 171.98, top, 9, false);
    }
    detail(QStringLiteral("LabelToplam"), Anchor::Right, 176.21, 124.09, 9, true);
    detail(QStringLiteral("LabelToplam2"), Anchor::Right, 176.21, 130.44, 9, true);
    detail(QStringLiteral("LabelToplam3"), Anchor::Right, 176.21, 138.91, 9, true);
    return labels;
}

// A distinct text for each variable label, of differing lengths and with Turkish letters.
QString sampleText(const QString& name) {
    static const std::map<QString, QString> company = {
        {QStringLiteral("LabelF"), QStringLiteral("Çağrı Bilgisayar Ltd. Şti.")},
        {QStringLiteral("LabelF1"), QStringLiteral("Çağrı Bilişim")},
        {QStringLiteral("LabelF2"), QStringLiteral("Atatürk Cad. No: 12 İzmir")},
        {QStringLiteral("LabelF3"), QStringLiteral("0232 444 55 66")},
        {QStringLiteral("LabelF4"), QStringLiteral("Konak V.D.")},
        {QStringLiteral("LabelF5"), QStringLiteral("1234567890")},
        {QStringLiteral("LabelYetkili"), QStringLiteral("Gülşen Öztürk")},
        {QStringLiteral("LabelToplam"), QStringLiteral("1.234,56 $")},
        {QStringLiteral("LabelToplam2"), QStringLiteral("1.456,78 $")},
        {QStringLiteral("LabelToplam3"), QStringLiteral("2.038.492 YTL")},
    };
    if (const auto it = company.find(name); it != company.end()) return it->second;
    static const QRegularExpression row(QStringLiteral("^Label(\\d+)(_?)$"));
    const auto match = row.match(name);
    const int n = match.captured(1).toInt();
    if (match.captured(2).isEmpty()) return QStringLiteral("Parça%1 ğüşıöç").arg(n);
    return QStringLiteral("%1,50").arg(n * n * 7); // one to four digits
}

// The one box, among the text's occurrences, that lies nearest the place the layout gives it;
// reports where it differs from the layout by more than the tolerance.
void expectPlaced(const std::vector<Word>& words, const Placed& placed) {
    SCOPED_TRACE(placed.what.toStdString() + " \"" + placed.text.toStdString() + "\"");
    const TextMetrics metrics = measure(placed);
    double left = placed.x;
    if (placed.anchor == Anchor::Right)
        left = placed.x - metrics.width;
    else if (placed.anchor == Anchor::Centre)
        left = placed.x - metrics.width / 2;
    const QPointF expected(left, placed.top);

    const std::vector<QRectF> found = occurrences(words, placed.text);
    ASSERT_FALSE(found.empty()) << "text not on the page";
    const QRectF box = *std::min_element(found.begin(), found.end(), [&](const QRectF& a, const QRectF& b) {
        return QLineF(a.topLeft(), expected).length() < QLineF(b.topLeft(), expected).length();
    });
    // Both edges: the anchor holds and the text is as wide as it is in the named font and size.
    EXPECT_NEAR(box.left(), left, kTolerance);
    EXPECT_NEAR(box.right(), left + metrics.width, kTolerance);
    // pdftotext puts a word's top at the baseline less the font's ascent, so the box top is the
    // top of the ascent box, which the label's top is; the height is the font's ascent + descent.
    EXPECT_NEAR(box.top(), placed.top, kTolerance);
    EXPECT_NEAR(box.height(), metrics.ascent + metrics.descent, kTolerance);
}

class ReportPage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<QTemporaryDir>();
        form = std::make_unique<TFrmPrint>();
        for (const Placed& label : variableLabels())
            form->findChild<QObject*>(label.what)->setProperty("text", sampleText(label.what));
        pdf = dir->filePath(QStringLiteral("teklif.pdf"));
        ASSERT_TRUE(form->renderToPdf(pdf));
        words = readWords(pdf);
    }
    static void TearDownTestSuite() {
        words.clear();
        form.reset();
        dir.reset();
    }

    static std::vector<Placed> withSampleTexts() {
        std::vector<Placed> labels = variableLabels();
        for (Placed& label : labels)
            label.text = sampleText(label.what);
        return labels;
    }

    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline std::unique_ptr<TFrmPrint> form;
    static inline QString pdf;
    static inline std::vector<Word> words;
};

TEST_F(ReportPage, FormCarriesTheReportBandsAndTheFortyEightLabels) {
    EXPECT_EQ(form->objectName(), QStringLiteral("FrmPrint"));
    EXPECT_EQ(form->QuickRep1()->objectName(), QStringLiteral("QuickRep1"));
    EXPECT_EQ(form->findChild<QObject*>(QStringLiteral("QRBand1")), form->QRBand1());
    EXPECT_EQ(form->findChild<QObject*>(QStringLiteral("QRBand2")), form->QRBand2());
    const std::vector<Placed> labels = variableLabels();
    ASSERT_EQ(labels.size(), 48u);
    for (const Placed& label : labels) {
        QObject* object = form->findChild<QObject*>(label.what);
        ASSERT_NE(object, nullptr) << label.what.toStdString();
        EXPECT_EQ(object->property("text").toString(), sampleText(label.what)) << label.what.toStdString();
    }
    EXPECT_EQ(form->LabelF()->objectName(), QStringLiteral("LabelF"));
    EXPECT_EQ(form->LabelFN(5)->objectName(), QStringLiteral("LabelF5"));
    EXPECT_EQ(form->LabelYetkili()->objectName(), QStringLiteral("LabelYetkili"));
    EXPECT_EQ(form->LabelN(19)->objectName(), QStringLiteral("Label19"));
    EXPECT_EQ(form->LabelN_(7)->objectName(), QStringLiteral("Label7_"));
    EXPECT_EQ(form->LabelToplam3()->objectName(), QStringLiteral("LabelToplam3"));
}

TEST_F(ReportPage, IsOneA4PortraitPage) {
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_NEAR(size.captured(1).toDouble() * kMmPerPt, 210, 0.5);
    EXPECT_NEAR(size.captured(2).toDouble() * kMmPerPt, 297, 0.5);
}

TEST_F(ReportPage, EveryFixedTextStandsWhereTheLayoutPutsIt) {
    for (const Placed& text : fixedTexts())
        expectPlaced(words, text);
}

TEST_F(ReportPage, EveryVariableLabelStandsWhereTheLayoutPutsIt) {
    for (const Placed& label : withSampleTexts())
        expectPlaced(words, label);
}

TEST_F(ReportPage, PlaceholderTextsNeverReachThePaper) {
    for (const Placed& label : variableLabels())
        EXPECT_TRUE(occurrences(words, label.what).empty()) << label.what.toStdString();
}

TEST_F(ReportPage, RectanglesAreRuledAndTheHeaderBarIsBlack) {
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-gray"),
             QStringLiteral("-singlefile"), pdf, dir->filePath(QStringLiteral("teklif"))});
    const QImage page(dir->filePath(QStringLiteral("teklif.pgm")));
    ASSERT_FALSE(page.isNull());
    const double pixelsPerMm = 150 / 25.4;
    // Darkest and lightest grey around a point, one pixel either way, so a thin line need not fall
    // exactly on a pixel.
    const auto greys = [&](double x, double y) {
        const int px = int(x * pixelsPerMm), py = int(y * pixelsPerMm);
        int darkest = 255, lightest = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int grey = qGray(page.pixel(px + dx, py + dy));
                darkest = std::min(darkest, grey);
                lightest = std::max(lightest, grey);
            }
        return std::pair{darkest, lightest};
    };
    struct Probe {
        std::string what;
        double x;
        double y;
        enum { Line, Black, White } expect;
    };
    const double left = kBandLeft + 10.58, right = kBandLeft + 180.18, clear = kBandLeft + 14;
    std::vector<Probe> probes = {
        {"name frame top", 60, kTitleTop + 23.28, Probe::Line},
        {"name frame bottom", 60, kTitleTop + 32.01, Probe::Line},
        {"name frame left", left, kTitleTop + 27.6, Probe::Line},
        {"name frame right", right, kTitleTop + 27.6, Probe::Line},
        {"inside the name frame", clear, kTitleTop + 27.6, Probe::White},
        {"header bar", kBandLeft + 100, kTitleTop + 73.95, Probe::Black},
        {"header bar, right end", kBandLeft + 179.5, kTitleTop + 73.95, Probe::Black},
        {"above the header bar", kBandLeft + 100, kTitleTop + 70.6, Probe::White},
        {"left of the header bar", left - 0.8, kTitleTop + 73.95, Probe::White},
        {"first rule, top", kBandLeft + 100, kDetailTop + 148.17, Probe::Line},
        {"second rule, bottom", kBandLeft + 100, kDetailTop + 150.28, Probe::Line},
        {"between the rules", kBandLeft + 100, kDetailTop + 149.22, Probe::White},
        {"below the rules", kBandLeft + 100, kDetailTop + 152, Probe::White},
        {"bottom of the table", clear, kDetailTop + 120.91, Probe::Line},
    };
    for (int row = 0; row < 19; ++row) {
        const double top = kDetailTop + 6.35 * row;
        const std::string name = "row " + std::to_string(row + 1);
        probes.push_back({name + " top edge", clear, top, Probe::Line});
        probes.push_back({name + " inside", clear, top + 3.2, Probe::White});
        probes.push_back({name + " left edge", left, top + 3.2, Probe::Line});
        probes.push_back({name + " right edge", right, top + 3.2, Probe::Line});
        probes.push_back({name + " outside", right + 0.8, top + 3.2, Probe::White});
    }
    for (const Probe& probe : probes) {
        const auto [darkest, lightest] = greys(probe.x, probe.y);
        switch (probe.expect) {
        case Probe::Line:
            EXPECT_LT(darkest, 128) << probe.what;
            break;
        case Probe::Black:
            EXPECT_LT(lightest, 32) << probe.what;
            break;
        case Probe::White:
            EXPECT_GT(darkest, 224) << probe.what;
            break;
        }
    }
}

TEST_F(ReportPage, AnchorsHoldWhateverTheLengthOfTheText) {
    // One label of each anchor with a text of another length than in the shared page.
    const std::map<QString, QString> texts = {
        {QStringLiteral("LabelF"), QStringLiteral("Çağrı Bilgisayar ve Yazılım Hizmetleri Ltd. Şti.")},
        {QStringLiteral("Label5"), QStringLiteral("Parça5 ğüşıöç ile uzun bir açıklama")},
        {QStringLiteral("Label5_"), QStringLiteral("12.345.678,50")},
        {QStringLiteral("LabelToplam3"), QStringLiteral("1 YTL")},
    };
    TFrmPrint other;
    std::vector<Placed> changed;
    for (Placed label : variableLabels()) {
        const auto text = texts.find(label.what);
        if (text == texts.end()) continue;
        label.text = text->second;
        ASSERT_NE(label.text.size(), sampleText(label.what).size());
        other.findChild<QObject*>(label.what)->setProperty("text", label.text);
        changed.push_back(label);
    }
    ASSERT_EQ(changed.size(), texts.size());
    const QString again = dir->filePath(QStringLiteral("ikinci-sayfa.pdf"));
    ASSERT_TRUE(other.renderToPdf(again));
    const std::vector<Word> againWords = readWords(again);
    for (const Placed& label : changed)
        expectPlaced(againWords, label);
}

TEST_F(ReportPage, ASecondRequestWhilePrintingIsRefusedAndTheFirstPageKeepsItsTexts) {
    TFrmPrint page;
    page.LabelFN(1)->setText(QStringLiteral("Eski Firma"));
    const QString first = dir->filePath(QStringLiteral("ilk.pdf"));
    const QString second = dir->filePath(QStringLiteral("ikinci.pdf"));
    std::optional<bool> nested;
    bool busyMeanwhile = false;
    QObject::connect(page.QuickRep1(), &Report::printingStarted, [&] {
        if (nested.has_value()) return; // a second page would start this again
        busyMeanwhile = page.isPrinting();
        page.LabelFN(1)->setText(QStringLiteral("Yeni Firma"));
        nested = page.renderToPdf(second);
    });
    ASSERT_TRUE(page.renderToPdf(first));
    EXPECT_TRUE(busyMeanwhile);
    ASSERT_TRUE(nested.has_value());
    EXPECT_FALSE(*nested);
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_FALSE(page.isPrinting());
    const std::vector<Word> firstWords = readWords(first);
    EXPECT_EQ(occurrences(firstWords, QStringLiteral("Eski Firma")).size(), 1u);
    EXPECT_TRUE(occurrences(firstWords, QStringLiteral("Yeni Firma")).empty());
}

TEST_F(ReportPage, WithoutADefaultPrinterNothingIsPrinted) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; printing on it would put a real page out";
    TFrmPrint page;
    EXPECT_FALSE(page.printPage());
    EXPECT_FALSE(page.isPrinting());
}

} // namespace
