#pragma once

#include <QLineEdit>
#include "catalogue/DataSource.h"

#include <QPointer>

namespace teklifo {

class DataSource;
class Query;

// An edit field bound to one column of a data source. It shows the column's display text of the
// current record; typing into it starts editing (automatic edit), the typed text goes into the
// record when the record is posted or the field is left, and Esc puts the field back.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);

    DataSource* dataSource() const { return m_source; }
    void setDataSource(DataSource* source);
    const QString& dataField() const { return m_field; }
    void setDataField(const QString& field);

    // Whether a typed character fits the column (numbers take digits, signs, an exponent and
    // the decimal separator; texts take anything).
    bool isValidChar(QChar c) const;

    // Reloads the text from the record, dropping what was typed.
    void reset();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Query* query() const;
    bool editing() const;
    void load();
    void pushToRecord();
    void onTextEdited(const QString& text);

    QPointer<DataSource> m_source;
    QString m_field;
    bool m_modified = false;
    bool m_loading = false;
};

} // namespace teklifo
