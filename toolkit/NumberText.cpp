#include "toolkit/NumberText.h"

#include "toolkit/Application.h"
#include "toolkit/Errors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace teklifo {

namespace {

// Beyond these decimal magnitudes a text is outside long double altogether (its largest value is
// about 1.19e4932, its smallest above zero about 3.6e-4951), so no digits need to be looked at.
constexpr long long kLargestPoint = 4933;
constexpr long long kSmallestPoint = -4960;
// Exponent digits stop counting here; anything this large is out of range anyway, and the sums
// below stay far from overflowing.
constexpr long long kExponentCap = 1'000'000'000'000LL;

constexpr int kSignificantDigits = 15;

// A number text taken apart: value = (negative ? -1 : 1) × 0.digits × 10^point.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    long long point = 0;
};

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Blanks, a sign, digits with at most one separator, an optional exponent. Nothing else.
bool parseDecimal(QStringView text, QStringView separator, Decimal& out) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    out = Decimal{};
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        out.negative = t[i] == QLatin1Char('-');
        ++i;
    }
    std::string mantissa;
    long long intDigits = 0;
    bool seenSeparator = false;
    while (i < n) {
        if (isDigit(t[i])) {
            mantissa.push_back(char(t[i].unicode()));
            if (!seenSeparator)
                ++intDigits;
            ++i;
        } else if (!seenSeparator && !separator.isEmpty() && t.sliced(i).startsWith(separator)) {
            seenSeparator = true;
            i += separator.size();
        } else {
            break;
        }
    }
    // "5," and ",5" are numbers, a lone separator is not.
    if (mantissa.empty())
        return false;
    long long exponent = 0;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
            negativeExponent = t[i] == QLatin1Char('-');
            ++i;
        }
        const qsizetype start = i;
        while (i < n && isDigit(t[i])) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (t[i].unicode() - '0');
            ++i;
        }
        if (i == start)
            return false;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != n)
        return false;

    const auto first = mantissa.find_first_not_of('0');
    if (first == std::string::npos)
        return true; // zero, sign kept
    const auto last = mantissa.find_last_not_of('0');
    out.digits = mantissa.substr(first, last - first + 1);
    out.point = intDigits - static_cast<long long>(first) + exponent;
    return true;
}

bool toLongDouble(const Decimal& d, long double& value) {
    long double magnitude = 0.0L;
    if (!d.digits.empty()) {
        if (d.point > kLargestPoint)
            return false;
        if (d.point >= kSmallestPoint) {
            // Digits and an exponent only: no decimal point, so the C library's locale cannot
            // get in the way, and strtold rounds the whole digit string correctly.
            const std::string c =
                d.digits + 'e' + std::to_string(d.point - static_cast<long long>(d.digits.size()));
            char* end = nullptr;
            magnitude = std::strtold(c.c_str(), &end);
            if (end != c.c_str() + c.size() || std::isinf(magnitude))
                return false;
        }
    }
    value = d.negative ? -magnitude : magnitude;
    return true;
}

QString invalidNumberMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

// An unsigned integer in base 10^9, least significant limb first: wide enough for the exact
// decimal value of any long double.
class BigDecimal {
public:
    explicit BigDecimal(std::uint64_t value) {
        do {
            m_limbs.push_back(std::uint32_t(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void multiplyByPowerOf(std::uint32_t factor, std::uint32_t chunkFactor, int chunkPower, long long power) {
        for (; power >= chunkPower; power -= chunkPower)
            multiply(chunkFactor);
        std::uint32_t rest = 1;
        for (; power > 0; --power)
            rest *= factor;
        if (rest != 1)
            multiply(rest);
    }

    std::string digits() const {
        std::string s = std::to_string(m_limbs.back());
        for (auto it = m_limbs.rbegin() + 1; it != m_limbs.rend(); ++it) {
            const std::string limb = std::to_string(*it);
            s.append(9 - limb.size(), '0');
            s += limb;
        }
        return s;
    }

private:
    static constexpr std::uint64_t kBase = 1'000'000'000;

    // factor < 2^32, so limb × factor + carry stays below 2^64.
    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : m_limbs) {
            const std::uint64_t p = std::uint64_t(limb) * factor + carry;
            limb = std::uint32_t(p % kBase);
            carry = p / kBase;
        }
        while (carry != 0) {
            m_limbs.push_back(std::uint32_t(carry % kBase));
            carry /= kBase;
        }
    }

    std::vector<std::uint32_t> m_limbs;
};

// The exact decimal value of a finite, non-zero magnitude: 0.digits × 10^point.
Decimal exactDecimal(long double magnitude) {
    int binaryExponent = 0;
    const long double fraction = std::frexp(magnitude, &binaryExponent);
    // The 64-bit mantissa as an integer; exact, since scaling by a power of two is.
    std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    long long exponent = binaryExponent - 64LL;
    while ((mantissa & 1U) == 0) {
        mantissa >>= 1;
        ++exponent;
    }
    BigDecimal n(mantissa);
    long long decimalShift = 0;
    if (exponent >= 0) {
        n.multiplyByPowerOf(2, 1U << 31, 31, exponent);
    } else {
        // m / 2^k == m × 5^k / 10^k
        n.multiplyByPowerOf(5, 1'220'703'125U, 13, -exponent);
        decimalShift = -exponent;
    }
    Decimal d;
    d.digits = n.digits();
    d.point = static_cast<long long>(d.digits.size()) - decimalShift;
    return d;
}

// Rounds to `count` significant digits, halves away from zero (the digits are exact, so a five
// followed by anything is at least a half), and drops trailing zeros.
void roundSignificant(Decimal& d, std::size_t count) {
    if (d.digits.size() > count) {
        const bool up = d.digits[count] >= '5';
        d.digits.resize(count);
        if (up) {
            std::size_t i = count;
            while (i > 0 && d.digits[i - 1] == '9')
                d.digits[--i] = '0';
            if (i == 0) {
                d.digits.insert(d.digits.begin(), '1');
                ++d.point;
            } else {
                ++d.digits[i - 1];
            }
        }
    }
    const auto last = d.digits.find_last_not_of('0');
    d.digits.resize(last + 1);
}

QString groupDigits(const QString& digits, const QString& separator) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

} // namespace

long double textToNumber(const QString& text) { return textToNumber(text, programLocale()); }

long double textToNumber(const QString& text, const QLocale& locale) {
    long double value = 0.0L;
    if (!tryTextToNumber(text, value, locale))
        throw ConvertError(invalidNumberMessage(text));
    return value;
}

bool tryTextToNumber(const QString& text, long double& value) {
    return tryTextToNumber(text, value, programLocale());
}

bool tryTextToNumber(const QString& text, long double& value, const QLocale& locale) {
    Decimal d;
    const QString separator = locale.decimalPoint();
    return parseDecimal(text, separator, d) && toLongDouble(d, value);
}

QString numberToText(long double value) { return numberToText(value, programLocale()); }

QString numberToText(long double value, const QLocale& locale) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0L)
        return QStringLiteral("0"); // -0 too

    Decimal d = exactDecimal(std::fabs(value));
    roundSignificant(d, kSignificantDigits);

    const QString digits = QString::fromLatin1(d.digits.data(), qsizetype(d.digits.size()));
    const qsizetype count = digits.size();
    const long long scientific = d.point - 1; // value = d.ddd × 10^scientific
    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (scientific >= -4 && scientific < kSignificantDigits) {
        const qsizetype point = qsizetype(d.point);
        if (point <= 0)
            out += QLatin1Char('0') + locale.decimalPoint() + QString(-point, QLatin1Char('0')) + digits;
        else if (point >= count)
            out += digits + QString(point - count, QLatin1Char('0'));
        else
            out += digits.left(point) + locale.decimalPoint() + digits.mid(point);
    } else {
        out += digits[0];
        if (count > 1)
            out += locale.decimalPoint() + digits.mid(1);
        out += QLatin1Char('E') + QString::number(scientific);
    }
    return out;
}

QString roundedNumberText(const QString& text, const QString& separator, int decimals,
                          const QLocale& locale) {
    Decimal d;
    // A text beyond long double would be shown as a number that no field can read back.
    long double inRange = 0.0L;
    if (!parseDecimal(text, separator, d) || !toLongDouble(d, inRange))
        return {};
    decimals = std::max(decimals, 0);
    const auto digitAt = [&d](long long index) {
        const bool inside = index >= 0 && index < static_cast<long long>(d.digits.size());
        return inside ? d.digits[std::size_t(index)] : '0';
    };

    // Integer digits, then the kept decimals, then the one digit that decides the rounding.
    const long long integerCount = std::max(d.point, 1LL);
    const long long firstIndex = d.point - integerCount;
    std::string kept;
    kept.reserve(std::size_t(integerCount + decimals));
    for (long long i = 0; i < integerCount + decimals; ++i)
        kept.push_back(digitAt(firstIndex + i));
    if (digitAt(firstIndex + integerCount + decimals) >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }

    const std::size_t integerEnd = kept.size() - std::size_t(decimals);
    std::string integerPart = kept.substr(0, integerEnd);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size() - 1));
    const bool zero = kept.find_first_not_of('0') == std::string::npos;

    QString out = d.negative && !zero ? QStringLiteral("-") : QString();
    out += groupDigits(QString::fromLatin1(integerPart.data(), qsizetype(integerPart.size())),
                       locale.groupSeparator());
    if (decimals > 0)
        out += locale.decimalPoint() + QString::fromLatin1(kept.data() + integerEnd, decimals);
    return out;
}

} // namespace teklifo
