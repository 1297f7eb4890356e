// The quotation panel with 100,000 models in every category: a pick (locate, recomputation, idle
// pass), a type-ahead keystroke, and an idle pass that changes nothing, with its repaints.
// Prints the median and the slowest of each. Run by hand:
//   bench_quotation [models per category, default 100000]
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogue/DBEdit.h"
#include "catalogue/Query.h"
#include "support/Fixtures.h"
#include "toolkit/Application.h"
#include "tools/katalog/Katalog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace teklifo;

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median;
    double slowest;
};

Figures measure(int samples, const std::function<void(int)>& prepare, const std::function<void(int)>& run) {
    std::vector<double> micros;
    micros.reserve(samples);
    for (int i = 0; i < samples; ++i) {
        prepare(i);
        const auto start = Clock::now();
        run(i);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros.back()};
}

void report(const char* what, Figures f, const char* target) {
    std::printf("%-46s median %10.1f us   slowest %10.1f us   (target %s)\n", what, f.median, f.slowest,
                target);
}

// Counts the paint events of every widget of a window.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) {
        for (QWidget* w : window->findChildren<QWidget*>())
            w->installEventFilter(this);
        window->installEventFilter(this);
    }
    long count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void flush() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void typeKey(QWidget* widget, QChar c) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    auto app = createApplication(argc, argv);
    const int perCategory = argc > 1 ? std::atoi(argv[1]) : 100000;
    QApplication::setCursorFlashTime(0);

    testing_support::TempWorkDir dir;
    QElapsedTimer clock;
    clock.start();
    katalog::createDemoCatalogue(dir.file(QStringLiteral("Data.mdb")), true, perCategory);
    std::printf("catalogue of 19 x %d models written in %.1f s\n", perCategory, clock.elapsed() / 1000.0);

    clock.restart();
    testing_support::RunningProgram program;
    TForm1* form = Form1();
    form->activateWindow();
    if (!QTest::qWaitFor([form] { return QApplication::activeWindow() == form; }))
        std::printf("the main window did not become active\n");
    flush();
    std::printf("start-up (open, read and list 19 x %d models) in %.1f s\n", perCategory,
                clock.elapsed() / 1000.0);

    auto* application = Application::instance();
    QComboBox* combo = form->ComboBox(1);
    const int entries = combo->count();
    std::printf("ComboBox1 lists %d entries\n\n", entries);

    // A pick with the Down key on the closed selector: locate, recomputation, idle pass. The
    // demo rows are stored unsorted, so neighbouring entries lie anywhere in the query.
    combo->setFocus(Qt::TabFocusReason);
    combo->setCurrentIndex(entries / 3);
    const Figures firstPick = measure(
        1, [](int) {},
        [&](int) {
            QTest::keyClick(combo, Qt::Key_Down);
            application->runIdle();
        });
    report("first pick after opening (texts read once)", firstPick, "once per opening");
    const Figures pick = measure(
        301, [](int) {},
        [&](int) {
            QTest::keyClick(combo, Qt::Key_Down);
            application->runIdle();
        });
    report("pick (Down key, locate, totals, idle pass)", pick, "< 2000 us");

    // The slowest locate: the entry whose record is the query's last.
    const QString lastRecord =
        form->Tablo(1)->displayText(form->Tablo(1)->rowCount() - 1, QStringLiteral("PARCA"));
    const int lastIndex = combo->findText(lastRecord, Qt::MatchFixedString);
    const Figures worstPick = measure(
        51, [&](int) { combo->setCurrentIndex(lastIndex - 1); },
        [&](int) {
            QTest::keyClick(combo, Qt::Key_Down);
            application->runIdle();
        });
    report("pick of the query's last record", worstPick, "< 2000 us");

    // Type-ahead: the first keystroke after the list was filled folds the list once.
    QComboBox* combo2 = form->ComboBox(2);
    combo2->setFocus(Qt::TabFocusReason);
    combo2->lineEdit()->selectAll();
    const Figures first = measure(
        1, [](int) {},
        [&](int) {
            typeKey(combo2, QChar(u'z'));
            application->runIdle();
        });
    report("first keystroke into a freshly filled list", first, "once per fill");

    // Typing the last entry's text key by key from scratch: every key completes the entry (a
    // pick when the selection moves), the scan going down to the end of the list.
    const QString lastEntry = combo2->itemText(combo2->count() - 1);
    const int typed = int(std::min<qsizetype>(lastEntry.size(), 12));
    const Figures typeAhead = measure(
        typed * 25,
        [&](int i) {
            if (i % typed == 0)
                combo2->lineEdit()->selectAll();
        },
        [&](int i) {
            typeKey(combo2, lastEntry[i % typed]);
            application->runIdle();
        });
    report("type-ahead keystroke (towards the last entry)", typeAhead, "< 5000 us");

    // A key that begins nothing: the whole list is scanned, the key is typed, totals recomputed.
    const Figures miss = measure(
        201, [&](int) { combo2->lineEdit()->selectAll(); },
        [&](int) {
            typeKey(combo2, QChar(u'~'));
            application->runIdle();
        });
    report("keystroke that begins no entry", miss, "< 5000 us");
    std::printf("  selector shows \"%s\", price %s\n\n", qPrintable(combo2->currentText()),
                qPrintable(form->DBEditN(2)->text()));

    // An idle pass that changes nothing, and the repaints it causes.
    flush();
    application->runIdle();
    flush();
    PaintCounter paints(form);
    const Figures idle = measure(
        10001, [](int) {}, [&](int) { application->runIdle(); });
    flush();
    report("idle pass that changes nothing", idle, "< 50 us");
    std::printf("  repaints caused by %d such passes: %ld (target 0)\n", 10001, paints.count);
    return 0;
}
