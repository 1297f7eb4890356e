// Start-up of the program until its first idle pass, and its peak memory, on catalogues of
// 19 × 0, 1,000, 10,000 and 100,000 models; beside it the floor: an empty Qt window until its
// first idle, plus a bare read of the same rows with the SQLCipher C API.
//
// Run: bench_startup [RUNS]   (each measurement is a fresh process; medians are printed)
#include "app/Categories.h"
#include "app/Startup.h"
#include "catalogue/Connection.h"
#include "tools/katalog/Katalog.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <sys/resource.h>
#include <vector>

using namespace teklifo;

static long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Prints "<seconds> <peak KiB>" once the event loop first runs empty.
static int untilFirstIdle(QApplication& app, QElapsedTimer& clock) {
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &app,
                     [&] {
                         std::printf("%.6f %ld\n", clock.nsecsElapsed() / 1e9, peakKiB());
                         std::fflush(stdout);
                         app.exit(0);
                     });
    return app.exec();
}

static int childProgram(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    auto app = createApplication(argc, argv);
    QDir::setCurrent(QString::fromLocal8Bit(argv[3]));
    startUp();
    const int code = untilFirstIdle(*app, clock);
    shutDown();
    return code;
}

static int childWindow(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QWidget window;
    window.resize(726, 485);
    window.show();
    return untilFirstIdle(app, clock);
}

static int childRead(char** argv) {
    QElapsedTimer clock;
    clock.start();
    const QString path = QDir(QString::fromLocal8Bit(argv[3])).filePath(QStringLiteral("Data.mdb"));
    sqlite3* db = Connection::openFile(path, Connection().password(), false);
    long rows = 0;
    double sum = 0;
    for (const PartCategory& c : Categories) {
        sqlite3_stmt* st = nullptr;
        const QByteArray sql = "SELECT rowid, * FROM " + QByteArray(c.table);
        sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            ++rows;
            sum += sqlite3_column_bytes(st, 1) + sqlite3_column_double(st, 2);
            (void)sqlite3_column_text(st, 1);
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    std::printf("%.6f %ld\n", clock.nsecsElapsed() / 1e9, peakKiB());
    std::fprintf(stderr, "%ld rows read (%.0f)\n", rows, sum);
    return 0;
}

struct Figure {
    double seconds;
    long kib;
};

static Figure median(const QString& self, const QStringList& args, int runs) {
    std::vector<double> seconds;
    std::vector<long> kib;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        p.start(self, args);
        p.waitForFinished(-1);
        const QList<QByteArray> parts = p.readAllStandardOutput().trimmed().split(' ');
        if (parts.size() != 2) {
            std::fprintf(stderr, "measurement failed: %s\n", p.readAllStandardError().constData());
            return {0, 0};
        }
        seconds.push_back(parts[0].toDouble());
        kib.push_back(parts[1].toLong());
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(kib.begin(), kib.end());
    return {seconds[seconds.size() / 2], kib[kib.size() / 2]};
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (argc >= 4 && std::string(argv[1]) == "--child") {
        const std::string mode = argv[2];
        if (mode == "program")
            return childProgram(argc, argv);
        if (mode == "window")
            return childWindow(argc, argv);
        return childRead(argv);
    }
    QCoreApplication core(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const QString self = QCoreApplication::applicationFilePath();

    std::printf("%-10s %12s %10s %12s %12s %10s %8s\n", "models", "start-up s", "peak MiB", "window s", "read s",
                "floor s", "ratio");
    for (int perCategory : {0, 1000, 10000, 100000}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Data.mdb"));
        // The run folder of a real installation: the catalogue and the navigator pictures.
        QDir().mkpath(dir.filePath(QStringLiteral("Btn")));
        const QDir pictures(QStringLiteral(TEKLIFO_SOURCE_DIR "/assets/Btn"));
        for (const QString& file : pictures.entryList(QDir::Files))
            QFile::copy(pictures.filePath(file), dir.filePath(QStringLiteral("Btn/") + file));
        if (perCategory == 0)
            katalog::createCatalogue(path, true);
        else
            katalog::createDemoCatalogue(path, true, perCategory);
        const Figure program = median(self, {"--child", "program", dir.path()}, runs);
        const Figure window = median(self, {"--child", "window", dir.path()}, runs);
        const Figure read = median(self, {"--child", "read", dir.path()}, runs);
        const double floor = window.seconds + read.seconds;
        std::printf("19 x %-5d %12.3f %10.1f %12.3f %12.3f %10.3f %8.2f\n", perCategory, program.seconds,
                    program.kib / 1024.0, window.seconds, read.seconds, floor, program.seconds / floor);
        std::fflush(stdout);
    }
    return 0;
}
