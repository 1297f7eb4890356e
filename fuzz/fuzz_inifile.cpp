// The company file: any bytes on disk read without failing; writing keys changes what those keys
// read and nothing else; writing the same values again leaves the file byte for byte as it was.
#include "FuzzSupport.h"
#include "toolkit/Cp1254.h"
#include "toolkit/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>

using fuzz::check;
using fuzz::shown;
using teklifo::IniFile;

namespace {

// Names that differ from each other also when letter case is ignored.
const QString sections[] = {QStringLiteral("Firma Bilgileri"), QStringLiteral("Diğer"), QStringLiteral("a")};
const QString keys[] = {QStringLiteral("F.Adı"),      QStringLiteral("F.Adresi"),
                        QStringLiteral("F.Tel."),     QStringLiteral("F.Vergi D."),
                        QStringLiteral("F.Vergi No"), QStringLiteral("F.Yetkilisi"),
                        QStringLiteral("x")};
constexpr int kSections = 3;
constexpr int kKeys = 7;
const QString kMissing = QStringLiteral("\x01yok");

// In memory where there is such a folder: every save is flushed to disk, and a disk is slow.
QString path() {
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/teklifo-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/teklifo-fuzz-XXXXXX"));
    return dir.filePath(QStringLiteral("PcFirma.ssd"));
}

void writeFile(const QByteArray& bytes) {
    QFile f(path());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fuzz::fail("the fuzz file can be written", path());
}

QByteArray fileBytes() {
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Table = std::array<std::array<QString, kKeys>, kSections>;

Table readAll(const IniFile& ini) {
    Table t;
    for (int s = 0; s < kSections; ++s)
        for (int k = 0; k < kKeys; ++k) {
            t[s][k] = ini.readString(sections[s], keys[k], kMissing);
            check(t[s][k] == kMissing || t[s][k].size() <= 2047,
                  "a value reads back at most 2047 characters");
        }
    return t;
}

// What a written value reads back as: one byte a character, a line break as a blank, blanks
// around it dropped, one pair of enclosing quotes dropped, at most 2047 characters.
QString expected(const QString& value) {
    QByteArray b = teklifo::toCp1254(value);
    b.replace('\r', ' ').replace('\n', ' ');
    qsizetype begin = 0, end = b.size();
    while (begin < end && (b[begin] == ' ' || b[begin] == '\t'))
        ++begin;
    while (end > begin && (b[end - 1] == ' ' || b[end - 1] == '\t'))
        --end;
    if (end - begin >= 2 && (b[begin] == '"' || b[begin] == '\'') && b[end - 1] == b[begin]) {
        ++begin;
        --end;
    }
    return teklifo::fromCp1254(b.mid(begin, std::min<qsizetype>(end - begin, 2047)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::useProgramLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    const int section = in.byte() % kSections;
    const int count = 1 + in.byte() % 3;
    QList<QPair<QString, QString>> values;
    QList<int> written;
    for (int i = 0; i < count; ++i) {
        const int key = in.byte() % kKeys;
        const QString value = QString::fromUtf8(in.bytes(in.byte() % 48));
        // A key written twice in one go keeps the last value.
        for (qsizetype j = 0; j < written.size(); ++j)
            if (written[j] == key) {
                written.removeAt(j);
                values.removeAt(j);
                break;
            }
        written << key;
        values.append({keys[key], value});
    }
    const QByteArray original = in.rest();
    writeFile(original);

    IniFile ini(path());
    const Table before = readAll(ini);
    ini.writeStrings(sections[section], values);
    const QByteArray once = fileBytes();
    const Table after = readAll(ini);
    for (int s = 0; s < kSections; ++s)
        for (int k = 0; k < kKeys; ++k) {
            const qsizetype w = s == section ? written.indexOf(k) : -1;
            if (w >= 0)
                check(after[s][k] == expected(values[w].second), "a written key reads back its value",
                      shown(after[s][k]) + " != " + shown(expected(values[w].second)));
            else
                check(after[s][k] == before[s][k], "writing leaves every other key as it was",
                      sections[s] + "/" + keys[k] + ": " + shown(before[s][k]) + " -> " + shown(after[s][k]));
        }

    ini.writeStrings(sections[section], values);
    check(fileBytes() == once, "writing the same values again changes no byte");
    return 0;
}
