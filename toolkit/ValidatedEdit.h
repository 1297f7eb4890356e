#pragma once

#include <QLineEdit>
#include <QString>

namespace teklifo {

// An edit field that filters what is put into it and shows it in a display format: it keeps a
// value text and shows a shown text built from it. text() is the shown text, suffix included.
class ValidatedEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class DisplayFormat { Percent, AlphaNumeric, Custom };

    explicit ValidatedEdit(QWidget* parent = nullptr);

    DisplayFormat displayFormat() const { return m_format; }
    void setDisplayFormat(DisplayFormat format);
    QString displaySuffix() const { return m_suffix; }
    void setDisplaySuffix(const QString& suffix); // rebuilds the shown text at once
    int decimalPlaces() const { return m_decimals; }
    void setDecimalPlaces(int places); // rebuilds the shown text at once; kept within 0 to 100

    // Puts a text into the field: a trailing suffix is removed, the characters the format does
    // not allow are dropped, the rest becomes the value text and the shown text is rebuilt.
    // valueChanged() is emitted only when the shown text changed. A text set through
    // QLineEdit::setText() is put in the same way; what the user types, when the field is not
    // read-only, is put in when the editing is finished.
    void setFieldText(const QString& text);
    QString valueText() const { return m_value; }

    // The value text that a text put in under the given format and suffix leaves.
    static QString filterValue(const QString& text, DisplayFormat format, const QString& suffix);
    // The shown text for a value text under the given format, suffix and decimals.
    static QString shownText(const QString& value, DisplayFormat format, const QString& suffix, int decimals);

Q_SIGNALS:
    // The field's change notification: the shown text changed.
    void valueChanged();

private:
    void rebuild();
    void showText(const QString& text);
    void onTextChanged(const QString& text);

    DisplayFormat m_format = DisplayFormat::Percent;
    QString m_suffix;
    int m_decimals = 0;
    QString m_value;
    QString m_shown;
    bool m_showing = false; // our own change of the line edit's text is under way
};

} // namespace teklifo
