// Two programs on one Data.mdb: a second connection, or the worker process, changes the rows that
// a query holds. A conflicting post or delete fails with a clear message and overwrites nothing;
// a reader during a long deletion sees a consistent snapshot; the file stays whole.
#include "catalogue/Connection.h"
#include "catalogue/Query.h"
#include "helpers/WorkerProcess.h"
#include "support/Fixtures.h"
#include "toolkit/Errors.h"

#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

using namespace teklifo;
using namespace testing_support;
using hardening::WorkerProcess;

namespace {

const QString kChanged = QStringLiteral("başka bir kullanıcı tarafından değiştirilmiş ya da silinmiş");

// One program: its own connection and its islemci query, open on the run folder's Data.mdb.
struct Program {
    Connection connection;
    Query query{&connection};
    Program() {
        query.setTableName(QStringLiteral("islemci"));
        query.open();
    }
    void change(const QString& parca, double fiyat) {
        query.edit();
        query.setFieldValue(QStringLiteral("PARCA"), parca);
        query.setFieldValue(QStringLiteral("FIYAT"), fiyat);
        query.post();
    }
};

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const DatabaseError& e) {
        return e.message();
    }
    return {};
}

class TwoPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        makeCatalogue(dir.file("Data.mdb"), {{1, {{"Athlon", 100}, {"Celeron", 50}, {"Sempron", 70}}}});
        first = std::make_unique<Program>();
        second = std::make_unique<Program>();
    }
    QList<Row> stored() { return readTable(dir.file("Data.mdb"), QStringLiteral("islemci")); }

    TempWorkDir dir;
    std::unique_ptr<Program> first, second;
};

TEST_F(TwoPrograms, BothEditTheSameRowTheSecondPostFails) {
    first->query.moveToIndex(1);
    second->query.moveToIndex(1);
    first->change("Celeron D", 55);
    const QString error = errorOf([&] { second->change("Celeron M", 60); });
    EXPECT_TRUE(error.contains(kChanged)) << error.toStdString();
    EXPECT_EQ(second->query.state(), DataSetState::Edit) << "the typed values stay, to cancel or retry";
    EXPECT_EQ(second->query.fieldText("PARCA"), "Celeron M");
    const QList<Row> rows = stored();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1].parca, "Celeron D");
    EXPECT_EQ(rows[1].fiyat, 55.0);

    // Cancelled and read again, the second program edits the first one's row.
    second->query.cancel();
    second->query.close();
    second->query.open();
    second->query.moveToIndex(1);
    second->change("Celeron M", 60);
    EXPECT_EQ(stored()[1].parca, "Celeron M");
}

TEST_F(TwoPrograms, OneDeletesARowTheOtherEditsIt) {
    struct Case {
        const char* name;
        bool deleteFirst;
        QStringList left; // PARCA of the rows stored at the end
    };
    const Case cases[] = {
        {"deleted, then edited: the edit fails, the row stays gone", true, {"Athlon", "Sempron"}},
        {"edited, then deleted: the delete fails, the edit stays", false, {"Athlon", "Celeron D", "Sempron"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Both programs end before their file is made anew.
        first.reset();
        second.reset();
        SetUp();
        first->query.moveToIndex(1);
        second->query.moveToIndex(1);
        QString error;
        if (c.deleteFirst) {
            second->query.deleteRecord();
            error = errorOf([&] { first->change("Celeron D", 55); });
            EXPECT_EQ(first->query.state(), DataSetState::Edit);
        } else {
            first->change("Celeron D", 55);
            error = errorOf([&] { second->query.deleteRecord(); });
            EXPECT_EQ(second->query.recordCount(), 3) << "the row it could not delete is still listed";
        }
        EXPECT_TRUE(error.contains(kChanged)) << error.toStdString();
        QStringList left;
        for (const Row& r : stored())
            left << r.parca.toString();
        EXPECT_EQ(left, c.left);
    }
}

TEST_F(TwoPrograms, APostWhileTheOtherHoldsTheFileSaysItIsLocked) {
    sqlite3* holder = Connection::openFile(dir.file("Data.mdb"), QStringLiteral("zq_mev"), false);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    const QString error = errorOf([&] { first->change("Kilitli", 1); });
    EXPECT_TRUE(error.contains(QStringLiteral("başka bir işlem tarafından kilitli"))) << error.toStdString();
    EXPECT_EQ(first->query.state(), DataSetState::Edit);
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);

    first->query.post(); // the same values, now that the file is free
    EXPECT_EQ(stored()[0].parca, "Kilitli");
    // Reading goes on while another program writes.
    EXPECT_EQ(second->query.fieldText("PARCA"), "Athlon") << "the snapshot read at opening";
}

TEST(SharedFile, AReaderDuringALongDeletionSeesAConsistentSnapshot) {
    TempWorkDir dir;
    QList<Row> rows;
    for (int i = 0; i < 3000; ++i)
        rows.append({QStringLiteral("Model %1").arg(i), i});
    makeCatalogue(dir.file("Data.mdb"), {{1, rows}});

    WorkerProcess worker(dir.path(), {QStringLiteral("delete")});
    ASSERT_EQ(worker.readLine(), "R 3000");
    worker.write("go\n");
    // The worker deletes from the first row on: every snapshot is the end of the table as it was.
    int reads = 0, lastCount = 3000;
    bool finished = false;
    std::unique_ptr<Connection> connection;
    while (!finished) {
        // Whether the deletion had ended before this read began.
        for (const QString& line : worker.availableLines()) {
            ASSERT_FALSE(line.startsWith(u'X')) << line.toStdString();
            finished = finished || line.startsWith(u'E');
        }
        ASSERT_TRUE(finished || worker.running()) << worker.errors().toStdString();
        // Now and then a program that opens the file anew.
        if (reads % 8 == 0) connection = std::make_unique<Connection>();
        Query q(connection.get());
        q.setTableName(QStringLiteral("islemci"));
        const QString error = errorOf([&] { q.open(); });
        if (!error.isEmpty()) {
            EXPECT_TRUE(error.contains(QStringLiteral("kilitli"))) << error.toStdString();
            continue;
        }
        ++reads;
        const int count = q.recordCount();
        ASSERT_LE(count, lastCount) << "a deleted row came back";
        lastCount = count;
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(q.displayText(i, "PARCA"), QStringLiteral("Model %1").arg(3000 - count + i));
    }
    EXPECT_EQ(lastCount, 0);
    EXPECT_GT(reads, 0);
    EXPECT_TRUE(readTable(dir.file("Data.mdb"), QStringLiteral("islemci")).isEmpty());
}

} // namespace
