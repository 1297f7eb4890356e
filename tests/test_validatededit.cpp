// The validated field: filtering by format, suffix removal, the shown text of a number rounded on
// its own decimal digits with grouping, rebuilding and the change notification.
#include "toolkit/ValidatedEdit.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using teklifo::ValidatedEdit;
using Format = ValidatedEdit::DisplayFormat;

namespace {

// Switches the program's locale for one test and back.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

struct FilterCase {
    Format format;
    const char* suffix;
    const char* text;
    const char* value;
};

const FilterCase filterCases[] = {
    {Format::Percent, " $", "1234,5", "1234,5"},
    {Format::Percent, " $", "1.235 $", "1235"},
    {Format::Percent, " $", "0 $", "0"},
    {Format::Percent, " $", "12 $ $", "12"}, // the suffix goes once, the rest is filtered
    {Format::Percent, "", "$1 234,5abc", "1234,5"},
    {Format::Percent, "", "1,2,3", "1,23"},
    {Format::Percent, "", "-5", "-5"},
    {Format::Percent, "", "+5", "+5"},
    {Format::Percent, "", "5-", "5"},
    {Format::Percent, "", " -5", "5"}, // a sign only in the very first place
    {Format::Percent, "", "--5", "-5"},
    {Format::Percent, "", "1,5E15", "1,515"},
    {Format::Percent, "  YTL", "2.156,36  YTL", "2156,36"},
    {Format::Percent, "  TL", "5  YTL", "5"},
    {Format::AlphaNumeric, "", "1.235 $", "1235"},
    {Format::AlphaNumeric, "", "0 $", "0"},
    {Format::AlphaNumeric, "", "-1.457 $", "1457"},
    {Format::AlphaNumeric, "", "Çığ 12-x_ş", "Çığ12xş"},
    // a letter beyond the basic plane stays, a face does not
    {Format::AlphaNumeric, "", "a\U0001D400b\U0001F600c", "a\U0001D400bc"},
    {Format::Custom, "", "18", "18"},
    {Format::Custom, "", " a b,c $", " a b,c $"},
    {Format::Custom, "  TL", "5  TL", "5"},
    {Format::Custom, "TL", "TL 5", "TL 5"}, // not trailing: kept
};

TEST(ValidatedEditFilter, KeepsWhatTheFormatAllows) {
    for (const auto& c : filterCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(
            ValidatedEdit::filterValue(QString::fromUtf8(c.text), c.format, QString::fromUtf8(c.suffix)),
            QString::fromUtf8(c.value));
    }
}

struct ShownCase {
    const char* value;
    const char* suffix;
    int decimals;
    const char* shown;
};

const ShownCase shownCases[] = {
    {"1234,5", " $", 0, "1.235 $"},
    {"1234567,891", "  YTL", 2, "1.234.567,89  YTL"},
    {"2156,36", "  YTL", 2, "2.156,36  YTL"},
    {"148", "  YTL", 2, "148,00  YTL"},
    {"2156360000", "  TL", 0, "2.156.360.000  TL"},
    {"0", "", 0, "0"},
    {"0", " $", 0, "0 $"},
    {"100", " $", 0, "100 $"},
    {"999", " $", 0, "999 $"},
    {"0,5", " $", 0, "1 $"},
    {"0,4", " $", 0, "0 $"},
    {"29,5", " $", 0, "30 $"},
    {"-5", " $", 0, "-5 $"},
    {"+5", " $", 0, "5 $"},
    {"-0,5", " $", 0, "-1 $"},
    {"-0,4", " $", 0, "0 $"}, // no negative zero
    {"-0,004", "", 2, "0,00"},
    {"999,5", "", 0, "1.000"},
    {"-999999,995", "", 2, "-1.000.000,00"},
    {"0,049", "", 1, "0,0"},
    {"0,05", "", 1, "0,1"},
    // halves that a binary double would miss
    {"1,005", "", 2, "1,01"},
    {"2,675", "", 2, "2,68"},
    {"0,1234567890123456789", "", 18, "0,123456789012345679"},
    {"00012,50", "", 0, "13"},
    {",5", "", 0, "1"},
    {"5,", "", 1, "5,0"},
    // "." read as the separator when the locale's is missing
    {"1.5", "", 0, "2"},
    {"1.234,5", "", 0, "0"},
    // unreadable counts as zero
    {"", " $", 0, "0 $"},
    {"-", "", 2, "0,00"},
    {",", "", 0, "0"},
    {"abc", "", 0, "0"},
    // exponent forms are numbers too
    {"1,5E15", "", 0, "1.500.000.000.000.000"},
    {"1,25E-1", "", 2, "0,13"},
    {"1,25E-1", "", 1, "0,1"},
    {"1E-5000", "", 2, "0,00"},
    {"1E99999", "", 0, "0"}, // beyond any long double
};

TEST(ValidatedEditShown, PercentRoundsOnTheDigitsAndGroups) {
    for (const auto& c : shownCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ValidatedEdit::shownText(QString::fromUtf8(c.value), Format::Percent,
                                           QString::fromUtf8(c.suffix), c.decimals),
                  QString::fromUtf8(c.shown));
    }
}

TEST(ValidatedEditShown, OtherFormatsShowTheValueAndSuffix) {
    for (const Format format : {Format::AlphaNumeric, Format::Custom}) {
        EXPECT_EQ(ValidatedEdit::shownText(QStringLiteral("1234,5"), format, QStringLiteral(" $"), 2),
                  QStringLiteral("1234,5 $"));
        EXPECT_EQ(ValidatedEdit::shownText(QStringLiteral("18"), format, QString(), 0), QStringLiteral("18"));
    }
}

TEST(ValidatedEditShown, SeparatorsFollowTheProgramLocale) {
    LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(
        ValidatedEdit::filterValue(QStringLiteral("1,234,567.891 $"), Format::Percent, QStringLiteral(" $")),
        QStringLiteral("1234567.891"));
    EXPECT_EQ(
        ValidatedEdit::shownText(QStringLiteral("1234567.891"), Format::Percent, QStringLiteral(" $"), 2),
        QStringLiteral("1,234,567.89 $"));
}

TEST(ValidatedEditField, TextIsTheShownTextOfTheValueText) {
    ValidatedEdit edit;
    EXPECT_EQ(edit.text(), QStringLiteral("0")); // an empty value reads as zero
    edit.setDisplaySuffix(QStringLiteral(" $"));
    edit.setFieldText(QStringLiteral("1234,5"));
    EXPECT_EQ(edit.valueText(), QStringLiteral("1234,5"));
    EXPECT_EQ(edit.text(), QStringLiteral("1.235 $"));

    // Putting the shown text back in keeps only its digits.
    edit.setFieldText(edit.text());
    EXPECT_EQ(edit.valueText(), QStringLiteral("1235"));
    EXPECT_EQ(edit.text(), QStringLiteral("1.235 $"));

    ValidatedEdit base;
    base.setDisplayFormat(Format::AlphaNumeric);
    base.setFieldText(edit.text());
    EXPECT_EQ(base.text(), QStringLiteral("1235"));
}

TEST(ValidatedEditField, SuffixAndDecimalsRebuildAtOnce) {
    ValidatedEdit edit;
    edit.setFieldText(QStringLiteral("2156,36"));
    EXPECT_EQ(edit.text(), QStringLiteral("2.156"));
    QSignalSpy changes(&edit, &ValidatedEdit::valueChanged);

    struct Step {
        const char* suffix;
        int decimals;
        const char* shown;
        int changes;
    };
    const Step steps[] = {
        {"  YTL", 0, "2.156  YTL", 1},
        {"  YTL", 2, "2.156,36  YTL", 2},
        {"  YTL", 2, "2.156,36  YTL", 2}, // the same settings again: nothing changes
        {"", 2, "2.156,36", 3},
        {"", 0, "2.156", 4},
        {"", -3, "2.156", 4}, // below zero counts as zero
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.shown);
        edit.setDisplaySuffix(QString::fromUtf8(s.suffix));
        edit.setDecimalPlaces(s.decimals);
        EXPECT_EQ(edit.text(), QString::fromUtf8(s.shown));
        EXPECT_EQ(edit.valueText(), QStringLiteral("2156,36"));
        EXPECT_EQ(changes.count(), s.changes);
    }
}

TEST(ValidatedEditField, NotifiesOnlyWhenTheShownTextChanges) {
    ValidatedEdit edit;
    edit.setDisplaySuffix(QStringLiteral(" $"));
    edit.setFieldText(QStringLiteral("0 $"));
    QSignalSpy changes(&edit, &ValidatedEdit::valueChanged);

    struct Step {
        const char* text;
        const char* shown;
        int changes;
    };
    const Step steps[] = {
        {"0 $", "0 $", 0},       {"0,4", "0 $", 0},         {"1234,5", "1.235 $", 1},
        {"1235", "1.235 $", 1}, {"1.235 $", "1.235 $", 1}, {"1234,6", "1.235 $", 1},
        {"1457,3", "1.457 $", 2}, {"", "0 $", 3},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.text);
        edit.setFieldText(QString::fromUtf8(s.text));
        EXPECT_EQ(edit.text(), QString::fromUtf8(s.shown));
        EXPECT_EQ(changes.count(), s.changes);
    }
}

TEST(ValidatedEditField, LineEditSetTextGoesThroughTheField) {
    ValidatedEdit edit;
    edit.setDisplaySuffix(QStringLiteral(" $"));
    QSignalSpy changes(&edit, &ValidatedEdit::valueChanged);
    QLineEdit& plain = edit;

    plain.setText(QStringLiteral("1.457 $"));
    EXPECT_EQ(edit.valueText(), QStringLiteral("1457"));
    EXPECT_EQ(edit.text(), QStringLiteral("1.457 $"));
    EXPECT_EQ(changes.count(), 1);

    plain.setText(QStringLiteral("1457,2 TL"));
    EXPECT_EQ(edit.valueText(), QStringLiteral("1457,2"));
    EXPECT_EQ(edit.text(), QStringLiteral("1.457 $"));
    EXPECT_EQ(changes.count(), 1);
}

TEST(ValidatedEditField, TypingIsPutInWhenFinished) {
    ValidatedEdit edit;
    edit.setDisplaySuffix(QStringLiteral(" $"));
    edit.setFieldText(QStringLiteral("7"));
    QSignalSpy changes(&edit, &ValidatedEdit::valueChanged);

    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("12a,5"));
    EXPECT_EQ(edit.text(), QStringLiteral("12a,5"));
    EXPECT_EQ(changes.count(), 0);

    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.valueText(), QStringLiteral("12,5"));
    EXPECT_EQ(edit.text(), QStringLiteral("13 $"));
    EXPECT_EQ(changes.count(), 1);
}

TEST(ValidatedEditField, ChangingTheFormatRefiltersTheValue) {
    ValidatedEdit edit;
    edit.setDisplayFormat(Format::Custom);
    edit.setFieldText(QStringLiteral("ab 1,5"));
    EXPECT_EQ(edit.text(), QStringLiteral("ab 1,5"));
    edit.setDisplayFormat(Format::Percent);
    EXPECT_EQ(edit.valueText(), QStringLiteral("1,5"));
    EXPECT_EQ(edit.text(), QStringLiteral("2"));
    edit.setDisplayFormat(Format::AlphaNumeric);
    EXPECT_EQ(edit.text(), QStringLiteral("15"));
}

} // namespace
