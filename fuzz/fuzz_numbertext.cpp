// Number texts: every text is either a number or the one conversion error; a number written and
// read back gives the same text again, and that text is the value to 15 significant digits.
#include "FuzzSupport.h"
#include "toolkit/Errors.h"
#include "toolkit/NumberText.h"

#include <QRegularExpression>
#include <cfloat>
#include <cmath>
#include <cstring>

using fuzz::check;
using fuzz::shown;

namespace {

const QLocale& localeFor(uint8_t choice) {
    static const QLocale locales[] = {QLocale(QLocale::Turkish, QLocale::Turkey), QLocale::c(),
                                      QLocale(QLocale::French, QLocale::France),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    return locales[choice % 4];
}

// Sign, digits with at most one separator, an optional exponent without plus sign or leading zeros.
void checkForm(const QString& text, const QLocale& locale, const QString& origin) {
    const QString sep = QRegularExpression::escape(locale.decimalPoint());
    static QHash<QString, QRegularExpression> forms;
    auto it = forms.find(sep);
    if (it == forms.end())
        it = forms.insert(
            sep, QRegularExpression(
                     QStringLiteral("^-?(0|[1-9][0-9]*)(%1[0-9]*[1-9])?(E-?[1-9][0-9]*)?$").arg(sep)));
    check(it->match(text).hasMatch(), "a written number has the plain form", origin + " -> " + shown(text));
    int significant = 0;
    bool leading = true;
    for (QChar c : text) {
        if (c == u'E') break;
        if (c.isDigit() && c.unicode() < 0x80) {
            leading = leading && c == u'0';
            significant += leading ? 0 : 1;
        }
    }
    check(significant <= 15, "at most 15 significant digits are written", origin + " -> " + shown(text));
}

void roundTrip(long double value, const QLocale& locale, const QString& origin) {
    const QString text = teklifo::numberToText(value, locale);
    checkForm(text, locale, origin);
    check(text.startsWith(u'-') == (value < 0), "the sign is written for negative numbers only",
          origin + " -> " + text);
    long double back = 0;
    check(teklifo::tryTextToNumber(text, back, locale), "a written number reads back",
          origin + " -> " + shown(text));
    const QString again = teklifo::numberToText(back, locale);
    check(again == text, "written, read and written again gives the same text",
          origin + " -> " + text + " -> " + again);
    // Rounding at the fifteenth digit is off by at most half a unit there: 5e-15 of the value, and a
    // hair for reading the text back. Subnormal values have fewer digits than that to give.
    if (std::fabs(value) >= LDBL_MIN * 1e20L) {
        const long double relative = std::fabs(back - value) / std::fabs(value);
        check(relative <= 5.0001e-15L, "the written text is the value to 15 significant digits",
              origin + " -> " + text);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::useProgramLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    const uint8_t mode = in.byte();
    const QLocale& locale = localeFor(mode);

    if (mode & 0x80) {
        // A number as arithmetic can leave it: any finite long double, built from a 64-bit
        // mantissa and a binary exponent so that it is always a valid one.
        uint64_t mantissa = 0;
        const QByteArray m = in.bytes(8);
        std::memcpy(&mantissa, m.constData(), size_t(m.size()));
        const uint8_t lo = in.byte(), hi = in.byte();
        const int exponent = int((hi << 8) | lo) % 33000 - 16500 - 63;
        long double value = std::ldexp(static_cast<long double>(mantissa), exponent);
        if (mode & 0x40) value = -value;
        if (std::isfinite(value)) roundTrip(value, locale, QStringLiteral("bits"));
        return 0;
    }

    const QString text = QString::fromUtf8(in.rest());
    long double value = 0;
    const bool valid = teklifo::tryTextToNumber(text, value, locale);
    bool thrown = false;
    try {
        const long double thrownValue = teklifo::textToNumber(text, locale);
        check(valid && (thrownValue == value || (std::isnan(value) && std::isnan(thrownValue))),
              "textToNumber agrees with tryTextToNumber", shown(text));
    } catch (const teklifo::ConvertError& e) {
        thrown = true;
        check(e.message() == QStringLiteral("'%1' is not a valid floating point value").arg(text),
              "the conversion error names the text", shown(e.message()));
    }
    check(thrown == !valid, "textToNumber throws exactly for invalid texts", shown(text));
    if (valid) {
        check(std::isfinite(value), "a valid text is a finite number", shown(text));
        roundTrip(value, locale, shown(text));
    }
    return 0;
}
