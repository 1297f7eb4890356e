// Timings of the catalogue editor on a catalogue of 19 × 10,000 models: emptying all nineteen
// categories with the bulk deletion, and "Pc Hazırla" reloading the catalogue; also painting
// the grid over a table of 100,000 rows. Prints the median of several runs of each.
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogue/Connection.h"
#include "catalogue/DBGrid.h"
#include "catalogue/DataSource.h"
#include "catalogue/Query.h"
#include "catalogue/UnitVeriSil.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"
#include "tools/katalog/Katalog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QProgressBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace teklifo;
using namespace testing_support;

namespace {

constexpr int PerCategory = 10000;

double milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* name, const std::vector<double>& runs) {
    std::printf("%-58s median %8.1f ms  (runs:", name, median(runs));
    for (double r : runs)
        std::printf(" %.1f", r);
    std::printf(")\n");
    std::fflush(stdout);
}

// Each run starts the program on a fresh copy of the full catalogue.
void startOnCopy(const QString& master, const QString& path) {
    QFile::remove(path);
    QFile::remove(path + "-wal");
    QFile::remove(path + "-shm");
    QFile::copy(master, path);
    startUp();
}

void bulkDeletion(const QString& master, const QString& path) {
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        startOnCopy(master, path);
        Form1()->Button1->click();
        TFrmVeriSil* dialog = FrmVeriSil();
        dialog->show(); // so the label and the bar really paint while the run goes on
        QApplication::processEvents();
        dialog->SpeedButton1->click();
        MessageBoxWatcher yes("Evet");
        runs.push_back(milliseconds([&] { dialog->BtnSil->click(); }));
        if (Form1()->Tablo(19)->recordCount() != 0 || dialog->ProgressBar1->value() != 0)
            std::printf("the run did not empty the catalogue\n");
        dialog->hide();
        shutDown();
    }
    report("bulk deletion, 19 x 10,000 models (target < 3000 ms)", runs);
}

void pcHazirla(const QString& master, const QString& path) {
    startOnCopy(master, path);
    std::vector<double> runs;
    for (int run = 0; run < 7; ++run) {
        Form1()->Button1->click();
        runs.push_back(milliseconds([] { Form1()->BitBtn1->click(); }));
        if (Form1()->ComboBox(1)->count() != PerCategory) std::printf("the selectors were not refilled\n");
    }
    shutDown();
    report("\"Pc Hazırla\", 19 x 10,000 models (target < 300 ms)", runs);
}

void gridPaint(const QString& path) {
    QList<Row> rows;
    rows.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        rows.append({QStringLiteral("Model %1").arg(i), i * 0.5});
    makeCatalogue(path, {{1, rows}});
    Connection connection;
    Query query(&connection);
    query.setTableName("islemci");
    query.open();
    DataSource source;
    source.setDataSet(&query);
    TSrDBGrid grid;
    grid.setColumns({{"PARCA", " Ürün Marka / Modeli", 550}, {"FIYAT", " Tutarı ($)", 83}});
    grid.setDataSource(&source);
    grid.resize(657, 241);
    grid.show();
    QApplication::processEvents();
    std::vector<double> runs;
    for (int run = 0; run < 9; ++run)
        runs.push_back(milliseconds([&] {
            query.moveToIndex(run * 10000 + 5000);
            grid.viewport()->repaint();
        }));
    report("grid: move and repaint over 100,000 rows", runs);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    auto app = createApplication(argc, argv);

    TempWorkDir dir;
    const QString master = dir.file("katalog.mdb");
    std::printf("building the catalogue (19 x %d models)...\n", PerCategory);
    std::fflush(stdout);
    katalog::createDemoCatalogue(master, true, PerCategory);

    bulkDeletion(master, dir.file("Data.mdb"));
    pcHazirla(master, dir.file("Data.mdb"));
    gridPaint(dir.file("grid.mdb"));
    return 0;
}
