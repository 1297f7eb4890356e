// Crash safety: a second program posting to Data.mdb, emptying categories through the bulk
// deletion, or saving the company file, is killed with SIGKILL at random moments. Every time the
// file opens again, passes SQLite's own integrity check and holds whole rows, and exactly the
// changes that were reported or the one under way.
#include "app/Categories.h"
#include "catalogue/Connection.h"
#include "helpers/WorkerProcess.h"
#include "support/Fixtures.h"
#include "toolkit/IniFile.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace teklifo;
using namespace testing_support;
using hardening::WorkerProcess;

namespace {

// The worker's rows carry their price in their model text.
QString modelText(qint64 price) {
    return QStringLiteral("Model %1 ").arg(price) + QString(int(price % 3000), u'x');
}

QStringList integrityCheck(const QString& path) {
    sqlite3* db = Connection::openFile(path, QStringLiteral("zq_mev"), false);
    QStringList result;
    {
        Statement st(db, QStringLiteral("PRAGMA integrity_check"));
        while (st.step())
            result << st.column(0).toString();
    }
    sqlite3_close(db);
    return result;
}

struct State {
    qint64 count = -1;
    qint64 sum = -1;
    bool operator==(const State&) const = default;
};

State stateOf(const QString& line) {
    const QStringList parts = line.split(u' ');
    return parts.size() == 3 ? State{parts[1].toLongLong(), parts[2].toLongLong()} : State{};
}

TEST(CrashSafety, KilledWhilePostingLeavesAWholeFileAndWholeRows) {
    TempWorkDir dir;
    const QString data = dir.file("Data.mdb");
    QList<Row> seed;
    for (int price : {5, 1500, 2999})
        seed.append({modelText(price), price});
    makeCatalogue(data, {{1, seed}});

    QRandomGenerator random(1905); // the same moments on every run
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        WorkerProcess worker(dir.path(), {QStringLiteral("post"), QString::number(round)});
        // Kill right after the n-th report: where in its work the worker then is, is chance.
        const int reports = random.bounded(2, 60);
        QStringList lines;
        for (int i = 0; i < reports; ++i) {
            lines << worker.readLine();
            ASSERT_FALSE(lines.last().isEmpty());
        }
        worker.kill();
        ASSERT_TRUE(worker.crashed());
        lines << worker.remainingLines();

        // Written for sure: the last "D"; perhaps also the "I" that followed it.
        State done, intended;
        for (const QString& line : lines) {
            if (line.startsWith(u'D')) {
                done = stateOf(line);
                intended = {};
            } else if (line.startsWith(u'I')) {
                intended = stateOf(line);
            }
        }
        ASSERT_NE(done, State{});

        EXPECT_EQ(integrityCheck(data), QStringList({"ok"}));
        const QList<Row> rows = readTable(data, QStringLiteral("islemci"));
        State found{rows.size(), 0};
        for (const Row& r : rows) {
            found.sum += r.fiyat.toLongLong();
            EXPECT_EQ(r.parca.toString(), modelText(r.fiyat.toLongLong())) << "a row written in part";
        }
        EXPECT_TRUE(found == done || (intended != State{} && found == intended))
            << "file " << found.count << "/" << found.sum << ", reported " << done.count << "/" << done.sum;
    }
}

TEST(CrashSafety, KilledDuringABulkDeletionLeavesEachCategoryEmptiedFromItsFirstRow) {
    TempWorkDir dir;
    const QString data = dir.file("Data.mdb");
    const QList<int> filled = {1, 4, 7, 19};
    Catalogue catalogue;
    for (int position : filled)
        for (int i = 0; i < 30; ++i)
            catalogue[position].append({QStringLiteral("K%1-%2").arg(position).arg(i), position * 1000 + i});
    const int total = int(filled.size()) * 30;

    QRandomGenerator random(1881);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        makeCatalogue(data, catalogue);
        WorkerProcess worker(dir.path(), {QStringLiteral("bulk")});
        ASSERT_EQ(worker.readLine(), "R");
        const int reports = random.bounded(1, total);
        for (int i = 0; i < reports; ++i)
            ASSERT_TRUE(worker.readLine().startsWith(u'B'));
        worker.kill();
        ASSERT_TRUE(worker.crashed());
        int deleted = reports;
        for (const QString& line : worker.remainingLines())
            deleted += line.startsWith(u'B') ? 1 : 0;

        EXPECT_EQ(integrityCheck(data), QStringList({"ok"}));
        // In position order: emptied, then one at work (its first rows gone), then untouched.
        int left = 0;
        bool reachedUntouched = false;
        for (int position : filled) {
            SCOPED_TRACE(position);
            const QList<Row> rows = readTable(data, QString::fromLatin1(category(position).table));
            const QList<Row>& original = catalogue[position];
            ASSERT_LE(rows.size(), original.size());
            for (qsizetype i = 0; i < rows.size(); ++i) {
                const Row& expected = original[original.size() - rows.size() + i];
                EXPECT_EQ(rows[i].parca, expected.parca);
                EXPECT_EQ(rows[i].fiyat.toDouble(), expected.fiyat.toDouble());
            }
            if (reachedUntouched) {
                EXPECT_EQ(rows.size(), original.size()) << "a later category was touched";
            }
            reachedUntouched = reachedUntouched || !rows.isEmpty();
            left += int(rows.size());
        }
        // Every reported deletion is in the file; at most the one under way besides.
        EXPECT_TRUE(total - left == deleted || total - left == deleted + 1)
            << total - left << " deleted, " << deleted << " reported";
        QFile::remove(data + "-wal");
        QFile::remove(data + "-shm");
    }
}

const char* const companyKeys[] = {"F.Adı", "F.Adresi", "F.Tel.", "F.Vergi D.", "F.Vergi No", "F.Yetkilisi"};

TEST(CrashSafety, KilledWhileSavingTheCompanyFileLeavesTheOldOrTheNewValues) {
    TempWorkDir dir;
    const QString path = dir.file("PcFirma.ssd");
    QRandomGenerator random(1923);
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        WorkerProcess worker(dir.path(), {QStringLiteral("ini"), QString::number(round)});
        const int saves = random.bounded(1, 8);
        for (int i = 0; i < saves; ++i)
            ASSERT_TRUE(worker.readLine().startsWith(u'S'));
        worker.kill();
        ASSERT_TRUE(worker.crashed());

        IniFile file(path);
        QStringList values;
        for (const char* key : companyKeys)
            values << file.readString(QStringLiteral("Firma Bilgileri"), QString::fromUtf8(key),
                                      QStringLiteral("?"));
        bool setA = true, setB = true;
        for (int k = 0; k < 6; ++k) {
            setA = setA && values[k] == QStringLiteral("A%1 değer").arg(k);
            // Values are read back cut to 2047 characters.
            setB = setB && values[k] == (QStringLiteral("B%1 ").arg(k) + QString(20000, u'ş')).left(2047);
        }
        EXPECT_TRUE(setA || setB) << values.join(u'|').left(300).toStdString();
    }
}

} // namespace
