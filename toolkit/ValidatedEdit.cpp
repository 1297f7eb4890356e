#include "toolkit/ValidatedEdit.h"

#include "toolkit/Application.h"
#include "toolkit/NumberText.h"

#include <QStringView>
#include <algorithm>

namespace teklifo {

namespace {

constexpr int kMaxDecimals = 100;

QString filterPercent(QStringView text, const QString& separator) {
    QString out;
    bool seenSeparator = false;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            out += c;
        } else if (i == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-'))) {
            out += c;
        } else if (!seenSeparator && !separator.isEmpty() && text.sliced(i).startsWith(separator)) {
            seenSeparator = true;
            out += separator;
            i += separator.size();
            continue;
        }
        ++i;
    }
    return out;
}

QString filterAlphaNumeric(QStringView text) {
    QString out;
    // Whole code points, so a letter outside the basic plane is kept with both halves.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const char32_t code =
            width == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        if (QChar::isLetterOrNumber(code))
            out += text.sliced(i, width);
        i += width;
    }
    return out;
}

} // namespace

ValidatedEdit::ValidatedEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &ValidatedEdit::onTextChanged);
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (text() != m_shown)
            setFieldText(text());
    });
    m_shown = shownText(m_value, m_format, m_suffix, m_decimals);
    showText(m_shown);
}

void ValidatedEdit::setDisplayFormat(DisplayFormat format) {
    if (format == m_format)
        return;
    m_format = format;
    // The value text has to hold only what the new format allows.
    m_value = filterValue(m_value, m_format, QString());
    rebuild();
}

void ValidatedEdit::setDisplaySuffix(const QString& suffix) {
    m_suffix = suffix;
    rebuild();
}

void ValidatedEdit::setDecimalPlaces(int places) {
    m_decimals = std::clamp(places, 0, kMaxDecimals);
    rebuild();
}

void ValidatedEdit::setFieldText(const QString& text) {
    m_value = filterValue(text, m_format, m_suffix);
    rebuild();
}

QString ValidatedEdit::filterValue(const QString& text, DisplayFormat format, const QString& suffix) {
    QStringView rest(text);
    if (!suffix.isEmpty() && rest.endsWith(suffix))
        rest.chop(suffix.size());
    switch (format) {
    case DisplayFormat::Percent:
        return filterPercent(rest, programLocale().decimalPoint());
    case DisplayFormat::AlphaNumeric:
        return filterAlphaNumeric(rest);
    case DisplayFormat::Custom:
        break;
    }
    return rest.toString();
}

QString ValidatedEdit::shownText(const QString& value, DisplayFormat format, const QString& suffix,
                                 int decimals) {
    if (format != DisplayFormat::Percent) return value + suffix;
    const QLocale locale = programLocale();
    QString separator = locale.decimalPoint();
    if (!value.contains(separator) && value.contains(QLatin1Char('.')))
        separator = QStringLiteral(".");
    QString number = roundedNumberText(value, separator, decimals, locale);
    if (number.isEmpty()) // unreadable: counts as zero
        number = roundedNumberText(QStringLiteral("0"), separator, decimals, locale);
    return number + suffix;
}

void ValidatedEdit::rebuild() {
    const QString shown = shownText(m_value, m_format, m_suffix, m_decimals);
    const bool changed = shown != m_shown;
    m_shown = shown;
    // Also when nothing changed: a text set around the model is replaced by the shown text.
    showText(m_shown);
    if (changed)
        Q_EMIT valueChanged();
}

void ValidatedEdit::showText(const QString& text) {
    if (QLineEdit::text() == text)
        return;
    m_showing = true;
    QLineEdit::setText(text);
    m_showing = false;
}

void ValidatedEdit::onTextChanged(const QString& text) {
    // Typing is put in when it is finished; a text set from code is put in at once, so the line
    // edit never shows anything but the shown text of the value text.
    if (m_showing || isModified() || text == m_shown)
        return;
    setFieldText(text);
}

} // namespace teklifo
