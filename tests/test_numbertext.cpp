// Number texts: reading with the locale's separator, the exact error text, 15 significant digits
// with halves away from zero, plain and exponent forms.
#include "toolkit/Errors.h"
#include "toolkit/NumberText.h"

#include <QLocale>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using teklifo::ConvertError;
using teklifo::numberToText;
using teklifo::textToNumber;
using teklifo::tryTextToNumber;

namespace {

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);

struct ReadCase {
    const char* text;
    long double expected;
};

// Each expected value is the compiler's own correctly rounded literal.
const ReadCase readCases[] = {
    {"0", 0.0L},
    {"12", 12.0L},
    {"00012", 12.0L},
    {"1234,5", 1234.5L},
    {"0,1", 0.1L},
    {"1,48", 1.48L},
    {"2156,36", 2156.36L},
    {"+3", 3.0L},
    {"-3", -3.0L},
    {",5", 0.5L},
    {"-,5", -0.5L},
    {"5,", 5.0L},
    {"  12,5  ", 12.5L},
    {"\t7\n", 7.0L},
    {"1E3", 1000.0L},
    {"1e3", 1000.0L},
    {"1,5E+2", 150.0L},
    {"1e-3", 1e-3L},
    {"-2,5e-1", -0.25L},
    {"1E0010", 1e10L},
    {"123456789012345678901234567890", 123456789012345678901234567890.0L},
    {"0,000000000000000000000000000001", 1e-30L},
    {"1,18973149535723176502E4932", LDBL_MAX},
};

TEST(TextToNumber, ReadsSignsSeparatorsExponentsAndBlanksExactly) {
    for (const auto& c : readCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textToNumber(QString::fromUtf8(c.text), turkish), c.expected);
    }
}

TEST(TextToNumber, OneArgumentFormUsesTheProgramLocale) {
    EXPECT_EQ(textToNumber(QStringLiteral("2,5")), 2.5L);
    EXPECT_THROW(textToNumber(QStringLiteral("2.5")), ConvertError);
}

TEST(TextToNumber, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(textToNumber(QStringLiteral("-0"), turkish)));
    EXPECT_FALSE(std::signbit(textToNumber(QStringLiteral("0,000"), turkish)));
}

TEST(TextToNumber, RejectsAnythingElseWithTheOriginalTextInTheMessage) {
    const char* invalid[] = {
        "",      "   ",    ",",     "-",      "+",     "-,",    "1.5",   "1.000", "1 000", "1,2,3",
        "1E",    "1E+",    "E5",    ",E5",    "abc",   "12a",   "- 5",   "1,5 $", "--1",   "+-1",
        "0x10",  "inf",    "nan",   "1e5,5",  "1e5e5", "1E 5",  "5%",    "1.235 $", "  1.5 ", "١٢",
    };
    for (const char* text : invalid) {
        const QString t = QString::fromUtf8(text);
        SCOPED_TRACE(text);
        try {
            textToNumber(t, turkish);
            ADD_FAILURE() << "no error";
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(t));
        }
        long double untouched = 42.0L;
        EXPECT_FALSE(tryTextToNumber(t, untouched, turkish));
    }
}

TEST(TextToNumber, SeparatorIsTheLocalesOwn) {
    EXPECT_EQ(textToNumber(QStringLiteral("1.5"), english), 1.5L);
    EXPECT_THROW(textToNumber(QStringLiteral("1,5"), english), ConvertError);
    EXPECT_THROW(textToNumber(QStringLiteral("1,480,000"), english), ConvertError);
}

TEST(TextToNumber, OutOfRangeIsAnErrorAndTinyIsZero) {
    const char* tooLarge[] = {"1E5000", "-1E5000", "1,2E4932", "1E999999999999999999999999999"};
    for (const char* text : tooLarge) {
        SCOPED_TRACE(text);
        EXPECT_THROW(textToNumber(QString::fromUtf8(text), turkish), ConvertError);
    }
    EXPECT_EQ(textToNumber(QStringLiteral("1E-5000"), turkish), 0.0L);
    EXPECT_EQ(textToNumber(QStringLiteral("-1E-999999999999999999999999999"), turkish), 0.0L);
    EXPECT_EQ(textToNumber(QStringLiteral("3,6451995318824746025E-4951"), turkish),
              std::numeric_limits<long double>::denorm_min());
}

TEST(TextToNumber, OverlongTextsAreReadWhole) {
    // 1 followed by a hundred thousand zeros, scaled back down, and a value hidden behind
    // a hundred thousand leading zeros.
    const QString big = QStringLiteral("1") + QString(100000, QLatin1Char('0')) + QStringLiteral("E-100000");
    EXPECT_EQ(textToNumber(big, turkish), 1.0L);
    const QString small =
        QStringLiteral("0,") + QString(100000, QLatin1Char('0')) + QStringLiteral("25E100001");
    EXPECT_EQ(textToNumber(small, turkish), 2.5L);
}

struct WriteCase {
    long double value;
    const char* expected;
};

const WriteCase writeCases[] = {
    {0.0L, "0"},
    {-0.0L, "0"},
    {100.0L, "100"},
    {-5.0L, "-5"},
    {1234.5L, "1234,5"},
    {0.1L, "0,1"},
    {0.1L + 0.2L, "0,3"},
    {1235.0L + (18.0L * 1235.0L) / 100.0L, "1457,3"},
    {1457.0L * 1.48L, "2156,36"},
    {1457.0L * 1480000.0L, "2156360000"},
    {1.0L / 3.0L, "0,333333333333333"},
    {-2.0L / 3.0L, "-0,666666666666667"},
    {123456789012345.0L, "123456789012345"},
    {9999999999999.99L, "9999999999999,99"},
    // plain from 0.0001 up to below 1e15, exponent form outside
    {0.0001L, "0,0001"},
    {0.00012345L, "0,00012345"},
    {0.00001L, "1E-5"},
    {-0.00001L, "-1E-5"},
    {1.25e-7L, "1,25E-7"},
    {1e14L, "100000000000000"},
    {1e15L, "1E15"},
    {1.5e15L, "1,5E15"},
    {-1.5e15L, "-1,5E15"},
    {1e300L, "1E300"},
    {1e-300L, "1E-300"},
    {LDBL_MAX, "1,18973149535723E4932"},
    {std::numeric_limits<long double>::denorm_min(), "3,64519953188247E-4951"},
    // rounding at the fifteenth digit: halves go away from zero (half-even would keep ...344
    // and ...02), the carry may reach the front and change the form
    {123456789012344.5L, "123456789012345"},
    {-123456789012344.5L, "-123456789012345"},
    {123456789012344.25L, "123456789012344"},
    {1000000000000025.0L, "1,00000000000003E15"},
    {1000000000000005.0L, "1,00000000000001E15"},
    {9.999999999999999e14L, "1E15"},
    {0.000099999999999999999L, "0,0001"},
    {9.9999999999999999L, "10"},
    // just below a half in long double; as a double it would be exactly the half
    {123456789012344.5L - 1.0L / 65536.0L, "123456789012344"},
};

TEST(NumberToText, FifteenDigitsShortestFormLocaleSeparator) {
    for (const auto& c : writeCases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(numberToText(c.value, turkish), QString::fromUtf8(c.expected));
    }
}

TEST(NumberToText, OneArgumentFormAndOtherLocales) {
    EXPECT_EQ(numberToText(1234.5L), QStringLiteral("1234,5"));
    EXPECT_EQ(numberToText(1234567.5L, english), QStringLiteral("1234567.5"));
    EXPECT_EQ(numberToText(1.5e15L, english), QStringLiteral("1.5E15"));
}

TEST(NumberToText, NotANumberAndInfinities) {
    EXPECT_EQ(numberToText(std::numeric_limits<long double>::quiet_NaN(), turkish), QStringLiteral("NAN"));
    EXPECT_EQ(numberToText(std::numeric_limits<long double>::infinity(), turkish), QStringLiteral("INF"));
    EXPECT_EQ(numberToText(-std::numeric_limits<long double>::infinity(), turkish), QStringLiteral("-INF"));
}

TEST(NumberText, WrittenTextsReadBackToTheSameText) {
    const char* texts[] = {"1234,5",  "0,0001",         "1E-5",   "1,5E15", "-2156,36",
                           "0,3",     "999999999999999", "1E4000", "1E-4000", "0,123456789012345"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(numberToText(textToNumber(QString::fromUtf8(text), turkish), turkish),
                  QString::fromUtf8(text));
    }
}

} // namespace
