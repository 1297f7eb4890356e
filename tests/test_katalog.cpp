// teklifo-katalog: creating, filling, importing and exporting catalogue databases, on real
// SQLCipher files in temporary folders.
#include "app/Categories.h"
#include "catalogue/Connection.h"
#include "toolkit/Errors.h"
#include "tools/katalog/Katalog.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace teklifo;
using namespace teklifo::katalog;

namespace {

struct Outcome {
    int code;
    QString out;
    QString err;
};

Outcome runTool(const QStringList& args) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = run(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Handle {
    sqlite3* db;
    ~Handle() { sqlite3_close(db); }
};

void insertRows(const QString& path, const QList<int>& positions, const QList<Model>& models) {
    Handle h{Connection::openFile(path, Connection().password(), false)};
    for (int position : positions) {
        Statement insert(h.db, QStringLiteral("INSERT INTO %1 (PARCA, FIYAT) VALUES (?, ?)")
                                   .arg(QLatin1String(category(position).table)));
        for (const Model& m : models) {
            insert.bindAll({m.parca, m.fiyat});
            insert.step();
            insert.reset();
        }
    }
}

int totalRows(const QList<QList<Model>>& tables) {
    int total = 0;
    for (const QList<Model>& table : tables)
        total += int(table.size());
    return total;
}

int totalRows(const QString& path) {
    return totalRows(readCatalogue(path));
}

bool hasTurkishLetter(const QString& text) {
    for (const QChar c : QStringLiteral("çğıİöşüÇĞÖŞÜ"))
        if (text.contains(c)) return true;
    return false;
}

class Katalog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(Katalog, InitCreatesNineteenEmptyTablesOpenedOnlyWithThePassword) {
    const QString db = path(QStringLiteral("Data.mdb"));
    const Outcome r = runTool({QStringLiteral("init"), db});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());

    // The program's own connection settings open it.
    Connection connection(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False;"
                       "Jet OLEDB:Database Password=zq_mev")
            .arg(db));
    connection.open();
    QStringList tables;
    Statement schema(connection.handle(),
                     QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid"));
    while (schema.step())
        tables << schema.column(0).toString();
    QStringList expected;
    for (const PartCategory& c : Categories)
        expected << QString::fromLatin1(c.table);
    EXPECT_EQ(tables, expected);
    for (const PartCategory& c : Categories) {
        Statement columns(connection.handle(),
                          QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(c.table)));
        QStringList found;
        while (columns.step())
            found << columns.column(1).toString() + u' ' + columns.column(2).toString();
        EXPECT_EQ(found, QStringList({QStringLiteral("PARCA TEXT"), QStringLiteral("FIYAT REAL")}))
            << c.table;
    }
    connection.close();
    EXPECT_EQ(readCatalogue(db), QList<QList<Model>>(CategoryCount));

    EXPECT_THROW(Connection::openFile(db, QStringLiteral("zq_mew"), false), DatabaseError);
    // Without a key the file is no database at all: its pages are encrypted.
    EXPECT_FALSE(readFile(db).startsWith("SQLite format 3"));
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(db).constData(), &raw, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    EXPECT_NE(sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
}

TEST_F(Katalog, WithoutAFileNameTheCommandsUseDataMdbInTheCurrentFolder) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    writeFile(path(QStringLiteral("in.csv")), "PARCA;FIYAT\r\nKasa Midi Tower Çelik;45\r\n");
    const Outcome init = runTool({QStringLiteral("init")});
    const Outcome import =
        runTool({QStringLiteral("import"), QStringLiteral("kasa"), QStringLiteral("in.csv")});
    const Outcome exported =
        runTool({QStringLiteral("export"), QStringLiteral("8"), QStringLiteral("out.csv")});
    QDir::setCurrent(previous);

    EXPECT_EQ(init.code, 0) << init.err.toStdString();
    EXPECT_EQ(import.code, 0) << import.err.toStdString();
    EXPECT_EQ(exported.code, 0) << exported.err.toStdString();
    EXPECT_EQ(readTable(path(QStringLiteral("Data.mdb")), 8),
              QList<Model>({{QStringLiteral("Kasa Midi Tower Çelik"), 45}}));
    EXPECT_EQ(readFile(path(QStringLiteral("out.csv"))), readFile(path(QStringLiteral("in.csv"))));
}

TEST_F(Katalog, DemoFillsEveryTableWithPlausibleUnsortedModels) {
    const QString db = path(QStringLiteral("Data.mdb"));
    const Outcome r = runTool({QStringLiteral("demo"), db});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();

    const QList<QList<Model>> tables = readCatalogue(db);
    bool anyDecimals = false;
    int withTurkishLetters = 0;
    for (const PartCategory& c : Categories) {
        const QList<Model>& models = tables[c.position - 1];
        SCOPED_TRACE(c.table);
        EXPECT_GE(models.size(), 20);
        EXPECT_LE(models.size(), 40);
        EXPECT_EQ(models, demoModels(c.position, defaultDemoCount(c.position)));
        QStringList texts;
        for (const Model& m : models) {
            EXPECT_GT(m.fiyat, 1.0);
            EXPECT_LT(m.fiyat, 600.0);
            anyDecimals = anyDecimals || m.fiyat != std::floor(m.fiyat);
            withTurkishLetters += hasTurkishLetter(m.parca);
            texts << m.parca;
        }
        EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()).size(), texts.size()) << "distinct models";
        QStringList sorted = texts;
        sorted.sort(Qt::CaseInsensitive);
        EXPECT_NE(texts, sorted);
    }
    EXPECT_TRUE(anyDecimals);
    EXPECT_GE(withTurkishLetters, 50);
    bool champion = false;
    for (const Model& m : tables[18])
        champion = champion || m.parca == QStringLiteral("Güç Kaynağı 500W Şampiyon");
    EXPECT_TRUE(champion);
}

TEST_F(Katalog, DemoWithACountHasExactlyThatManyDistinctModelsPerCategory) {
    const QString db = path(QStringLiteral("Data.mdb"));
    for (int count : {1, 37, 1000}) {
        const Outcome r = runTool({QStringLiteral("demo"), db, QStringLiteral("--adet"),
                                   QString::number(count), QStringLiteral("--uzerine-yaz")});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QList<QList<Model>> tables = readCatalogue(db);
        for (const PartCategory& c : Categories) {
            const QList<Model>& models = tables[c.position - 1];
            QSet<QString> texts;
            for (const Model& m : models)
                texts.insert(m.parca);
            EXPECT_EQ(models.size(), count) << c.table;
            EXPECT_EQ(texts.size(), count) << c.table;
        }
    }
    // The temporary file a catalogue is built in is gone.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Data.mdb")});
}

TEST_F(Katalog, ExportWritesPricesAsTheProgramShowsThemAndImportReadsThemBack) {
    const QString db = path(QStringLiteral("Data.mdb"));
    createCatalogue(db, false);
    const QList<Model> models = {
        {QStringLiteral("Kasa \"Midi\" Çelik; Siyah"), 149.9},
        {QStringLiteral("İşlemci ığüşöç ĞÜŞİÖÇ"), 80},
        {QStringLiteral("Çok\nsatırlı"), 0.5},
        {QString(), 1234567.25},
    };
    insertRows(db, {8}, models);

    const QString csv = path(QStringLiteral("kasa.csv"));
    const Outcome exported = runTool({QStringLiteral("export"), QStringLiteral("kasa"), csv, db});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.out.contains(u"4 model")) << exported.out.toStdString();
    EXPECT_EQ(QString::fromUtf8(readFile(csv)), QStringLiteral("PARCA;FIYAT\r\n"
                                                               "\"Kasa \"\"Midi\"\" Çelik; Siyah\";149,9\r\n"
                                                               "İşlemci ığüşöç ĞÜŞİÖÇ;80\r\n"
                                                               "\"Çok\nsatırlı\";0,5\r\n"
                                                               ";1234567,25\r\n"));

    const QString copy = path(QStringLiteral("kopya.mdb"));
    createCatalogue(copy, false);
    const Outcome imported = runTool({QStringLiteral("import"), QStringLiteral("kasa"), csv, copy});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(readTable(copy, 8), models);
    EXPECT_EQ(totalRows(copy), models.size());
}

TEST_F(Katalog, AllCategoriesGoOutAndComeBackUnchanged) {
    const QString db = path(QStringLiteral("Data.mdb"));
    createDemoCatalogue(db, false);
    const QString csv = path(QStringLiteral("hepsi.csv"));
    EXPECT_EQ(exportCsv(db, 0, csv), totalRows(db));
    const QString text = QString::fromUtf8(readFile(csv));
    EXPECT_TRUE(text.startsWith(QStringLiteral("KATEGORI;PARCA;FIYAT\r\nislemci;")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nguc;Güç Kaynağı 500W Şampiyon;")));

    const QString copy = path(QStringLiteral("kopya.mdb"));
    createCatalogue(copy, false);
    ASSERT_EQ(runTool({QStringLiteral("import"), QStringLiteral("hepsi"), csv, copy}).code, 0);
    EXPECT_EQ(readCatalogue(copy), readCatalogue(db));
    const QString again = path(QStringLiteral("yine.csv"));
    exportCsv(copy, 0, again);
    EXPECT_EQ(readFile(again), readFile(csv));
}

TEST_F(Katalog, ImportAppendsAndAcceptsEitherDecimalSeparatorAndCategoryNumbers) {
    struct Case {
        const char* category;
        QByteArray csv;
        int position;
        QList<Model> expected;
    };
    const QList<Case> cases = {
        {"ram",
         "PARCA;FIYAT\nA;149,9\nB;149.9\nC; 80 \n\n",
         3,
         {{QStringLiteral("A"), 149.9}, {QStringLiteral("B"), 149.9}, {QStringLiteral("C"), 80}}},
        // A spreadsheet's file: byte order mark, CR LF, lower-case header, a quoted field.
        {"14",
         "\xEF\xBB\xBFparca;fiyat\r\n\"Ses \"\"5.1\"\"\";1E2\r\n",
         14,
         {{QStringLiteral("Ses \"5.1\""), 100}}},
        {"GUC", "PARCA;FIYAT\nGüç Kaynağı 350W;22,5\n", 19, {{QStringLiteral("Güç Kaynağı 350W"), 22.5}}},
        {"hepsi", "KATEGORI;PARCA;FIYAT\nislemci;X;1\n2;Y;2,5\nYAZICI;Z;3\n", 16, {{QStringLiteral("Z"), 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.category);
        const QString db = path(QStringLiteral("%1.mdb").arg(QLatin1String(c.category)));
        const QString csv = path(QStringLiteral("%1.csv").arg(QLatin1String(c.category)));
        createCatalogue(db, false);
        writeFile(csv, c.csv);
        const QStringList args = {QStringLiteral("import"), QString::fromLatin1(c.category), csv, db};
        ASSERT_EQ(runTool(args).code, 0);
        EXPECT_EQ(readTable(db, c.position), c.expected);
        ASSERT_EQ(runTool(args).code, 0);
        EXPECT_EQ(readTable(db, c.position), c.expected + c.expected);
    }
    const QString hepsi = path(QStringLiteral("hepsi.mdb"));
    EXPECT_EQ(readTable(hepsi, 1), QList<Model>({{QStringLiteral("X"), 1}, {QStringLiteral("X"), 1}}));
    EXPECT_EQ(readTable(hepsi, 2), QList<Model>({{QStringLiteral("Y"), 2.5}, {QStringLiteral("Y"), 2.5}}));
    EXPECT_EQ(totalRows(hepsi), 6);
}

TEST(KatalogPrices, TextsBothWays) {
    const QList<std::pair<double, QString>> written = {{149.9, QStringLiteral("149,9")},
                                                       {80, QStringLiteral("80")},
                                                       {0.5, QStringLiteral("0,5")},
                                                       {1234567.25, QStringLiteral("1234567,25")},
                                                       {0.1 + 0.2, QStringLiteral("0,3")}};
    for (const auto& [value, text] : written)
        EXPECT_EQ(priceToText(value), text);

    const QList<std::pair<QString, double>> read = {{QStringLiteral("149,9"), 149.9},
                                                    {QStringLiteral("149.9"), 149.9},
                                                    {QStringLiteral(" 80 "), 80},
                                                    {QStringLiteral("1E3"), 1000},
                                                    {QStringLiteral("0"), 0}};
    for (const auto& [text, value] : read) {
        double price = -1;
        EXPECT_TRUE(priceFromText(text, price)) << text.toStdString();
        EXPECT_EQ(price, value) << text.toStdString();
    }
    for (const char* bad : {"", "abc", "1.234,5", "1 234", "12,5,1", "-5", "12$", "1E999"}) {
        double price = -1;
        EXPECT_FALSE(priceFromText(QString::fromLatin1(bad), price)) << bad;
    }
}

TEST_F(Katalog, RefusalsNameTheProblemAndChangeNothing) {
    struct Case {
        const char* name;
        QStringList args; // "DB" and "CSV" stand for the files of the case
        QByteArray csv;   // empty: no CSV file
        int code;
        QString message;
        std::function<void(const QString& folder)> setup = {};
    };
    const QByteArray good = "PARCA;FIYAT\nA;10\n";
    // clang-format off
    const QList<Case> cases = {
        {"unknown category", {"import", "islemciler", "CSV", "DB"}, good,
         2, QStringLiteral("Bilinmeyen kategori: 'islemciler'")},
        {"position out of range", {"export", "20", "CSV", "DB"}, {},
         2, QStringLiteral("Bilinmeyen kategori: '20'")},
        {"bad price", {"import", "islemci", "CSV", "DB"}, "PARCA;FIYAT\nA;10\nB;abc\nC;5\n",
         1, QStringLiteral("3. satır: 'abc' geçerli bir fiyat değil")},
        {"grouped price", {"import", "1", "CSV", "DB"}, "PARCA;FIYAT\nA;1.234,5\n",
         1, QStringLiteral("2. satır: '1.234,5' geçerli bir fiyat değil")},
        {"negative price", {"import", "1", "CSV", "DB"}, "PARCA;FIYAT\nA;2\nB;-5\n",
         1, QStringLiteral("3. satır: '-5' geçerli bir fiyat değil")},
        {"empty price", {"import", "ram", "CSV", "DB"}, "PARCA;FIYAT\nA;10\nB;\n",
         1, QStringLiteral("3. satır: fiyat boş")},
        {"column count", {"import", "ram", "CSV", "DB"}, "PARCA;FIYAT\nA;10\nB;1;2\n",
         1, QStringLiteral("3. satır: 2 alan bekleniyordu (PARCA;FIYAT), 3 bulundu")},
        {"line after a multi-line field", {"import", "ram", "CSV", "DB"}, "PARCA;FIYAT\n\"A\nB\";1\nC;x\n",
         1, QStringLiteral("4. satır: 'x' geçerli bir fiyat değil")},
        {"unclosed quote", {"import", "ram", "CSV", "DB"}, "PARCA;FIYAT\nA;1\n\"B;2\n",
         1, QStringLiteral("3. satır: tırnak kapanmamış")},
        {"unknown category in a line", {"import", "hepsi", "CSV", "DB"}, "KATEGORI;PARCA;FIYAT\nislemci;A;1\nbilgisayar;B;2\n",
         1, QStringLiteral("3. satır: 'bilgisayar' bilinmeyen bir kategori")},
        {"header of another form", {"import", "ram", "CSV", "DB"}, "KATEGORI;PARCA;FIYAT\nram;A;1\n",
         1, QStringLiteral("1. satır: başlık satırı 'PARCA;FIYAT' bekleniyordu")},
        {"not UTF-8", {"import", "ram", "CSV", "DB"}, "PARCA;FIYAT\n\xDD\xFE;1\n",
         1, QStringLiteral("UTF-8 değil")},
        {"missing CSV", {"import", "ram", "CSV", "DB"}, {},
         1, QStringLiteral("CSV dosyası bulunamadı")},
        {"missing database", {"import", "ram", "CSV", "yok.mdb"}, good,
         1, QStringLiteral("Veritabanı dosyası bulunamadı")},
        {"another password", {"export", "ram", "CSV", "baska.mdb"}, {},
         1, QStringLiteral("parola yanlış"),
         [](const QString& folder) {
             Handle h{Connection::openFile(folder + QStringLiteral("/baska.mdb"), QStringLiteral("gizli"), true)};
             Statement(h.db, QStringLiteral("CREATE TABLE ram (PARCA TEXT, FIYAT REAL)")).step();
         }},
        {"table missing", {"import", "ram", "CSV", "eksik.mdb"}, good,
         1, QStringLiteral("Veritabanında 'ram' tablosu yok"),
         [](const QString& folder) {
             Handle h{Connection::openFile(folder + QStringLiteral("/eksik.mdb"), Connection().password(), true)};
             Statement(h.db, QStringLiteral("CREATE TABLE islemci (PARCA TEXT, FIYAT REAL)")).step();
         }},
        {"existing file", {"init", "DB"}, {},
         1, QStringLiteral("Dosya zaten var")},
        {"existing file for a demo", {"demo", "DB", "--adet", "5"}, {},
         1, QStringLiteral("--uzerine-yaz")},
        {"count that is no number", {"demo", "yeni.mdb", "--adet", "çok"}, {},
         2, QStringLiteral("--adet için")},
        {"count for init", {"init", "yeni.mdb", "--adet", "5"}, {},
         2, QStringLiteral("--adet yalnız demo")},
        {"unknown command", {"sil", "ram"}, {},
         2, QStringLiteral("Bilinmeyen komut: 'sil'")},
        {"too many arguments", {"export", "ram", "CSV", "DB", "fazla"}, {},
         2, QStringLiteral("Kullanım:")},
    };
    // clang-format on
    const QList<Model> before = {{QStringLiteral("Önceki model"), 99.9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString db = folder.filePath(QStringLiteral("Data.mdb"));
        const QString csv = folder.filePath(QStringLiteral("girdi.csv"));
        createCatalogue(db, false);
        insertRows(db, {1, 3}, before);
        if (!c.csv.isEmpty()) writeFile(csv, c.csv);
        if (c.setup) c.setup(folder.path());
        QStringList args;
        for (const QString& arg : c.args)
            args << (arg == u"DB"            ? db
                     : arg == u"CSV"         ? csv
                     : arg.endsWith(u".mdb") ? folder.filePath(arg)
                                             : arg);

        const Outcome r = runTool(args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        const QList<QList<Model>> tables = readCatalogue(db);
        EXPECT_EQ(tables[0], before);
        EXPECT_EQ(tables[2], before);
        EXPECT_EQ(totalRows(tables), 2);
        EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("yeni.mdb"))));
    }
}

TEST_F(Katalog, OverwriteReplacesTheWholeFile) {
    const QString db = path(QStringLiteral("Data.mdb"));
    createDemoCatalogue(db, false, 3);
    EXPECT_THROW(createCatalogue(db, false), FileError);
    EXPECT_EQ(totalRows(db), 3 * CategoryCount);
    const Outcome r = runTool({QStringLiteral("init"), QStringLiteral("--uzerine-yaz"), db});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(totalRows(db), 0);
    fillDemo(db, 2);
    EXPECT_EQ(readTable(db, 5), demoModels(5, 2));
    EXPECT_EQ(totalRows(db), 2 * CategoryCount);
}

TEST_F(Katalog, TheBuiltProgramSpeaksTurkishAndReportsThroughItsExitCode) {
    const QString binaryDir = qEnvironmentVariable("TEKLIFO_BINARY_DIR");
    if (binaryDir.isEmpty()) GTEST_SKIP() << "TEKLIFO_BINARY_DIR is not set";
    const QString program = binaryDir + QStringLiteral("/teklifo-katalog");
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();
    const auto launch = [&](const QStringList& args) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(program, args);
        EXPECT_TRUE(process.waitForFinished(-1));
        return Outcome{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                       QString::fromUtf8(process.readAllStandardError())};
    };

    const Outcome bare = launch({});
    EXPECT_EQ(bare.code, 2);
    EXPECT_TRUE(bare.err.contains(QStringLiteral("Kullanım: teklifo-katalog KOMUT")))
        << bare.err.toStdString();
    const Outcome help = launch({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("19 guc"))) << help.out.toStdString();

    EXPECT_EQ(launch({QStringLiteral("demo"), QStringLiteral("--adet"), QStringLiteral("4")}).code, 0);
    writeFile(path(QStringLiteral("bozuk.csv")), "PARCA;FIYAT\nMonitör;100\nMonitör 2;yüz\n");
    const Outcome bad =
        launch({QStringLiteral("import"), QStringLiteral("monitor"), QStringLiteral("bozuk.csv")});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("3. satır: 'yüz' geçerli bir fiyat değil")))
        << bad.err.toStdString();
    EXPECT_EQ(readTable(path(QStringLiteral("Data.mdb")), 7), demoModels(7, 4));
}
