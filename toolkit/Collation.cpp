#include "toolkit/Collation.h"

#include <algorithm>
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

// Most model names are Latin letters, digits and punctuation: their weights come from a table.
static inline quint16 weight(char16_t c) {
    static const auto table = [] {
        std::vector<quint16> t(0x180);
        for (char16_t i = 0; i < 0x180; ++i)
            t[i] = computeWeight(i);
        return t;
    }();
    return c < 0x180 ? table[c] : computeWeight(c);
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

QByteArray turkishSortKey(const QString& text) {
    QByteArray key;
    key.resize(text.size() * 2);
    char* out = key.data();
    const char16_t* s = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const quint16 w = weight(turkishLower(s[i]));
        *out++ = char(w >> 8);
        *out++ = char(w & 0xff);
    }
    return key;
}

QStringList sortedTurkish(QStringList texts) {
    std::vector<QByteArray> keys;
    keys.reserve(texts.size());
    for (const QString& t : texts)
        keys.push_back(turkishSortKey(t));
    std::vector<qsizetype> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    QStringList sorted;
    sorted.reserve(texts.size());
    for (qsizetype i : order)
        sorted.append(std::move(texts[i]));
    return sorted;
}

} // namespace teklifo
