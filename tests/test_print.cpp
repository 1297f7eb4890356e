// "Sistemi Yazdır" in the running program on a machine without a printer: the 48 labels of the page
// take the texts of the quotation and the company dialog unchanged, the user is told that there is
// no printer, a second press while a page is produced is refused, and the texts land where the
// layout puts them.
#include "app/Startup.h"
#include "app/Unit1.h"
#include "dialogs/PrintAyar.h"
#include "dialogs/cevir.h"
#include "report/print.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>

using namespace teklifo;
using namespace testing_support;

namespace {

// One word as pdftotext sees it, in millimetres from the paper's top-left corner.
struct Word {
    QString text;
    QRectF box;
    int line;
};

std::vector<Word> pdfWords(const QString& pdf) {
    QProcess tool;
    tool.start("pdftotext", {"-bbox-layout", pdf, "-"});
    EXPECT_TRUE(tool.waitForFinished(-1));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    constexpr double mmPerPt = 25.4 / 72;
    std::vector<Word> words;
    QXmlStreamReader xml(tool.readAllStandardOutput());
    int line = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("line")) {
            ++line;
        } else if (xml.name() == QLatin1String("word")) {
            const auto at = [&](const char* key) { return xml.attributes().value(key).toDouble() * mmPerPt; };
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            words.push_back({xml.readElementText(), box, line});
        }
    }
    return words;
}

// The boxes of every place where the words of text follow one another on one line.
std::vector<QRectF> find(const std::vector<Word>& words, const QString& text) {
    const QStringList parts = text.split(' ', Qt::SkipEmptyParts);
    std::vector<QRectF> found;
    for (std::size_t i = 0; i + parts.size() <= words.size(); ++i) {
        QRectF box;
        bool match = true;
        for (qsizetype k = 0; k < parts.size() && match; ++k) {
            const Word& word = words[i + std::size_t(k)];
            match = word.text == parts[k] && word.line == words[i].line;
            box = box.isNull() ? word.box : box.united(word.box);
        }
        if (match) found.push_back(box);
    }
    return found;
}

class Printout : public ::testing::Test {
protected:
    // No CUPS server to ask: the machine has no printer, whatever this one is set up with.
    static void SetUpTestSuite() {
        qputenv("CUPS_SERVER", QByteArray(QDir::tempPath().toUtf8() + "/teklifo-yazicisiz/yok.sock"));
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    }

    void SetUp() override {
        setCompanyFileName(companyDir.filePath("PcFirma.ssd"));
        makeCatalogue(work.file("Data.mdb"),
                      {{1, {{"Intel Core i5", 100}}}, {2, {{"Asus P5", 0}}}, {7, {{"Samsung 19\"", 250}}}});
        program = std::make_unique<RunningProgram>();
        form = Form1();
        page = FrmPrint();
        QObject::connect(page->QuickRep1(), &Report::printingStarted, [this] { ++pagesStarted; });
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == form; }));
        runIdle();
    }
    void TearDown() override {
        program.reset();
        setCompanyFileName({});
    }

    // Picks the first model of a row from its drop-down list.
    void pick(int row) {
        pickEntryWithMouse(form->ComboBox(row), 0);
    }

    // Converts the total into TL at the rate dialog's first rate.
    void convert() {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<TFrmCevir*>(QApplication::activeModalWidget()))
                dialog->Button1->click();
        });
        form->BtnCevir->click();
        runIdle();
    }

    // Presses "Sistemi Yazdır" and returns the boxes it showed.
    QList<SeenBox> print() {
        MessageBoxWatcher boxes;
        QTest::mouseClick(form->Button5, Qt::LeftButton);
        return boxes.seen();
    }

    void typeCompany(const QStringList& fields) {
        for (int n = 1; n <= TFrmPrintAyar::FieldCount; ++n)
            FrmPrintAyar()->Edit(n)->setText(fields[n - 1]);
    }

    QString label(const QString& name) const {
        QObject* object = page->findChild<QObject*>(name);
        EXPECT_NE(object, nullptr) << name.toStdString();
        return object ? object->property("text").toString() : QString();
    }

    // What the 48 labels show, by name.
    std::map<QString, QString> labels() const {
        std::map<QString, QString> texts;
        for (const char* name : {"LabelF", "LabelF1", "LabelF2", "LabelF3", "LabelF4", "LabelF5",
                                 "LabelYetkili", "LabelToplam", "LabelToplam2", "LabelToplam3"})
            texts[name] = label(name);
        for (int n = 1; n <= 19; ++n) {
            texts[QString("Label%1").arg(n)] = label(QString("Label%1").arg(n));
            texts[QString("Label%1_").arg(n)] = label(QString("Label%1_").arg(n));
        }
        return texts;
    }

    // The 48 texts of an empty configuration with the given company.
    static std::map<QString, QString> emptyPage(const QStringList& company) {
        std::map<QString, QString> texts = {{"LabelF", company[0]},       {"LabelF1", company[0]},
                                            {"LabelF2", company[1]},      {"LabelF3", company[2]},
                                            {"LabelF4", company[3]},      {"LabelF5", company[4]},
                                            {"LabelYetkili", company[5]}, {"LabelToplam", "0 $"},
                                            {"LabelToplam2", "0 $"},      {"LabelToplam3", "0"}};
        for (int n = 1; n <= 19; ++n) {
            texts[QString("Label%1").arg(n)] = "-";
            texts[QString("Label%1_").arg(n)] = "0";
        }
        return texts;
    }

    static void expectNoPrinterWarning(const QList<SeenBox>& boxes) {
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].title, "Dikkat !");
        EXPECT_EQ(boxes[0].text, "Varsayılan yazıcı bulunamadı.");
        EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
        EXPECT_EQ(boxes[0].buttons, QStringList{"TAMAM"});
    }

    TempWorkDir work;
    QTemporaryDir companyDir;
    QTemporaryDir output;
    std::unique_ptr<RunningProgram> program;
    TForm1* form = nullptr;
    TFrmPrint* page = nullptr;
    int pagesStarted = 0;
};

const QStringList kPresets = {"Ornek Bilgisayar", "Deneme Mah. 1323 Sok. No 15 Muratpaşa / ANTALYA",
                              "242 - 222 22 22",  "Muratpaşa Vergi D.",
                              "12345678901",      "Deniz Yılmaz"};

TEST_F(Printout, NothingChosenFillsThePageWithTheEmptyTextsAndSaysThereIsNoPrinter) {
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
    const QList<SeenBox> boxes = print();
    expectNoPrinterWarning(boxes);
    EXPECT_EQ(labels(), emptyPage(kPresets));
    EXPECT_EQ(pagesStarted, 0) << "no page is produced without a printer";
}

TEST_F(Printout, CopiesTheQuotationUnchangedAndEachPressCopiesAfresh) {
    pick(1); // Intel Core i5, 100
    pick(2); // Asus P5 costs nothing: its row reads as not chosen
    pick(7); // Samsung 19", 250
    form->ComboBox(7)->setEditText("Samsung 19\" (ikinci el)"); // typed over: printed as shown
    runIdle();
    convert();
    const QStringList company = {"Deniz Bilgisayar", "  Kışla Cad. 4 / İZMİR", "", "Konak V.D.", "TR-0042 ",
                                 "Ayşe Kaya"};
    typeCompany(company);

    expectNoPrinterWarning(print());
    std::map<QString, QString> expected = emptyPage(company);
    expected["Label1"] = "Intel Core i5";
    expected["Label1_"] = "100";
    expected["Label7"] = "Samsung 19\" (ikinci el)";
    expected["Label7_"] = "250";
    expected["LabelToplam"] = "350 $";
    expected["LabelToplam2"] = "413 $";
    expected["LabelToplam3"] = "611.240.000  TL";
    EXPECT_EQ(labels(), expected);

    // The page as it would go to paper: the texts stand at their anchors (paper millimetres: the
    // band's place plus the position in the band).
    const QString pdf = output.filePath("teklif.pdf");
    ASSERT_TRUE(page->renderToPdf(pdf));
    const std::vector<Word> words = pdfWords(pdf);
    constexpr double tolerance = 0.3;
    const std::vector<QRectF> name = find(words, "Deniz Bilgisayar");
    ASSERT_EQ(name.size(), 2u) << "large in the frame and again in the company block";
    EXPECT_NEAR(name[0].center().x(), 10 + 96.71, tolerance);
    EXPECT_NEAR(name[1].left(), 10 + 46.83, tolerance);
    EXPECT_NEAR(name[1].top(), 10 + 33.60, tolerance);
    const std::vector<QRectF> model = find(words, "Intel Core i5");
    ASSERT_EQ(model.size(), 1u);
    EXPECT_NEAR(model[0].left(), 10 + 46.57, tolerance);
    EXPECT_NEAR(model[0].top(), 86.99 + 1.32, tolerance);
    const std::vector<QRectF> price = find(words, "250");
    ASSERT_EQ(price.size(), 1u);
    EXPECT_NEAR(price[0].right(), 10 + 171.98, tolerance);
    EXPECT_NEAR(price[0].top(), 86.99 + 6 * 6.35 + 1.32, tolerance);
    const std::vector<QRectF> converted = find(words, "611.240.000 TL");
    ASSERT_EQ(converted.size(), 1u);
    EXPECT_NEAR(converted[0].right(), 10 + 176.21, tolerance);
    EXPECT_NEAR(converted[0].top(), 86.99 + 138.91, tolerance);
    EXPECT_EQ(find(words, "Konak V.D.").size(), 1u);
    EXPECT_EQ(find(words, "Ayşe Kaya").size(), 1u);

    // Another configuration and company: nothing of the previous press remains.
    form->Btn(1)->click();
    runIdle();
    typeCompany(kPresets);
    expectNoPrinterWarning(print());
    expected = emptyPage(kPresets);
    expected["Label7"] = "Samsung 19\" (ikinci el)";
    expected["Label7_"] = "250";
    expected["LabelToplam"] = "250 $";
    expected["LabelToplam2"] = "295 $";
    EXPECT_EQ(labels(), expected);
    EXPECT_EQ(pagesStarted, 1) << "only the PDF above";
}

TEST_F(Printout, ASecondPressWhileAPageIsProducedChangesNothing) {
    pick(1);
    typeCompany(kPresets);
    print();
    const std::map<QString, QString> before = labels();
    ASSERT_EQ(before.at("Label1"), "Intel Core i5");

    std::optional<std::map<QString, QString>> meanwhile;
    QList<SeenBox> boxesMeanwhile;
    QObject::connect(page->QuickRep1(), &Report::printingStarted, [&] {
        if (meanwhile) return;
        form->Btn(1)->click();
        FrmPrintAyar()->Edit(1)->setText("Yeni Firma");
        runIdle();
        boxesMeanwhile = print();
        meanwhile = labels();
    });
    const QString pdf = output.filePath("ilk.pdf");
    ASSERT_TRUE(page->renderToPdf(pdf));
    ASSERT_TRUE(meanwhile.has_value());
    EXPECT_TRUE(boxesMeanwhile.isEmpty()) << "refused without a word";
    EXPECT_EQ(*meanwhile, before);
    const std::vector<Word> words = pdfWords(pdf);
    EXPECT_EQ(find(words, "Intel Core i5").size(), 1u);
    EXPECT_EQ(find(words, "Ornek Bilgisayar").size(), 2u);
    EXPECT_TRUE(find(words, "Yeni Firma").empty());

    // Once the page is out, the next press takes the new state.
    expectNoPrinterWarning(print());
    EXPECT_EQ(label("LabelF"), "Yeni Firma");
    EXPECT_EQ(label("Label1"), "-");
}

} // namespace
