// The company file layer: Windows-1254 bytes, CR LF lines, look-ups that ignore letter case, and
// writes that touch only the line they write.
#include "toolkit/Cp1254.h"
#include "toolkit/Errors.h"
#include "toolkit/IniFile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <optional>
#include <string_view>

#include <sys/resource.h>

using namespace teklifo;
using namespace std::string_view_literals;

namespace {

const QString kSection = QStringLiteral("Firma Bilgileri");
const QString kDefault = QStringLiteral("<varsayılan>");

QByteArray bytesOf(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("PcFirma.ssd"));
};

} // namespace

TEST(Cp1254Test, TurkishLettersHaveTheirBytes) {
    const struct {
        char16_t ch;
        unsigned char byte;
    } cases[] = {
        {u'ı', 0xFD}, {u'İ', 0xDD}, {u'ş', 0xFE}, {u'Ş', 0xDE}, {u'ğ', 0xF0}, {u'Ğ', 0xD0},
        {u'ü', 0xFC}, {u'Ü', 0xDC}, {u'ö', 0xF6}, {u'Ö', 0xD6}, {u'ç', 0xE7}, {u'Ç', 0xC7},
        {u'€', 0x80}, {u'’', 0x92}, {u'Ÿ', 0x9F}, {u'ÿ', 0xFF}, {u'A', 0x41},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.byte);
        EXPECT_EQ(toCp1254(QString(QChar(c.ch))), QByteArray(1, char(c.byte)));
        EXPECT_EQ(fromCp1254(QByteArray(1, char(c.byte))), QString(QChar(c.ch)));
    }
}

TEST(Cp1254Test, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromCp1254(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1254(text), all);
    // 256 different characters: no two bytes share one.
    QSet<QChar> distinct(text.begin(), text.end());
    EXPECT_EQ(distinct.size(), 256);
}

TEST(Cp1254Test, CharactersWithoutAByteBecomeQuestionMarks) {
    const struct {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {QStringLiteral("Ωmega"), "?mega"},
        {QStringLiteral("ā ő"), "? ?"},
        {QString(QChar(0x0080)), "?"},               // a C1 control the code page has no byte for
        {QStringLiteral("a😀b"), "a?b"},             // one '?' for a pair of surrogates
        {QString(QChar(0xD800)) + u'x', "?x"},      // a lone surrogate
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(toCp1254(c.text), c.bytes);
    }
}

TEST_F(IniFileTest, ReadsValuesAsStored) {
    const struct {
        const char* name;
        std::string_view content;
        QString section;
        QString key;
        QString expected;
    } cases[] = {
        {"Turkish value", "[Firma Bilgileri]\r\nF.Ad\xFD=Deniz Y\xFDlmaz \xDE\xF0\xFC\xF6\xE7\r\n"sv,
         kSection, QStringLiteral("F.Adı"), QStringLiteral("Deniz Yılmaz Şğüöç")},
        {"blanks stripped", "[S]\r\n  A \t=  \t v  w \t \r\n"sv, "S", "A", "v  w"},
        {"double quotes", "[S]\r\nA= \"  v \" \r\n"sv, "S", "A", "  v "},
        {"single quotes", "[S]\r\nA='v'\r\n"sv, "S", "A", "v"},
        {"one pair only", "[S]\r\nA=\"\"v\"\"\r\n"sv, "S", "A", "\"v\""},
        {"unlike quotes kept", "[S]\r\nA=\"v'\r\n"sv, "S", "A", "\"v'"},
        {"lone quote kept", "[S]\r\nA=\"\r\n"sv, "S", "A", "\""},
        {"empty value", "[S]\r\nA=\r\n"sv, "S", "A", ""},
        {"blank value", "[S]\r\nA=   \r\n"sv, "S", "A", ""},
        {"empty quotes", "[S]\r\nA=''\r\n"sv, "S", "A", ""},
        {"first equals sign", "[S]\r\nA=b=c\r\n"sv, "S", "A", "b=c"},
        {"missing key", "[S]\r\nB=1\r\n"sv, "S", "A", kDefault},
        {"missing section", "[T]\r\nA=1\r\n"sv, "S", "A", kDefault},
        {"key of another section", "[S]\r\nB=1\r\n[T]\r\nA=1\r\n"sv, "S", "A", kDefault},
        {"key before any section", "A=1\r\n[S]\r\nB=1\r\n"sv, "S", "A", kDefault},
        {"line without equals sign", "[S]\r\nA\r\nA=1\r\n"sv, "S", "A", "1"},
        {"first key wins", "[S]\r\nA=1\r\nA=2\r\n"sv, "S", "A", "1"},
        {"first section wins", "[S]\r\nA=1\r\n[S]\r\nA=2\r\n"sv, "S", "A", "1"},
        {"later same-named section not searched", "[S]\r\nA=1\r\n[S]\r\nB=2\r\n"sv, "S", "B", kDefault},
        {"header with blanks", "  [  S  ]  \r\nA=1\r\n"sv, "S", "A", "1"},
        {"letter case ignored", "[fIRMA bILGILERI]\r\nf.ad\xFD=1\r\n"sv, kSection, QStringLiteral("F.Adı"), "1"},
        {"Turkish letter case ignored", "[\xDE\xD0\xDC\xD6\xC7]\r\n\xFE\xF0\xFC\xF6\xE7=1\r\n"sv,
         QStringLiteral("şğüöç"), QStringLiteral("ŞĞÜÖÇ"), "1"},
        {"LF only", "[S]\nB=1\nA=2\n"sv, "S", "A", "2"},
        {"CR only", "[S]\rB=1\rA=2"sv, "S", "A", "2"},
        {"mixed line ends", "[S]\r\rB=1\n\r\nA=2"sv, "S", "A", "2"},
        {"UTF-8 mark in front", "\xEF\xBB\xBF[S]\r\nA=1\r\n"sv, "S", "A", "1"},
        {"NUL bytes", "[S]\r\n\0\0=x\r\nA=a\0b\r\n"sv, "S", "A", QStringLiteral("a") + QChar(0) + u'b'},
        {"last line unterminated", "[S]\r\nA=1"sv, "S", "A", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path, bytesOf(c.content));
        EXPECT_EQ(IniFile(path).readString(c.section, c.key, kDefault), c.expected);
    }
}

TEST_F(IniFileTest, MissingFileGivesTheDefault) {
    EXPECT_EQ(IniFile(path).readString(kSection, QStringLiteral("F.Adı"), kDefault), kDefault);
    EXPECT_EQ(IniFile(dir.path()).readString(kSection, QStringLiteral("F.Adı"), kDefault), kDefault);
}

TEST_F(IniFileTest, LongValuesAreCutTo2047Characters) {
    const struct {
        const char* name;
        QByteArray stored;
        QByteArray expected;
    } cases[] = {
        {"exactly 2047", QByteArray(2047, 'x'), QByteArray(2047, 'x')},
        {"2048", QByteArray(2047, 'x') + 'y', QByteArray(2047, 'x')},
        {"quotes stripped before the cut", '"' + QByteArray(2047, 'x') + '"', QByteArray(2047, 'x')},
        {"10 MB on one line", QByteArray(2046, 'x') + '\xFD' + QByteArray(10 << 20, 'z'), QByteArray(2046, 'x') + '\xFD'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path, "[S]\r\nA=" + c.stored + "\r\n");
        EXPECT_EQ(IniFile(path).readString("S", "A", kDefault), fromCp1254(c.expected));
    }

    // The long line is kept whole when another key is written.
    const QByteArray before = readFile(path);
    IniFile(path).writeString("S", "B", "1");
    EXPECT_EQ(readFile(path), before + "B=1\r\n");
}

TEST_F(IniFileTest, WriteStringChangesOnlyItsLine) {
    const struct {
        const char* name;
        std::optional<std::string_view> before; // no file at all when empty
        QString section;
        QString key;
        QString value;
        std::string_view after;
    } cases[] = {
        {"new file", std::nullopt, kSection, QStringLiteral("F.Adı"), QStringLiteral("Deniz Yılmaz"),
         "[Firma Bilgileri]\r\nF.Ad\xFD=Deniz Y\xFDlmaz\r\n"sv},
        {"in place, key spelling kept",
         "; not ours\n[Diger]\r\nF.Ad\xFD=x\r\n[firma bilgileri]\r\n  f.AD\xFD  =  eski  \r\nF.Tel.=1\r\n[Son]\rZ=1"sv,
         kSection, QStringLiteral("F.Adı"), QStringLiteral("Yeni"),
         "; not ours\n[Diger]\r\nF.Ad\xFD=x\r\n[firma bilgileri]\r\n  f.AD\xFD=Yeni\r\nF.Tel.=1\r\n[Son]\rZ=1"sv},
        {"in place on an unterminated last line", "[S]\r\nA=1"sv, "S", "A", "2", "[S]\r\nA=2\r\n"sv},
        {"empty value in place", "[S]\r\nA=1\r\nB=2\r\n"sv, "S", "A", "", "[S]\r\nA=\r\nB=2\r\n"sv},
        {"end of section, before blank lines", "[S]\r\nA=1\r\n\r\n \r\n[T]\r\nB=1\r\n"sv, "S", "B", "2",
         "[S]\r\nA=1\r\nB=2\r\n\r\n \r\n[T]\r\nB=1\r\n"sv},
        {"end of section after a foreign line", "[S]\nA=1\nnot a key\n[T]\n"sv, "S", "B", "2",
         "[S]\nA=1\nnot a key\nB=2\r\n[T]\n"sv},
        {"empty section at end of file", "[T]\r\nA=1\r\n[S]"sv, "S", "B", "2", "[T]\r\nA=1\r\n[S]\r\nB=2\r\n"sv},
        {"first of two same-named sections", "[S]\r\nA=1\r\n[S]\r\nB=1\r\n"sv, "S", "B", "2",
         "[S]\r\nA=1\r\nB=2\r\n[S]\r\nB=1\r\n"sv},
        {"new section, file ends with CR LF", "[T]\r\nA=1\r\n"sv, "S", "B", "2", "[T]\r\nA=1\r\n[S]\r\nB=2\r\n"sv},
        {"new section, file unterminated", "[T]\r\nA=1"sv, "S", "B", "2", "[T]\r\nA=1\r\n[S]\r\nB=2\r\n"sv},
        {"new section, LF file", "[T]\nA=1\n"sv, "S", "B", "2", "[T]\nA=1\n[S]\r\nB=2\r\n"sv},
        {"new section, empty file", ""sv, "S", "B", "2", "[S]\r\nB=2\r\n"sv},
        {"UTF-8 mark kept", "\xEF\xBB\xBF[S]\r\nA=1\r\n"sv, "S", "A", "2", "\xEF\xBB\xBF[S]\r\nA=2\r\n"sv},
        {"NUL bytes elsewhere kept", "[S]\r\nX=\0\r\nA=1\r\n"sv, "S", "A", "2", "[S]\r\nX=\0\r\nA=2\r\n"sv},
        {"value written as given", "[S]\r\nA=1\r\n"sv, "S", "A", QStringLiteral("  'q'  "), "[S]\r\nA=  'q'  \r\n"sv},
        {"characters without a byte", "[S]\r\n"sv, "S", "A", QStringLiteral("Ωmega😀"), "[S]\r\nA=?mega?\r\n"sv},
        {"line breaks in a value", "[S]\r\n"sv, "S", "A", QStringLiteral("a\r\nb\nc"), "[S]\r\nA=a  b c\r\n"sv},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        if (c.before)
            writeFile(path, bytesOf(*c.before));
        IniFile(path).writeString(c.section, c.key, c.value);
        EXPECT_EQ(readFile(path), bytesOf(c.after));
    }
}

TEST_F(IniFileTest, ValuesReadBackAsWritten) {
    const struct {
        QString written;
        QString read;
    } cases[] = {
        {QStringLiteral("Deniz Yılmaz"), QStringLiteral("Deniz Yılmaz")},
        {QStringLiteral("İŞĞÜÖÇ ışğüöç €"), QStringLiteral("İŞĞÜÖÇ ışğüöç €")},
        {QStringLiteral("  blanks  "), QStringLiteral("blanks")},
        {QString(), QString()},
    };
    IniFile ini(path);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written.toStdString());
        ini.writeString(kSection, QStringLiteral("F.Adı"), c.written);
        EXPECT_EQ(ini.readString(kSection, QStringLiteral("F.Adı"), kDefault), c.read);
    }
}

TEST_F(IniFileTest, WriteStringsCreatesTheFileInKeyOrder) {
    IniFile(path).writeStrings(kSection, {
                                             {QStringLiteral("F.Adı"), QStringLiteral("Ornek Bilgisayar")},
                                             {QStringLiteral("F.Adresi"), QStringLiteral("Muratpaşa / ANTALYA")},
                                             {QStringLiteral("F.Tel."), QStringLiteral("242 - 222 22 22")},
                                             {QStringLiteral("F.Vergi D."), QStringLiteral("Muratpaşa Vergi D.")},
                                             {QStringLiteral("F.Vergi No"), QString()},
                                             {QStringLiteral("F.Yetkilisi"), QStringLiteral("Deniz Yılmaz")},
                                         });
    EXPECT_EQ(readFile(path), bytesOf("[Firma Bilgileri]\r\n"
                                      "F.Ad\xFD=Ornek Bilgisayar\r\n"
                                      "F.Adresi=Muratpa\xFE" "a / ANTALYA\r\n"
                                      "F.Tel.=242 - 222 22 22\r\n"
                                      "F.Vergi D.=Muratpa\xFE" "a Vergi D.\r\n"
                                      "F.Vergi No=\r\n"
                                      "F.Yetkilisi=Deniz Y\xFDlmaz\r\n"sv));
    // Once present, the same keys are replaced where they stand.
    IniFile(path).writeStrings(kSection, {{QStringLiteral("F.Yetkilisi"), "B"}, {QStringLiteral("F.Adı"), "A"}});
    const QByteArray after = readFile(path);
    EXPECT_TRUE(after.startsWith("[Firma Bilgileri]\r\nF.Ad\xFD=A\r\nF.Adresi="));
    EXPECT_TRUE(after.endsWith("F.Vergi No=\r\nF.Yetkilisi=B\r\n"));
}

// A write whose new content can't be stored: the old file keeps every byte, none of the keys
// lands, and no temporary file is left behind. The file size limit fails the write also for root.
TEST_F(IniFileTest, WriteStringsIsAllOrNothing) {
    const QByteArray old = "; el ile\r\n[Firma Bilgileri]\r\nF.Ad\xFD=eski\r\n";
    writeFile(path, old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::optional<QString> message;
    try {
        IniFile(path).writeStrings(kSection, {{QStringLiteral("F.Adı"), QStringLiteral("yeni")},
                                              {QStringLiteral("F.Adresi"), QString(8000, u'x')}});
    } catch (const FileError& e) {
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(message);
    EXPECT_EQ(*message, "Unable to write to " + QDir::toNativeSeparators(path));
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"PcFirma.ssd"});
}

TEST_F(IniFileTest, ReadOnlyFolderGivesFileErrorAndKeepsTheFile) {
    const QByteArray old = "[Firma Bilgileri]\r\nF.Ad\xFD=eski\r\n";
    writeFile(path, old);
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
    struct Restore {
        QString p;
        ~Restore() { QFile::setPermissions(p, QFile::permissions(p) | QFileDevice::WriteOwner); }
    } restore{dir.path()};

    {
        QFile probe(dir.filePath("probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            GTEST_SKIP() << "folder permissions don't stop this user (root): nothing to test";
        }
    }

    const QString expected = "Unable to write to " + QDir::toNativeSeparators(path);
    const struct {
        const char* name;
        std::function<void(IniFile&)> write;
    } cases[] = {
        {"writeString", [](IniFile& ini) { ini.writeString(kSection, QStringLiteral("F.Adı"), "yeni"); }},
        {"writeStrings",
         [](IniFile& ini) { ini.writeStrings(kSection, {{QStringLiteral("F.Adı"), "yeni"}, {"F.Tel.", "1"}}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile ini(path);
        try {
            c.write(ini);
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& e) {
            EXPECT_EQ(e.message(), expected);
        }
        EXPECT_EQ(readFile(path), old);
    }
}
