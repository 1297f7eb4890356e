#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace teklifo {

// A private-profile (INI) file: Windows-1254 on disk, CR LF line ends, sections and keys
// matched ignoring letter case. The file is opened only for the moment of each call.
class IniFile {
public:
    explicit IniFile(QString fileName);

    const QString& fileName() const { return m_fileName; }

    // The text after the first "=" of the key's line in the section, without surrounding
    // blanks and one pair of enclosing quotes, at most 2047 characters; the default for a
    // missing file, section or key; the empty text for a key with an empty value.
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;

    // Writes one key: replaces its line in place, or appends it at the end of its section, or
    // appends the section at the end of the file; every other line stays as it was.
    // Throws FileError "Unable to write to <path>" when the file can't be written.
    void writeString(const QString& section, const QString& key, const QString& value);

    // Writes several keys of one section in one go: all of them or, on any failure, none
    // (through a temporary file in the same folder and an atomic rename).
    void writeStrings(const QString& section, const QList<QPair<QString, QString>>& values);

private:
    QString m_fileName;
};

} // namespace teklifo
