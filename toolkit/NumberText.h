#pragma once

#include <QLocale>
#include <QString>

namespace teklifo {

// Number texts of the whole program. Arithmetic is 80-bit long double; texts use the
// separators of the program's locale (programLocale(): the user's, Turkish when none is set).

// Text to number: surrounding blanks, an optional sign, digits with at most one decimal
// separator of the locale, an optional exponent ("E"/"e", optional sign, digits). No grouping.
// Anything else, the empty text included, throws ConvertError with the message
// "'<text>' is not a valid floating point value".
long double textToNumber(const QString& text);
long double textToNumber(const QString& text, const QLocale& locale);

// The same, without throwing: false for an invalid text.
bool tryTextToNumber(const QString& text, long double& value);
bool tryTextToNumber(const QString& text, long double& value, const QLocale& locale);

// Number to text: shortest form with at most 15 significant digits (half away from zero at the
// fifteenth), the locale's decimal separator, no grouping, no trailing zeros, "0" for zero,
// a leading "-" when negative; plain notation for magnitudes in [0.0001, 1e15), exponent form
// outside ("1,5E15", "1E-5": no plus sign, no leading zeros).
QString numberToText(long double value);
QString numberToText(long double value, const QLocale& locale);

// A number text (the text-to-number form, read with the given decimal separator) rounded to
// `decimals` places on its own decimal digits, halves away from zero, never through a binary
// value; written with the locale's thousands grouping and exactly `decimals` decimals, "-" only
// when the rounded value is not zero. Empty when the text is not a number or is beyond the range
// of long double.
QString roundedNumberText(const QString& text, const QString& separator, int decimals, const QLocale& locale);

} // namespace teklifo
