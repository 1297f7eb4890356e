// A second program on the files of the run folder, for the tests that kill it or race it:
//   hardening_worker post SEED   edits, inserts and deletes rows of islemci in Data.mdb, forever
//   hardening_worker ini N       saves six company values in PcFirma.ssd, two sets in turn, forever
//   hardening_worker delete      waits for a line on its input, then deletes every row of islemci
//   hardening_worker bulk        starts the program off screen and empties every category through
//                                its bulk deletion dialog
// It works through the program's own Connection, Query and IniFile, and reports on its output,
// one line at a time, what the file holds before and after each step.
#include "app/Startup.h"
#include "catalogue/Connection.h"
#include "catalogue/Query.h"
#include "catalogue/UnitVeriSil.h"
#include "support/Fixtures.h"
#include "toolkit/Errors.h"
#include "toolkit/IniFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProgressBar>
#include <QRandomGenerator>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

using namespace teklifo;

namespace {

void say(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The model text carries its price, and is long enough now and then to run over several pages.
QString modelText(int price) {
    return QStringLiteral("Model %1 ").arg(price) + QString(price % 3000, u'x');
}

qint64 priceSum(const Query& q) {
    qint64 sum = 0;
    for (int i = 0; i < q.rowCount(); ++i)
        sum += q.displayText(i, QStringLiteral("FIYAT")).toLongLong();
    return sum;
}

// "I count sum" before a step, "D count sum" once it is written: the file holds one or the other.
int post(quint32 seed) {
    QRandomGenerator random(seed);
    Connection connection;
    Query q(&connection);
    q.setTableName(QStringLiteral("islemci"));
    q.open();
    say(QStringLiteral("D %1 %2").arg(q.rowCount()).arg(priceSum(q)));
    for (;;) {
        const int kind = random.bounded(10);
        const int price = random.bounded(1, 100000);
        const int count = q.rowCount();
        qint64 sum = priceSum(q);
        if (count > 0 && (kind < 4 || (kind >= 7 && count > 40))) {
            const int at = random.bounded(count);
            q.moveToIndex(at);
            const qint64 old = q.fieldText(QStringLiteral("FIYAT")).toLongLong();
            if (kind < 4) {
                say(QStringLiteral("I %1 %2").arg(count).arg(sum - old + price));
                q.edit();
                q.setFieldValue(QStringLiteral("PARCA"), modelText(price));
                q.setFieldValue(QStringLiteral("FIYAT"), QString::number(price));
                q.post();
            } else {
                say(QStringLiteral("I %1 %2").arg(count - 1).arg(sum - old));
                q.deleteRecord();
            }
        } else {
            say(QStringLiteral("I %1 %2").arg(count + 1).arg(sum + price));
            q.insert();
            q.setFieldValue(QStringLiteral("PARCA"), modelText(price));
            q.setFieldValue(QStringLiteral("FIYAT"), QString::number(price));
            q.post();
        }
        say(QStringLiteral("D %1 %2").arg(q.rowCount()).arg(priceSum(q)));
    }
}

const char* const companyKeys[] = {"F.Adı", "F.Adresi", "F.Tel.", "F.Vergi D.", "F.Vergi No", "F.Yetkilisi"};

// "S i" once the i-th save is on disk; saves of even i write set A, odd i set B.
int ini(int start) {
    IniFile file(QStringLiteral("PcFirma.ssd"));
    for (int i = start;; ++i) {
        QList<QPair<QString, QString>> values;
        for (int k = 0; k < 6; ++k) {
            // Set B is long, so that a save takes a while and a torn one would show.
            const QString value = i % 2 == 0 ? QStringLiteral("A%1 değer").arg(k)
                                             : QStringLiteral("B%1 ").arg(k) + QString(20000, u'ş');
            values.append({QString::fromUtf8(companyKeys[k]), value});
        }
        file.writeStrings(QStringLiteral("Firma Bilgileri"), values);
        say(QStringLiteral("S %1").arg(i));
    }
}

// "R count" when open, "E count" when all is deleted; on a refusal "X message".
int deleteAll() {
    Connection connection;
    Query q(&connection);
    q.setTableName(QStringLiteral("islemci"));
    q.open();
    say(QStringLiteral("R %1").arg(q.recordCount()));
    std::string line;
    std::getline(std::cin, line);
    q.first();
    while (!q.eof())
        q.deleteRecord();
    say(QStringLiteral("E %1").arg(q.recordCount()));
    return 0;
}

// "R" once the program is up, "B n" after the n-th row of a category is deleted, "E" at the end.
int bulk() {
    testing_support::MessageBoxWatcher boxes(QStringLiteral("Evet"));
    startUp();
    TFrmVeriSil* dialog = FrmVeriSil();
    QObject::connect(dialog->ProgressBar1, &QProgressBar::valueChanged, [](int value) {
        if (value > 0) say(QStringLiteral("B %1").arg(value));
    });
    dialog->SpeedButton1Click();
    say(QStringLiteral("R"));
    dialog->BtnSilClick();
    say(QStringLiteral("E"));
    shutDown();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool windows = argc > 1 && std::string(argv[1]) == "bulk";
    // The bulk deletion runs in the program's own windows, off screen.
    if (windows) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        windows ? createApplication(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QStringList args = app->arguments();
    const QString mode = args.value(1);
    try {
        if (mode == QLatin1String("post")) return post(args.value(2).toUInt());
        if (mode == QLatin1String("ini")) return ini(args.value(2).toInt());
        if (mode == QLatin1String("delete")) return deleteAll();
        if (mode == QLatin1String("bulk")) return bulk();
    } catch (const Error& e) {
        say(QStringLiteral("X ") + e.message());
        return 2;
    }
    std::fputs("usage: hardening_worker post SEED | ini START | delete | bulk\n", stderr);
    return 1;
}
