// "Sistemi Yazdır" through a real printing system: a CUPS server whose default printer is a PDF
// printer (cups-pdf, as scripts/cups-setup makes it). The page that comes out of the printer
// carries the quotation. Without such a printer the test is skipped, and fails under CI.
#include "app/Startup.h"
#include "app/Unit1.h"
#include "dialogs/PrintAyar.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

using namespace teklifo;
using namespace testing_support;

namespace {

QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
                      process.exitCode() == 0;
    if (ok) *ok = done;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The folder cups-pdf writes this user's jobs into: its "Out" setting, with the user's home and
// name put in for ${HOME} and ${USER}.
QString cupsPdfFolder(const QString& queue) {
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    for (const QString& conf : {QStringLiteral("/etc/cups/cups-pdf.conf"),
                                QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(queue)}) {
        QFile file(conf);
        if (!file.open(QIODevice::ReadOnly)) continue;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            const auto match = QRegularExpression(QStringLiteral("^\\s*Out\\s+(\\S.*?)\\s*$")).match(line);
            if (match.hasMatch()) out = match.captured(1);
        }
    }
    const passwd* user = getpwuid(geteuid());
    if (user) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return out;
}

// The default printer's cups-pdf output folder, or why there is none.
struct PdfPrinter {
    QString folder;
    QString unavailable;
};

PdfPrinter findPdfPrinter() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return {{}, "no default printer: run scripts/cups-setup as root to start CUPS with a PDF printer"};
    bool ok = false;
    const QString device = run("lpstat", {"-v", printer.printerName()}, &ok);
    if (!ok || !device.contains("cups-pdf:/"))
        return {{},
                "the default printer " + printer.printerName() + " is not a cups-pdf printer (" +
                    device.trimmed() + "); run scripts/cups-setup as root"};
    // Drawn the default way, the printed texts become pictures of glyphs that no tool reads back.
    if (!run("lpoptions", {"-p", printer.printerName()}).contains("pdftops-renderer=pdftocairo"))
        return {{}, printer.printerName() + " prints its texts as pictures; run scripts/cups-setup as root"};
    return {cupsPdfFolder(printer.printerName()), {}};
}

bool underCi() {
    const QString ci = qEnvironmentVariable("CI").toLower();
    return !ci.isEmpty() && ci != "false" && ci != "0";
}

// The text of the first PDF in folder, written since `since`, that contains token.
QString waitForPrintedPage(const QString& folder, const QDateTime& since, const QString& token,
                           QString* file) {
    // cups-pdf runs the job through ghostscript in the background: allow it a generous minute.
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        for (const QFileInfo& pdf : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time)) {
            if (pdf.lastModified() < since) break;
            bool ok = false;
            const QString text = run("pdftotext", {"-layout", pdf.filePath(), "-"}, &ok);
            if (ok && text.contains(token)) {
                *file = pdf.filePath();
                return text;
            }
        }
        spin(250);
    }
    return {};
}

TEST(PrintoutOnCups, SistemiYazdirPutsTheQuotationOutOfTheDefaultPrinter) {
    const PdfPrinter printer = findPdfPrinter();
    if (!printer.unavailable.isEmpty()) {
        if (underCi()) FAIL() << "CI must print through CUPS, but " << printer.unavailable.toStdString();
        GTEST_SKIP() << printer.unavailable.toStdString();
    }

    TempWorkDir work;
    QTemporaryDir companyDir;
    setCompanyFileName(companyDir.filePath("PcFirma.ssd"));
    makeCatalogue(work.file("Data.mdb"), {{1, {{"Intel Core i5", 100}}}, {7, {{"Samsung 19\"", 250}}}});
    RunningProgram program;
    TForm1* form = Form1();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([form] { return QApplication::activeWindow() == form; }));
    for (int row : {1, 7})
        pickEntryWithMouse(form->ComboBox(row), 0);
    // A company name no earlier page carries, to tell this page from others in the folder.
    const QString token = "Firma-" + QUuid::createUuid().toString(QUuid::Id128).left(12);
    FrmPrintAyar()->Edit(1)->setText(token);

    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    MessageBoxWatcher boxes;
    QTest::mouseClick(form->Button5, Qt::LeftButton);
    EXPECT_TRUE(boxes.seen().isEmpty());
    setCompanyFileName({});

    QString file;
    const QString text = waitForPrintedPage(printer.folder, since, token, &file);
    ASSERT_FALSE(text.isEmpty()) << "no page with " << token.toStdString() << " came out into "
                                 << printer.folder.toStdString();

    // Letters outside the Western code page (ş, ı, ğ, İ) don't survive the printing system's way
    // to PostScript as text, so the texts looked for are those without them.
    EXPECT_EQ(text.count(token), 2) << "in the frame and in the company block";
    for (const char* expected : {"Deneme Mah. 1323 Sok. No 15 Muratpa", "242 - 222 22 22", "12345678901",
                                 "Intel Core i5", "Samsung 19\"", "Kalvye-Mouse", "350 $", "413 $"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral(":\\s*-\\s+0\\s+\\$"))), 17) << text.toStdString();

    const QString info = run("pdfinfo", {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size:\\s+59[45](\\.\\d+)? x 84[12](\\.\\d+)? pts"))))
        << info.toStdString();
    QFile::remove(file);
}

} // namespace
