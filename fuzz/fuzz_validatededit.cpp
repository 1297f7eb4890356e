// The validated field: filtering a text and building its shown text never fail; a shown text put
// back into the field shows the same again; a rounded number text is grouped, has exactly the
// asked decimals, rounds only once, and lies within half a unit of its last decimal of the value.
#include "FuzzSupport.h"
#include "toolkit/NumberText.h"
#include "toolkit/ValidatedEdit.h"

#include <QApplication>
#include <QRegularExpression>
#include <cmath>

using fuzz::check;
using fuzz::shown;
using teklifo::ValidatedEdit;
using Format = ValidatedEdit::DisplayFormat;

namespace {

const QString suffixes[] = {
    QString(),           QStringLiteral(" $"), QStringLiteral(" TL"), QStringLiteral(" YTL"),
    QStringLiteral("%"), QStringLiteral(","),  QStringLiteral("5"),   QStringLiteral(" - ")};

ValidatedEdit* field() {
    static ValidatedEdit* edit = new ValidatedEdit;
    return edit;
}

void checkRounded(const QString& text, int decimals) {
    const QLocale locale;
    const QString sep = locale.decimalPoint();
    const QString rounded = teklifo::roundedNumberText(text, sep, decimals, locale);
    long double value = 0;
    const bool number = teklifo::tryTextToNumber(text, value, locale);
    if (rounded.isEmpty()) {
        check(!number, "a number within range has a rounded text", shown(text));
        return;
    }
    const QString pattern =
        QStringLiteral("^-?[0-9]{1,3}(%1[0-9]{3})*%2$")
            .arg(QRegularExpression::escape(locale.groupSeparator()),
                 decimals > 0 ? QRegularExpression::escape(sep) + QStringLiteral("[0-9]{%1}").arg(decimals)
                              : QString());
    check(QRegularExpression(pattern).match(rounded).hasMatch(),
          "a rounded text is grouped with its decimals", shown(text) + " -> " + shown(rounded));
    QString plain = rounded;
    plain.remove(locale.groupSeparator());
    check(!QRegularExpression(QStringLiteral("^-?0[0-9]")).match(plain).hasMatch(), "no leading zeros",
          shown(rounded));
    check(teklifo::roundedNumberText(plain, sep, decimals, locale) == rounded,
          "rounding a rounded text changes nothing", shown(text) + " -> " + shown(rounded));
    long double back = 0;
    check(teklifo::tryTextToNumber(plain, back, locale), "a rounded text is a number", shown(rounded));
    if (number && std::fabs(value) < 1e15L && decimals <= 6) {
        const long double unit = std::pow(10.0L, -decimals);
        check(std::fabs(back - value) <= unit / 2 * (1 + 1e-12L) + std::fabs(value) * 1e-18L,
              "a rounded text is within half a unit of the value", shown(text) + " -> " + shown(rounded));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fuzz::useProgramLocale();
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    const uint8_t choice = in.byte();
    const Format format = choice % 3 == 0   ? Format::Percent
                          : choice % 3 == 1 ? Format::AlphaNumeric
                                            : Format::Custom;
    const QString suffix = suffixes[(choice / 3) % 8];
    const int decimals = in.byte() % 24;
    const QString text = QString::fromUtf8(in.rest());

    const QString value = ValidatedEdit::filterValue(text, format, suffix);
    const QString shownText = ValidatedEdit::shownText(value, format, suffix, decimals);
    check(shownText.endsWith(suffix), "the shown text ends with the suffix", shown(shownText));
    if (format == Format::Percent) {
        static const QRegularExpression percent(QStringLiteral("^[+-]?[0-9]*(,[0-9]*)?$"));
        check(percent.match(value).hasMatch(), "a percent value holds a sign, digits and one separator",
              shown(text) + " -> " + shown(value));
        checkRounded(value, decimals);
    } else if (format == Format::AlphaNumeric) {
        for (QChar c : value)
            check(c.isLetterOrNumber() || c.isSurrogate(), "an alphanumeric value holds letters and digits",
                  shown(value));
    }
    // What the field shows, put into it again, shows the same.
    const QString again = ValidatedEdit::shownText(ValidatedEdit::filterValue(shownText, format, suffix),
                                                   format, suffix, decimals);
    check(again == shownText, "a shown text put back shows the same",
          shown(text) + " -> " + shown(shownText) + " -> " + shown(again));

    // The widget does what the two functions say.
    ValidatedEdit* edit = field();
    edit->setDisplayFormat(format);
    edit->setDisplaySuffix(suffix);
    edit->setDecimalPlaces(decimals);
    edit->setFieldText(text);
    check(edit->valueText() == value, "the field keeps the filtered value", shown(edit->valueText()));
    check(edit->text() == shownText, "the field shows the shown text", shown(edit->text()));
    edit->setText(edit->text());
    check(edit->text() == shownText, "setting the shown text again keeps it", shown(edit->text()));

    checkRounded(QString::fromUtf8(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))),
                 decimals);
    return 0;
}
