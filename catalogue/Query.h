#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <deque>
#include <memory>
#include <vector>

namespace teklifo {

class Connection;
class Statement;

enum class DataSetState { Inactive, Browse, Edit, Insert };

// A catalogue query: "Select * From <table>" read whole into memory when opened, with a cursor
// (current record, beginning, end) and the browse, edit and insert states. Every insert, edit
// and delete is written to the file at once, one row per statement. Rows are identified by their
// rowid, and an update or delete only applies while the row still holds the values read, so a
// row changed by another process is detected instead of overwritten.
class Query : public QObject {
    Q_OBJECT
public:
    explicit Query(Connection* connection, QObject* parent = nullptr);
    ~Query() override;

    // The catalogue table; the command text is "Select * From " followed by it.
    void setTableName(const QString& table);
    const QString& tableName() const { return m_table; }
    QString commandText() const;
    Connection* connection() const { return m_connection; }

    void open();  // connects first when needed; throws DatabaseError
    void close(); // a pending insert or edit is dropped unsaved
    bool isOpen() const { return m_state != DataSetState::Inactive; }
    DataSetState state() const { return m_state; }

    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const;
    int recordCount() const; // rows held now; a pending new row is not counted
    int recNo() const;       // 1-based position of the current row; -1 while inserting or empty
    int currentIndex() const { return m_current; } // 0-based index into rows(), -1 when empty

    // Moves; each first posts a changed pending record and cancels an unchanged one.
    void first();
    void prior();
    void next();
    void last();
    int moveBy(int distance); // returns how far it actually moved (signed)
    void moveToIndex(int index);

    // The display texts of one field from the current row to the last, leaving the query at its
    // end with the last row current: what a loop of reads and next() gives, in one pass.
    QStringList readToEnd(const QString& field);

    // Makes current the first row, in the query's order, whose field equals value ignoring
    // letter case; refreshes bound controls even when that row was current. False when none.
    bool locate(const QString& field, const QString& value);

    // Fields of the current record (of the pending buffer while inserting or editing).
    QStringList fieldNames() const { return m_fields; }
    int fieldIndex(const QString& name) const; // -1 when the table has no such column
    bool isNumericField(const QString& name) const;
    QVariant fieldValue(const QString& name) const;
    QString fieldText(const QString& name) const; // the display text; throws for a missing field
    QString fieldAsString(const QString& name) const { return fieldText(name); }
    void setFieldValue(const QString& name, const QVariant& value); // needs edit or insert
    bool modified() const { return m_modified; }

    // Display text of any held row, for the grid.
    int rowCount() const { return int(m_rows.size()); }
    QString displayText(int row, const QString& field) const;
    // 1-based record number of a held row, -1 while a record is being inserted.
    int recordNumberOf(int row) const;

    bool canModify() const { return isOpen(); }
    void insert();
    void edit(); // on an empty query starts an insert
    void post();
    void cancel();
    void deleteRecord();
    // Posts a changed pending record, cancels an unchanged one; nothing in browse state.
    void checkBrowseMode();

    // While controls are disabled, deletions are not announced one by one; enabling them again
    // (as often as they were disabled) announces the new rows and current record once. A long
    // run of deletions so skips redrawing the bound controls at every step.
    void disableControls() { ++m_controlsDisabled; }
    void enableControls();
    bool controlsDisabled() const { return m_controlsDisabled > 0; }

    // The display text of a stored value: numbers in the program's number text, NULL as "".
    static QString valueText(const QVariant& value, bool numeric);

Q_SIGNALS:
    void recordChanged();             // the current record moved, was re-shown or its values changed
    void fieldChanged(const QString& field); // one field of the pending record was set
    void stateChanged();
    void layoutChanged(); // rows were added or removed, or the query opened or closed
    void updateRecord();  // bound controls: put your pending texts into the record now
    // The beginning or end flag changed while the current record stayed (a move that hit an end).
    void edgesChanged();

private:
    struct Row {
        qint64 rowid = 0;
        std::vector<QVariant> values;
    };

    void requireOpen() const;
    void requireField(int index, const QString& name) const;
    void setState(DataSetState state);
    void moveCursor(int index, bool eof, bool bof);
    void insertRow();
    void updateRow();
    QString whereRowMatches(const Row& row, QVariantList& params) const;
    void matchParams(const Row& row, QVariantList& params) const;
    Row readRow(qint64 rowid) const;
    Statement& deleteStatement();

    Connection* m_connection;
    QString m_table;
    QStringList m_fields;
    std::vector<bool> m_numeric;
    // Emptying a category deletes the first row again and again: a deque drops it in constant time.
    std::deque<Row> m_rows;
    DataSetState m_state = DataSetState::Inactive;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;
    // The pending record while inserting or editing; the row in m_rows keeps what the file holds.
    std::vector<QVariant> m_buffer;
    bool m_modified = false;
    int m_beforeInsert = -1; // the row that was current when an insert started
    // Emptying a category deletes row after row: the statement is prepared once per opening.
    std::unique_ptr<Statement> m_deleteStatement;
    int m_controlsDisabled = 0;
    bool m_changedQuietly = false;
    // The display texts of the field last located in, row by row, sharing the rows' strings: a
    // pick scans one flat array instead of 100,000 records. Emptied whenever the rows change.
    int m_locateField = -1;
    QStringList m_locateTexts;
};

} // namespace teklifo
