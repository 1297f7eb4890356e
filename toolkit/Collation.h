#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace teklifo {

// Letter case folded for matching: Turkish and English spellings meet, so "I", "ı", "İ" and
// "i" all fold to "i" (dealers mix both alphabets in model names).
QString foldCase(QStringView text);

// True when both texts are equal ignoring letter case.
bool equalsIgnoringCase(QStringView a, QStringView b);

// True when text begins with prefix ignoring letter case.
bool startsWithIgnoringCase(QStringView text, QStringView prefix);

// A sort key for Turkish alphabetical order ignoring letter case (a b c ç d e f g ğ h ı i j k l
// m n o ö p r s ş t u ü v y z; blanks and punctuation before digits, digits before letters).
// Keys compare bytewise, so a large list sorts with plain memcmp instead of a collator call per
// comparison.
QByteArray turkishSortKey(const QString& text);

// Sorts texts alphabetically ignoring letter case; equal texts keep their order.
QStringList sortedTurkish(QStringList texts);

} // namespace teklifo
