// Bad files: a Data.mdb that is cut short, random, unencrypted or keyed otherwise; a price that
// holds letters; a huge model text; a huge table; company files with odd bytes and line ends.
// Each gives one clear message or the normal behaviour, and nothing on disk changes where the
// program only reads.
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogue/DBEdit.h"
#include "catalogue/DBNavigator.h"
#include "support/Fixtures.h"
#include "toolkit/Errors.h"
#include "toolkit/IniFile.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace teklifo;
using namespace testing_support;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray catalogueBytes(const QString& folder) {
    const QString path = folder + QStringLiteral("/full.mdb");
    makeCatalogue(path, {{1, {{"Athlon", 100}, {"Celeron", 50}}}, {2, {{"Asus", 90}}}});
    const QByteArray bytes = bytesOf(path);
    QFile::remove(path);
    return bytes;
}

// An ordinary SQLite file with the nineteen tables, without the password.
void makePlainSqlite(const QString& path) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(db, "CREATE TABLE islemci (PARCA TEXT, FIYAT REAL); INSERT INTO islemci VALUES ('A', 1)",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
}

TEST(BadCatalogue, EachGivesOneErrorBoxTheWindowOpensAndTheFileIsUntouched) {
    struct Case {
        const char* name;
        std::function<void(const QString& path, const QByteArray& catalogue)> prepare;
    };
    const Case cases[] = {
        {"empty file", [](const QString& p, const QByteArray&) { writeBytes(p, {}); }},
        {"cut after 100 bytes", [](const QString& p, const QByteArray& c) { writeBytes(p, c.left(100)); }},
        {"cut after the first page",
         [](const QString& p, const QByteArray& c) { writeBytes(p, c.left(1024)); }},
        {"cut in the middle",
         [](const QString& p, const QByteArray& c) { writeBytes(p, c.left(c.size() / 2)); }},
        {"random bytes",
         [](const QString& p, const QByteArray&) {
             QByteArray noise(16384, Qt::Uninitialized);
             QRandomGenerator random(7);
             for (char& b : noise)
                 b = char(random.bounded(256));
             writeBytes(p, noise);
         }},
        {"unencrypted SQLite file", [](const QString& p, const QByteArray&) { makePlainSqlite(p); }},
        {"another password",
         [](const QString& p, const QByteArray&) {
             makeCatalogue(p, {{1, {{"A", 1}}}}, "baska");
         }},
    };
    TempWorkDir dir;
    const QByteArray catalogue = catalogueBytes(dir.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.file("Data.mdb");
        c.prepare(path, catalogue);
        const QByteArray before = bytesOf(path);
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        {
            MessageBoxWatcher boxes;
            RunningProgram program;
            ASSERT_EQ(boxes.seen().size(), 1);
            EXPECT_EQ(boxes.seen()[0].title, "Teklifo");
            EXPECT_EQ(boxes.seen()[0].icon, int(QMessageBox::Critical));
            EXPECT_FALSE(boxes.seen()[0].text.isEmpty());
            EXPECT_TRUE(Form1()->isVisible());
            runIdle();
        }
        EXPECT_TRUE(bytesOf(path) == before) << "the program wrote into a file it could not use";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), filesBefore);
        QFile::remove(path);
    }
}

// Picks a model in a selector with the mouse, as the user does.
void pick(int position, const QString& text) {
    QComboBox* combo = Form1()->ComboBox(position);
    const int row = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(row, 0);
    pickEntryWithMouse(combo, row);
}

TEST(BadCatalogue, APriceWithLettersGivesTheConversionErrorWhenPicked) {
    TempWorkDir dir;
    makeCatalogue(dir.file("Data.mdb"), {{1, {{"Harfli", "12a"}, {"Düz", 5}}}});
    MessageBoxWatcher boxes;
    RunningProgram program;
    EXPECT_TRUE(boxes.seen().isEmpty()) << "start-up reads the text without converting it";
    pick(1, "Harfli");
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].text, "'12a' is not a valid floating point value.");
    EXPECT_EQ(boxes.seen()[0].title, "Teklifo");
    EXPECT_EQ(Form1()->DBEditN(1)->text(), "12a");

    pick(1, "Düz");
    EXPECT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(Form1()->findChild<QLineEdit*>("Edit1")->text(), "5 $");
}

TEST(BigCatalogue, AMegabyteModelTextAndAHundredThousandModelsStartNormally) {
    TempWorkDir dir;
    const QString huge = QString(1 << 20, u'ş') + QStringLiteral(" son");
    QList<Row> many;
    many.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        many.append({QStringLiteral("Model %1").arg(i, 6, 10, QLatin1Char('0')), i % 997});
    makeCatalogue(dir.file("Data.mdb"), {{1, {{huge, 1}, {"Küçük", 2}}}, {3, many}});
    MessageBoxWatcher boxes;
    RunningProgram program;
    EXPECT_TRUE(boxes.seen().isEmpty());
    QComboBox* first = Form1()->ComboBox(1);
    ASSERT_EQ(first->count(), 2);
    EXPECT_EQ(first->itemText(1), huge) << "listed whole, after \"Küçük\" in Turkish order";
    EXPECT_EQ(Form1()->ComboBox(3)->count(), 100000);
    EXPECT_EQ(Form1()->ComboBox(3)->itemText(99999), "Model 099999");

    pick(1, huge);
    pick(3, "Model 099999");
    EXPECT_EQ(Form1()->DBEditN(1)->text(), "1");
    EXPECT_EQ(Form1()->DBEditN(3)->text(), QString::number(99999 % 997));
    EXPECT_TRUE(boxes.seen().isEmpty());
}

const char* const companyKeys[] = {"F.Adı", "F.Adresi", "F.Tel.", "F.Vergi D.", "F.Vergi No", "F.Yetkilisi"};
const QString kSection = QStringLiteral("Firma Bilgileri");

TEST(BadCompanyFile, OddBytesAndLineEndsReadAsWrittenAndSurviveASave) {
    const QByteArray longLine(10 * 1024 * 1024, 'a');
    struct Case {
        const char* name;
        QByteArray bytes;
        QString name1;     // what F.Adı reads
        QString address;   // what F.Adresi reads
        bool otherSection; // [Diğer] K=korunur is in the file and must stay
    };
    const Case cases[] = {
        {"UTF-8 mark",
         "\xEF\xBB\xBF[Firma Bilgileri]\r\nF.Ad\xFD=Bom\r\n[Di\xF0"
         "er]\r\nK=korunur\r\n",
         "Bom", "-", true},
        {"NUL bytes",
         QByteArrayLiteral("[Firma Bilgileri]\r\n\0\0\0\r\nF.Ad\xFD=N\0l\r\n[Di\xF0"
                           "er]\r\nK=korunur\r\n"),
         QStringLiteral("N") + QChar(0) + u'l', "-", true},
        {"10 MB line",
         "[Firma Bilgileri]\r\nF.Adresi=" + longLine +
             "\r\nF.Ad\xFD=Uzun\r\n[Di\xF0"
             "er]\r\nK=korunur",
         "Uzun", QString(2047, u'a'), true},
        {"no section", "F.Ad\xFD=B\xF6l\xFCms\xFCz\r\nK=korunur\r\n", "-", "-", false},
        {"CR only",
         "[Firma Bilgileri]\rF.Ad\xFD=CR\r[Di\xF0"
         "er]\rK=korunur\r",
         "CR", "-", true},
        {"LF only",
         "[Firma Bilgileri]\nF.Ad\xFD=LF\nF.Adresi=Lara\n[Di\xF0"
         "er]\nK=korunur\n",
         "LF", "Lara", true},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("PcFirma.ssd");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, c.bytes);
        IniFile file(path);
        EXPECT_EQ(file.readString(kSection, "F.Adı", "-"), c.name1);
        EXPECT_EQ(file.readString(kSection, "F.Adresi", "-"), c.address);
        EXPECT_TRUE(bytesOf(path) == c.bytes) << "reading never writes";

        QList<QPair<QString, QString>> values;
        for (int k = 0; k < 6; ++k)
            values.append({QString::fromUtf8(companyKeys[k]), QStringLiteral("Değer %1 ğüşiöç").arg(k)});
        file.writeStrings(kSection, values);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(file.readString(kSection, QString::fromUtf8(companyKeys[k]), "-"), values[k].second);
        if (c.otherSection)
            EXPECT_EQ(file.readString("Diğer", "K", "-"), "korunur");
        else
            EXPECT_TRUE(bytesOf(path).startsWith(c.bytes)) << "the lines before the new section stay";
    }
}

// A bitmap header that claims a picture of width × height at 24 bits, followed by a few pixels.
QByteArray claimedBitmap(qint32 width, qint32 height) {
    QByteArray b("BM");
    const auto put = [&b](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.append(char((value >> (8 * i)) & 0xFF));
    };
    put(54 + 16, 4);
    put(0, 4);
    put(54, 4); // file header
    put(40, 4);
    put(quint32(width), 4);
    put(quint32(height), 4); // info header
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(0, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    return b + QByteArray(16, '\x7f');
}

TEST(BadPicture, ANavigatorPictureThatIsNoBitmapFailsWithTheLoadersError) {
    TempWorkDir dir;
    const QString name = QStringLiteral("Btn/first.bmp");
    const QByteArray good = bytesOf(dir.file(name));
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(4, 4, QImage::Format_RGB32).save(&buffer, "PNG");
    }
    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator random(11);
    for (char& b : noise)
        b = char(random.bounded(256));
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty file", {}},
        {"cut in the header", good.left(30)},
        {"random bytes", noise},
        {"a PNG picture", png},
        {"60000 x 60000 claimed", claimedBitmap(60000, 60000)},
        {"negative width", claimedBitmap(-16, 16)},
        {"no height", claimedBitmap(16, 0)},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        writeBytes(dir.file(name), bytes);
        try {
            loadBitmapFile(name);
            ADD_FAILURE() << "loaded";
        } catch (const FileError& e) {
            EXPECT_EQ(e.message(), "Bitmap image is not valid");
        }
        EXPECT_TRUE(bytesOf(dir.file(name)) == bytes);
    }
    QFile::remove(dir.file(name));
    EXPECT_THROW(loadBitmapFile(name), FileError);
    writeBytes(dir.file(name), good);
    EXPECT_EQ(loadBitmapFile(name).height(), 16) << "the real picture still loads";
}

} // namespace
