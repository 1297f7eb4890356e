#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: the Turkish locale the program runs under, and a check that
// stops the run with the failing values printed, so libFuzzer keeps the input as a crash.
namespace fuzz {

inline void useProgramLocale() {
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

[[noreturn]] inline void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "\nFAILED: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

inline void check(bool condition, const char* what, const QString& detail = {}) {
    if (!condition) fail(what, detail);
}

// Reads the input front to back: small numbers for choices, then the rest as bytes.
class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    QByteArray bytes(size_t count) {
        count = std::min(count, m_size - m_pos);
        QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(count));
        m_pos += count;
        return out;
    }
    QByteArray rest() { return bytes(m_size - m_pos); }
    size_t left() const { return m_size - m_pos; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Shows a text in a failure message with its invisible characters spelled out.
inline QString shown(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}

} // namespace fuzz
