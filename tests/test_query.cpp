// The catalogue query against real SQLCipher files: cursor, locate, editing, deleting, and
// rows changed by another connection.
#include "catalogue/Connection.h"
#include "catalogue/Query.h"
#include "support/Fixtures.h"
#include "toolkit/Errors.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace teklifo;
using namespace testing_support;

namespace {

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        makeCatalogue(dir.file("Data.mdb"), {{1, {{"Intel i5", 100}, {"AMD Ryzen", 80.5}, {"intel I5", 90}}}});
    }
    std::unique_ptr<Query> openQuery(const QString& table = QStringLiteral("islemci")) {
        auto q = std::make_unique<Query>(&connection);
        q->setTableName(table);
        q->open();
        return q;
    }
    TempWorkDir dir;
    Connection connection;
};

TEST_F(QueryTest, OpenReadsTheWholeTableWithTheFirstRowCurrent) {
    auto q = openQuery();
    EXPECT_EQ(q->commandText(), "Select * From islemci");
    EXPECT_TRUE(connection.connected());
    EXPECT_EQ(q->recordCount(), 3);
    EXPECT_EQ(q->recNo(), 1);
    EXPECT_TRUE(q->bof());
    EXPECT_FALSE(q->eof());
    EXPECT_EQ(q->fieldText("PARCA"), "Intel i5");
    EXPECT_EQ(q->fieldText("FIYAT"), "100");
}

TEST_F(QueryTest, MovesSetBeginningAndEnd) {
    auto q = openQuery();
    QStringList seen;
    while (!q->eof()) {
        seen << q->fieldAsString("PARCA");
        q->next();
    }
    EXPECT_EQ(seen, QStringList({"Intel i5", "AMD Ryzen", "intel I5"}));
    EXPECT_EQ(q->recNo(), 3) << "at its end the last row stays current";
    q->prior();
    EXPECT_EQ(q->fieldText("FIYAT"), "80,5");
    EXPECT_FALSE(q->eof());
    q->first();
    EXPECT_TRUE(q->bof());
    q->prior();
    EXPECT_EQ(q->recNo(), 1);
    q->last();
    EXPECT_TRUE(q->eof());
    EXPECT_EQ(q->recNo(), 3);
    EXPECT_EQ(q->moveBy(-5), -2);
    EXPECT_EQ(q->recNo(), 1);
}

TEST_F(QueryTest, EmptyTableIsAtItsEnd) {
    auto q = openQuery("anakart");
    EXPECT_TRUE(q->eof());
    EXPECT_TRUE(q->isEmpty());
    EXPECT_EQ(q->recordCount(), 0);
    EXPECT_EQ(q->recNo(), -1);
    EXPECT_EQ(q->readToEnd("PARCA"), QStringList());
}

TEST_F(QueryTest, LocateIgnoresCaseMatchesWholeValuesAndAlwaysRefreshes) {
    auto q = openQuery();
    q->last();
    QSignalSpy refreshed(q.get(), &Query::recordChanged);
    EXPECT_TRUE(q->locate("PARCA", "INTEL I5"));
    EXPECT_EQ(q->recNo(), 1) << "the first match in the query's order";
    EXPECT_EQ(refreshed.count(), 1);
    EXPECT_TRUE(q->locate("PARCA", "intel i5"));
    EXPECT_EQ(refreshed.count(), 2) << "found again while current: shown again";
    EXPECT_FALSE(q->locate("PARCA", "Intel"));
    EXPECT_FALSE(q->locate("PARCA", ""));
    EXPECT_EQ(q->recNo(), 1);
    EXPECT_EQ(refreshed.count(), 2) << "no match: nothing moves, nothing refreshed";
}

TEST_F(QueryTest, TurkishDottedAndDotlessIMatchEitherCase) {
    makeCatalogue(dir.file("Data.mdb"), {{1, {{"İşlemci Işık", 1}}}});
    auto q = openQuery();
    q->last();
    EXPECT_TRUE(q->locate("PARCA", "işlemci ışık"));
    EXPECT_TRUE(q->locate("PARCA", "İŞLEMCİ IŞIK"));
}

TEST_F(QueryTest, DeleteMakesTheFollowingRowCurrentThePrecedingAtTheEnd) {
    auto q = openQuery();
    q->deleteRecord();
    EXPECT_EQ(q->fieldText("PARCA"), "AMD Ryzen");
    q->last();
    q->deleteRecord();
    EXPECT_EQ(q->fieldText("PARCA"), "AMD Ryzen");
    EXPECT_TRUE(q->eof());
    q->deleteRecord();
    EXPECT_TRUE(q->isEmpty());
    EXPECT_TRUE(q->eof());
    EXPECT_EQ(q->recordCount(), 0);
    EXPECT_TRUE(readTable(dir.file("Data.mdb"), "islemci").isEmpty()) << "each delete reached the file";
    EXPECT_THROW(q->deleteRecord(), DatabaseError);
}

TEST_F(QueryTest, InsertPostWritesTheRowAtOnce) {
    auto q = openQuery();
    q->next();
    q->insert();
    EXPECT_EQ(q->state(), DataSetState::Insert);
    EXPECT_EQ(q->recNo(), -1);
    EXPECT_EQ(q->recordCount(), 3);
    q->setFieldValue("PARCA", "Yeni Model Çğış");
    q->setFieldValue("FIYAT", "12,75");
    q->post();
    EXPECT_EQ(q->state(), DataSetState::Browse);
    EXPECT_EQ(q->recordCount(), 4);
    EXPECT_EQ(q->recNo(), 2) << "inserted at the current place";
    EXPECT_EQ(q->fieldText("FIYAT"), "12,75");
    const auto stored = readTable(dir.file("Data.mdb"), "islemci");
    ASSERT_EQ(stored.size(), 4);
    EXPECT_EQ(stored[3].parca.toString(), "Yeni Model Çğış");
    EXPECT_DOUBLE_EQ(stored[3].fiyat.toDouble(), 12.75);
}

TEST_F(QueryTest, EditPostAndCancel) {
    auto q = openQuery();
    q->edit();
    q->setFieldValue("FIYAT", "150");
    q->cancel();
    EXPECT_EQ(q->fieldText("FIYAT"), "100");
    q->edit();
    q->setFieldValue("FIYAT", "150");
    q->post();
    EXPECT_EQ(readTable(dir.file("Data.mdb"), "islemci")[0].fiyat.toDouble(), 150.0);
}

TEST_F(QueryTest, EditOnAnEmptyQueryStartsAnInsert) {
    auto q = openQuery("ram");
    q->edit();
    EXPECT_EQ(q->state(), DataSetState::Insert);
    q->cancel();
    EXPECT_TRUE(q->isEmpty());
    EXPECT_TRUE(q->eof());
}

TEST_F(QueryTest, AMovePostsAChangedRecordAndCancelsAnUnchangedOne) {
    auto q = openQuery();
    q->insert();
    q->next();
    EXPECT_EQ(q->state(), DataSetState::Browse);
    EXPECT_EQ(q->recordCount(), 3) << "an untouched new record is dropped";
    q->first();
    q->edit();
    q->setFieldValue("PARCA", "Intel i7");
    q->next();
    EXPECT_EQ(readTable(dir.file("Data.mdb"), "islemci")[0].parca.toString(), "Intel i7");
    EXPECT_EQ(q->fieldText("PARCA"), "AMD Ryzen");
}

TEST_F(QueryTest, AnInvalidPriceFailsThePostAndTheRecordStaysPending) {
    auto q = openQuery();
    q->edit();
    q->setFieldValue("FIYAT", "12a");
    try {
        q->post();
        FAIL() << "post accepted a price that is not a number";
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.message(), "'12a' is not a valid floating point value");
    }
    EXPECT_EQ(q->state(), DataSetState::Edit);
}

// Rows changed by another connection after they were read: the post or delete fails with a
// clear message, nothing is overwritten and the record stays pending.
TEST_F(QueryTest, RowsChangedElsewhereAreNotOverwritten) {
    struct Case {
        const char* name;
        const char* otherSql;
        bool isDelete;
    };
    const Case cases[] = {
        {"updated then edited", "UPDATE islemci SET FIYAT = 111 WHERE PARCA = 'Intel i5'", false},
        {"deleted then edited", "DELETE FROM islemci WHERE PARCA = 'Intel i5'", false},
        {"updated then deleted", "UPDATE islemci SET PARCA = 'X' WHERE PARCA = 'Intel i5'", true},
        {"deleted then deleted", "DELETE FROM islemci WHERE PARCA = 'Intel i5'", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Connection own;
        Query q(&own);
        q.setTableName("islemci");
        q.open();
        execOnCatalogue(dir.file("Data.mdb"), c.otherSql);
        const auto before = readTable(dir.file("Data.mdb"), "islemci");
        if (c.isDelete) {
            EXPECT_THROW(q.deleteRecord(), DatabaseError);
            EXPECT_EQ(q.recordCount(), 3);
        } else {
            q.edit();
            q.setFieldValue("FIYAT", "5");
            try {
                q.post();
                ADD_FAILURE() << "post overwrote a row changed elsewhere";
            } catch (const DatabaseError& e) {
                EXPECT_TRUE(e.message().contains("başka bir kullanıcı")) << e.message().toStdString();
            }
            EXPECT_EQ(q.state(), DataSetState::Edit);
        }
        const auto after = readTable(dir.file("Data.mdb"), "islemci");
        ASSERT_EQ(after.size(), before.size());
        for (int i = 0; i < after.size(); ++i)
            EXPECT_EQ(after[i].fiyat, before[i].fiyat);
    }
}

TEST_F(QueryTest, NullsNumbersAndExtraColumns) {
    execOnCatalogue(dir.file("Data.mdb"), "DROP TABLE ram; CREATE TABLE ram (ID INTEGER PRIMARY KEY, PARCA TEXT, "
                                          "FIYAT NUMERIC, NOTLAR TEXT DEFAULT 'x'); "
                                          "INSERT INTO ram (PARCA, FIYAT, NOTLAR) VALUES (NULL, NULL, 'kept'), "
                                          "('DDR', 0.1, 'kept2'), ('Büyük', 1e20, NULL)");
    auto q = openQuery("ram");
    EXPECT_EQ(q->fieldText("PARCA"), "");
    EXPECT_EQ(q->fieldText("FIYAT"), "");
    q->next();
    EXPECT_EQ(q->fieldText("FIYAT"), "0,1");
    q->edit();
    q->setFieldValue("PARCA", "DDR4");
    q->post();
    q->next();
    EXPECT_EQ(q->fieldText("FIYAT"), "1E20");
    EXPECT_THROW(q->fieldText("YOK"), DatabaseError);
    q->insert();
    q->setFieldValue("PARCA", "Yeni");
    q->post();
    EXPECT_EQ(q->fieldValue("NOTLAR").toString(), "x") << "the table's own default comes back";

    Connection check;
    check.open();
    Statement st(check.handle(), "SELECT NOTLAR FROM ram WHERE PARCA = 'DDR4'");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.column(0).toString(), "kept2") << "extra columns are carried untouched";
}

TEST_F(QueryTest, ClosedQueriesRefuseWorkAndCloseDropsPendingChanges) {
    Query q(&connection);
    q.setTableName("islemci");
    EXPECT_THROW(q.next(), DatabaseError);
    EXPECT_THROW(q.fieldText("PARCA"), DatabaseError);
    q.open();
    q.edit();
    q.setFieldValue("PARCA", "Kaybolacak");
    q.close();
    EXPECT_FALSE(q.isOpen());
    EXPECT_TRUE(connection.connected()) << "the connection stays open";
    EXPECT_EQ(readTable(dir.file("Data.mdb"), "islemci")[0].parca.toString(), "Intel i5");
}

// Opening never creates the file or a table, and says why it failed.
TEST(ConnectionTest, FailuresAreReportedAndCreateNothing) {
    TempWorkDir dir;
    Connection missing;
    try {
        missing.open();
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("bulunamadı")) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.file("Data.mdb")));

    makeCatalogue(dir.file("Data.mdb"), {}, "baska");
    Connection wrongKey;
    EXPECT_THROW(wrongKey.open(), DatabaseError);

    QFile junk(dir.file("Data.mdb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    Connection notADatabase;
    EXPECT_THROW(notADatabase.open(), DatabaseError);

    makeCatalogue(dir.file("Data.mdb"), {}, "zq_mev", {5});
    Connection connection;
    Query q(&connection);
    q.setTableName("floppy");
    try {
        q.open();
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("floppy")) << e.message().toStdString();
    }
    EXPECT_THROW(execOnCatalogue(dir.file("Data.mdb"), "SELECT * FROM floppy"), std::runtime_error)
        << "the missing table was not created";
}

} // namespace
