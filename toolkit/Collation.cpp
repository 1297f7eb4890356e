#include "toolkit/Collation.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

namespace teklifo {

static inline char16_t foldChar(char16_t c) {
    if (c < 0x80) {
        if (c >= u'A' && c <= u'Z')
            return char16_t(c + 32);
        return c;
    }
    if (c == 0x130 || c == 0x131) // İ, ı
        return u'i';
    return QChar(c).toCaseFolded().unicode();
}

QString foldCase(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(out.data());
    const char16_t* s = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        d[i] = foldChar(s[i]);
    return out;
}

bool equalsIgnoringCase(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    const char16_t* x = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* y = reinterpret_cast<const char16_t*>(b.constData());
    for (qsizetype i = 0; i < a.size(); ++i)
        if (x[i] != y[i] && foldChar(x[i]) != foldChar(y[i]))
            return false;
    return true;
}

bool startsWithIgnoringCase(QStringView text, QStringView prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.first(prefix.size()), prefix);
}

// Primary weights. Blanks and punctuation sort first by code point, then digits, then the
// Turkish alphabet (with q, w, x in their Latin places), then every other letter by code point.
static quint16 computeWeight(char16_t c) {
    // Turkish lower-case letters after folding with Turkish rules (I -> ı, İ -> i).
    static const char16_t alphabet[] = u"abcçdefgğhıijklmnoöpqrsştuüvwxyz";
    if (c >= u'0' && c <= u'9')
        return quint16(0x1000 + (c - u'0'));
    for (int i = 0; alphabet[i]; ++i)
        if (alphabet[i] == c)
            return quint16(0x2000 + i * 4);
    QChar ch(c);
    if (ch.isLetter()) {
        // Accented Latin letters sort beside their base letter.
        const QString decomposed = QString(ch).normalized(QString::NormalizationForm_D);
        if (decomposed.size() > 1 && decomposed[0].unicode() < 0x80 && decomposed[0].isLetter())
            return quint16(computeWeight(decomposed[0].toLower().unicode()) + 1);
        return quint16(0x3000 + (c >> 4));
    }
    return quint16(c < 0x1000 ? c : 0x0fff);
}

static inline char16_t turkishLower(char16_t c) {
    if (c == u'I')
        return 0x131; // ı
    if (c == 0x130)
        return u'i';
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return QChar(c).toLower().unicode();
}

// The weight of a character as typed, letter case folded the Turkish way. Most model names are
// Latin letters, digits and punctuation: their weights come from one table lookup.
static inline quint16 sortWeight(char16_t c) {
    static const auto table = [] {
        std::vector<quint16> t(0x180);
        for (char16_t i = 0; i < 0x180; ++i)
            t[i] = computeWeight(turkishLower(i));
        return t;
    }();
    return c < 0x180 ? table[c] : computeWeight(turkishLower(c));
}

QByteArray turkishSortKey(const QString& text) {
    QByteArray key;
    key.resize(text.size() * 2);
    char* out = key.data();
    const char16_t* s = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const quint16 w = sortWeight(s[i]);
        *out++ = char(w >> 8);
        *out++ = char(w & 0xff);
    }
    return key;
}

QStringList sortedTurkish(QStringList texts) {
    // All keys in one buffer, as big-endian weights that memcmp orders: a list of 100,000 models
    // sorts without 100,000 allocations or a call per character.
    const qsizetype n = texts.size();
    std::vector<qsizetype> start(n + 1);
    for (qsizetype i = 0; i < n; ++i)
        start[i + 1] = start[i] + 2 * texts[i].size();
    std::vector<unsigned char> keys(start[n]);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t* s = reinterpret_cast<const char16_t*>(texts[i].constData());
        unsigned char* out = keys.data() + start[i];
        for (qsizetype k = 0, len = texts[i].size(); k < len; ++k) {
            const quint16 w = sortWeight(s[k]);
            *out++ = static_cast<unsigned char>(w >> 8);
            *out++ = static_cast<unsigned char>(w & 0xff);
        }
    }
    std::vector<qsizetype> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const qsizetype la = start[a + 1] - start[a];
        const qsizetype lb = start[b + 1] - start[b];
        const int c = std::memcmp(keys.data() + start[a], keys.data() + start[b], size_t(std::min(la, lb)));
        return c < 0 || (c == 0 && la < lb);
    });
    QStringList sorted;
    sorted.reserve(n);
    for (qsizetype i : order)
        sorted.append(std::move(texts[i]));
    return sorted;
}

} // namespace teklifo
