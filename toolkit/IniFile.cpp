#include "toolkit/IniFile.h"

#include "toolkit/Cp1254.h"
#include "toolkit/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace teklifo {

namespace {

// The longest value read back, in characters (one byte each on disk).
constexpr qsizetype kMaxValueLength = 2047;

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A half-open byte range [begin, end) of the file.
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
};

Span trimmed(const QByteArray& bytes, Span s) {
    while (s.begin < s.end && isBlank(bytes[s.begin]))
        ++s.begin;
    while (s.end > s.begin && isBlank(bytes[s.end - 1]))
        --s.end;
    return s;
}

QString decode(const QByteArray& bytes, Span s) {
    return fromCp1254(QByteArrayView(bytes.constData() + s.begin, s.end - s.begin));
}

// One line of the file: its text and where the next line starts. A line ends at CR LF, LF or CR;
// the last line may have no end at all.
struct Line {
    Span text;
    qsizetype next = 0;
    bool terminated() const { return next > text.end; }
};

QList<Line> splitLines(const QByteArray& bytes) {
    QList<Line> lines;
    // A UTF-8 mark in front (left by an editor) is no part of the first line's text, so the
    // first section still matches; it stays in the file untouched.
    qsizetype pos = bytes.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
    const qsizetype size = bytes.size();
    const char* data = bytes.constData();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < size) {
            if (data[next] == '\r' && next + 1 < size && data[next + 1] == '\n')
                next += 2;
            else
                next += 1;
        }
        lines.append(Line{{pos, end}, next});
        pos = next;
    }
    return lines;
}

// What one line is, as far as a look-up cares.
struct Parsed {
    enum Kind { Blank, Section, Key, Other } kind = Other;
    Span name;  // the section name or the key, without blanks
    Span value; // the text after the first "=", without blanks
};

Parsed parseLine(const QByteArray& bytes, const Line& line) {
    Parsed p;
    const Span t = trimmed(bytes, line.text);
    if (t.begin == t.end) {
        p.kind = Parsed::Blank;
        return p;
    }
    if (bytes[t.begin] == '[') {
        p.kind = Parsed::Section;
        qsizetype close = bytes.indexOf(']', t.begin + 1);
        if (close < 0 || close > t.end)
            close = t.end;
        p.name = trimmed(bytes, {t.begin + 1, close});
        return p;
    }
    const qsizetype eq = bytes.indexOf('=', t.begin);
    if (eq < 0 || eq >= t.end)
        return p;
    p.kind = Parsed::Key;
    p.name = trimmed(bytes, {t.begin, eq});
    p.value = trimmed(bytes, {eq + 1, t.end});
    return p;
}

bool sameName(const QByteArray& bytes, Span s, const QString& name) {
    // Bytes and characters count alike in a one-byte code page: cheap length check first.
    if (s.end - s.begin != name.size())
        return false;
    return QString::compare(decode(bytes, s), name, Qt::CaseInsensitive) == 0;
}

// Where a key stands: the first section of that name, the first line of that key in it, and
// the section's last line that isn't blank (where a new key goes).
struct Location {
    qsizetype sectionLine = -1;
    qsizetype keyLine = -1;
    qsizetype lastFilledLine = -1;
    Parsed key;
};

Location locate(const QByteArray& bytes, const QList<Line>& lines, const QString& section, const QString& key) {
    Location loc;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed p = parseLine(bytes, lines[i]);
        if (loc.sectionLine < 0) {
            if (p.kind == Parsed::Section && sameName(bytes, p.name, section)) {
                loc.sectionLine = i;
                loc.lastFilledLine = i;
            }
            continue;
        }
        if (p.kind == Parsed::Section)
            break;
        if (p.kind == Parsed::Blank)
            continue;
        loc.lastFilledLine = i;
        if (p.kind == Parsed::Key && loc.keyLine < 0 && sameName(bytes, p.name, key)) {
            loc.keyLine = i;
            loc.key = p;
        }
    }
    return loc;
}

// A value goes on one line: a line break in it would split the file's structure.
QByteArray encodeValue(const QString& value) {
    QByteArray bytes = toCp1254(value);
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

// The file's content with one key written; every other line keeps its bytes.
QByteArray withKey(const QByteArray& bytes, const QString& section, const QString& key, const QString& value) {
    const QList<Line> lines = splitLines(bytes);
    const Location loc = locate(bytes, lines, section, key);
    const QByteArray valueBytes = encodeValue(value);

    if (loc.keyLine >= 0) {
        // The line keeps its indentation and its key as spelled in the file.
        const Line& line = lines[loc.keyLine];
        QByteArray out = bytes.left(loc.key.name.end);
        out += '=';
        out += valueBytes;
        out += kLineEnd;
        out += QByteArrayView(bytes).sliced(line.next);
        return out;
    }

    const QByteArray keyLine = toCp1254(key) + '=' + valueBytes + kLineEnd;
    if (loc.sectionLine >= 0) {
        const Line& last = lines[loc.lastFilledLine];
        QByteArray out = bytes.left(last.next);
        if (!last.terminated())
            out += kLineEnd;
        out += keyLine;
        out += QByteArrayView(bytes).sliced(last.next);
        return out;
    }

    QByteArray out = bytes;
    if (!lines.isEmpty() && !lines.last().terminated())
        out += kLineEnd;
    out += '[' + toCp1254(section) + ']' + kLineEnd;
    out += keyLine;
    return out;
}

} // namespace

IniFile::IniFile(QString fileName) : m_fileName(std::move(fileName)) {}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const {
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    const QByteArray bytes = file.readAll();
    file.close();

    const QList<Line> lines = splitLines(bytes);
    const Location loc = locate(bytes, lines, section, key);
    if (loc.keyLine < 0)
        return defaultValue;

    Span value = loc.key.value;
    const qsizetype length = value.end - value.begin;
    if (length >= 2) {
        const char first = bytes[value.begin];
        if ((first == '"' || first == '\'') && bytes[value.end - 1] == first) {
            ++value.begin;
            --value.end;
        }
    }
    value.end = std::min(value.end, value.begin + kMaxValueLength);
    return decode(bytes, value);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    writeStrings(section, {{key, value}});
}

void IniFile::writeStrings(const QString& section, const QList<QPair<QString, QString>>& values) {
    if (values.isEmpty())
        return;
    const QString failure = QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(QFileInfo(m_fileName).absoluteFilePath());

    // A file that is there but can't be read would be lost by rewriting it: refuse.
    QByteArray bytes;
    if (QFileInfo::exists(m_fileName)) {
        QFile file(m_fileName);
        if (!file.open(QIODevice::ReadOnly))
            throw FileError(failure);
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw FileError(failure);
    }

    for (const auto& [key, value] : values)
        bytes = withKey(bytes, section, key, value);

    // Written beside the file and renamed over it only when complete: the old file stays as it
    // was on any failure. Unbuffered, because a buffered QSaveFile commits a short write (disk
    // full, size limit) as success; unbuffered, write() reports the short count.
    QSaveFile out(m_fileName);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        throw FileError(failure);
    }
    if (!out.commit())
        throw FileError(failure);
}

} // namespace teklifo
