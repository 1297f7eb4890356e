#include "catalogue/Query.h"

#include "catalogue/Connection.h"
#include "toolkit/Collation.h"
#include "toolkit/Errors.h"
#include "toolkit/NumberText.h"

namespace teklifo {

static QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

static bool numericAffinity(const QString& declared) {
    const QString t = declared.toUpper();
    return t.contains(QStringLiteral("INT")) || t.contains(QStringLiteral("REAL")) ||
           t.contains(QStringLiteral("FLOA")) || t.contains(QStringLiteral("DOUB")) ||
           t.contains(QStringLiteral("NUM")) || t.contains(QStringLiteral("DEC")) ||
           t.contains(QStringLiteral("MONEY")) || t.contains(QStringLiteral("CURRENCY"));
}

static bool isNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

Query::Query(Connection* connection, QObject* parent) : QObject(parent), m_connection(connection) {
    // Every change of the rows is announced as a change of the layout.
    connect(this, &Query::layoutChanged, this, [this] {
        m_locateField = -1;
        m_locateTexts.clear();
    });
}

Query::~Query() = default;

void Query::setTableName(const QString& table) { m_table = table; }

QString Query::commandText() const { return QStringLiteral("Select * From ") + m_table; }

void Query::requireOpen() const {
    if (!isOpen())
        throw DatabaseError(QStringLiteral("'%1' tablosu açık değil; işlem yapılamıyor").arg(m_table));
}

void Query::requireField(int index, const QString& name) const {
    if (index < 0)
        throw DatabaseError(QStringLiteral("'%1' tablosunda '%2' alanı bulunamadı").arg(m_table, name));
}

void Query::setState(DataSetState state) {
    if (m_state != state) {
        m_state = state;
        Q_EMIT stateChanged();
    }
}

Query::Row Query::readRow(qint64 rowid) const {
    Statement st(m_connection->handle(),
                 QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid = ?").arg(quoted(m_table)));
    st.bind(1, rowid);
    Row row;
    row.rowid = rowid;
    if (st.step()) {
        row.values.reserve(m_fields.size());
        for (int c = 1; c < st.columnCount(); ++c)
            row.values.push_back(st.column(c));
    }
    return row;
}

void Query::open() {
    if (isOpen())
        return;
    if (!m_connection->connected())
        m_connection->open();

    std::deque<Row> rows;
    QStringList fields;
    std::vector<bool> numeric;
    try {
        Statement st(m_connection->handle(), QStringLiteral("SELECT rowid, * FROM %1").arg(quoted(m_table)));
        const int columns = st.columnCount();
        for (int c = 1; c < columns; ++c)
            fields << st.columnName(c);
        while (st.step()) {
            Row& row = rows.emplace_back();
            row.rowid = st.columnInt64(0);
            row.values.reserve(columns - 1);
            for (int c = 1; c < columns; ++c)
                row.values.push_back(st.column(c));
        }
        Statement info(m_connection->handle(), QStringLiteral("PRAGMA table_info(%1)").arg(quoted(m_table)));
        numeric.assign(fields.size(), false);
        while (info.step()) {
            const QString name = info.column(1).toString();
            const QString type = info.column(2).toString();
            for (int i = 0; i < fields.size(); ++i)
                if (fields[i].compare(name, Qt::CaseInsensitive) == 0)
                    numeric[i] = type.isEmpty() ? name.compare(QStringLiteral("FIYAT"), Qt::CaseInsensitive) == 0
                                                : numericAffinity(type);
        }
    } catch (const DatabaseError& e) {
        throw DatabaseError(QStringLiteral("'%1' tablosu açılamadı: %2").arg(m_table, e.message()));
    }

    m_deleteStatement.reset();
    m_rows = std::move(rows);
    m_fields = fields;
    m_numeric = numeric;
    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    m_modified = false;
    m_buffer.clear();
    m_state = DataSetState::Browse;
    Q_EMIT layoutChanged();
    Q_EMIT stateChanged();
    Q_EMIT recordChanged();
}

void Query::close() {
    if (!isOpen())
        return;
    m_deleteStatement.reset();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_buffer.clear();
    m_current = -1;
    m_eof = m_bof = true;
    m_modified = false;
    m_state = DataSetState::Inactive;
    Q_EMIT layoutChanged();
    Q_EMIT stateChanged();
    Q_EMIT recordChanged();
}

bool Query::isEmpty() const { return m_rows.empty(); }

int Query::recordCount() const {
    return int(m_rows.size()) - (m_state == DataSetState::Insert ? 1 : 0);
}

int Query::recNo() const {
    if (m_state == DataSetState::Insert || m_current < 0)
        return -1;
    return m_current + 1;
}

int Query::recordNumberOf(int row) const {
    if (m_state == DataSetState::Insert || row < 0 || row >= rowCount())
        return -1;
    return row + 1;
}

void Query::moveCursor(int index, bool eof, bool bof) {
    const bool moved = index != m_current;
    const bool edges = eof != m_eof || bof != m_bof;
    m_current = index;
    m_eof = eof;
    m_bof = bof;
    if (moved)
        Q_EMIT recordChanged();
    else if (edges)
        Q_EMIT edgesChanged();
}

void Query::first() {
    requireOpen();
    checkBrowseMode();
    moveCursor(m_rows.empty() ? -1 : 0, m_rows.empty(), true);
}

void Query::last() {
    requireOpen();
    checkBrowseMode();
    moveCursor(int(m_rows.size()) - 1, true, m_rows.empty());
}

void Query::next() {
    requireOpen();
    checkBrowseMode();
    if (m_eof)
        return;
    if (m_current + 1 >= int(m_rows.size()))
        moveCursor(m_current, true, m_bof);
    else
        moveCursor(m_current + 1, false, false);
}

void Query::prior() {
    requireOpen();
    checkBrowseMode();
    if (m_bof)
        return;
    if (m_current <= 0)
        moveCursor(m_current, m_eof, true);
    else
        moveCursor(m_current - 1, false, false);
}

int Query::moveBy(int distance) {
    requireOpen();
    checkBrowseMode();
    if (m_rows.empty() || distance == 0)
        return 0;
    const int last = int(m_rows.size()) - 1;
    const int target = std::clamp(m_current + distance, 0, last);
    const int moved = target - m_current;
    const bool eof = distance > 0 && moved < distance;
    const bool bof = distance < 0 && moved > distance;
    moveCursor(target, eof, bof);
    return moved;
}

void Query::moveToIndex(int index) {
    requireOpen();
    checkBrowseMode();
    if (index < 0 || index >= int(m_rows.size()))
        return;
    moveCursor(index, false, false);
}

QStringList Query::readToEnd(const QString& field) {
    requireOpen();
    checkBrowseMode();
    const int f = fieldIndex(field);
    requireField(f, field);
    QStringList texts;
    if (m_eof || m_current < 0)
        return texts;
    texts.reserve(int(m_rows.size()) - m_current);
    for (int i = m_current; i < int(m_rows.size()); ++i)
        texts.append(valueText(m_rows[i].values[f], m_numeric[f]));
    moveCursor(int(m_rows.size()) - 1, true, m_bof && m_rows.size() == 1);
    return texts;
}

bool Query::locate(const QString& field, const QString& value) {
    requireOpen();
    checkBrowseMode();
    const int f = fieldIndex(field);
    requireField(f, field);
    if (m_locateField != f) {
        m_locateTexts.clear();
        m_locateTexts.reserve(qsizetype(m_rows.size()));
        for (const auto& row : m_rows)
            m_locateTexts.append(valueText(row.values[f], m_numeric[f]));
        m_locateField = f;
    }
    for (int i = 0; i < int(m_locateTexts.size()); ++i) {
        if (equalsIgnoringCase(m_locateTexts[i], value)) {
            m_current = i;
            m_eof = m_bof = false;
            // Shown again even when it was current: the price field may have been overwritten.
            Q_EMIT recordChanged();
            return true;
        }
    }
    return false;
}

int Query::fieldIndex(const QString& name) const {
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool Query::isNumericField(const QString& name) const {
    const int f = fieldIndex(name);
    return f >= 0 && m_numeric[f];
}

QVariant Query::fieldValue(const QString& name) const {
    requireOpen();
    const int f = fieldIndex(name);
    requireField(f, name);
    if (m_state == DataSetState::Edit || m_state == DataSetState::Insert)
        return m_buffer[f];
    if (m_current < 0)
        return {};
    return m_rows[m_current].values[f];
}

QString Query::fieldText(const QString& name) const {
    const QVariant v = fieldValue(name);
    return valueText(v, m_numeric[fieldIndex(name)]);
}

QString Query::valueText(const QVariant& value, bool) {
    if (value.isNull() || !value.isValid())
        return {};
    if (isNumber(value)) {
        if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            return numberToText(static_cast<long double>(value.toLongLong()));
        return numberToText(static_cast<long double>(value.toDouble()));
    }
    return value.toString();
}

QString Query::displayText(int row, const QString& field) const {
    const int f = fieldIndex(field);
    if (f < 0 || row < 0 || row >= rowCount())
        return {};
    const bool pending = (m_state == DataSetState::Edit || m_state == DataSetState::Insert) && row == m_current;
    return valueText(pending ? m_buffer[f] : m_rows[row].values[f], m_numeric[f]);
}

void Query::setFieldValue(const QString& name, const QVariant& value) {
    requireOpen();
    const int f = fieldIndex(name);
    requireField(f, name);
    if (m_state != DataSetState::Edit && m_state != DataSetState::Insert)
        throw DatabaseError(QStringLiteral("'%1' tablosu düzenleme ya da ekleme durumunda değil").arg(m_table));
    m_buffer[f] = value;
    m_modified = true;
    Q_EMIT fieldChanged(m_fields[f]);
}

void Query::insert() {
    requireOpen();
    checkBrowseMode();
    const int at = m_current < 0 ? 0 : m_current;
    m_beforeInsert = m_current;
    Row row;
    row.values.resize(m_fields.size());
    m_rows.insert(m_rows.begin() + at, std::move(row));
    m_buffer.assign(m_fields.size(), QVariant());
    m_current = at;
    m_eof = m_bof = false;
    m_modified = false;
    setState(DataSetState::Insert);
    Q_EMIT layoutChanged();
    Q_EMIT recordChanged();
}

void Query::edit() {
    requireOpen();
    if (m_state == DataSetState::Edit || m_state == DataSetState::Insert)
        return;
    if (m_rows.empty()) {
        insert();
        return;
    }
    m_buffer = m_rows[m_current].values;
    m_modified = false;
    setState(DataSetState::Edit);
    Q_EMIT recordChanged();
}

// Typed numbers arrive as texts; they are read in the program's number text before writing.
static QVariant storedValue(const QVariant& value, bool numeric) {
    if (!numeric || value.typeId() != QMetaType::QString)
        return value;
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return QVariant();
    return QVariant(static_cast<double>(textToNumber(text)));
}

QString Query::whereRowMatches(const Row& row, QVariantList& params) const {
    QString where = QStringLiteral(" WHERE rowid = ?");
    params << row.rowid;
    for (int i = 0; i < m_fields.size(); ++i) {
        where += QStringLiteral(" AND %1 IS ?").arg(quoted(m_fields[i]));
        params << row.values[i];
    }
    return where;
}

// The values whereRowMatches binds, without building its text again.
void Query::matchParams(const Row& row, QVariantList& params) const {
    params.reserve(params.size() + 1 + qsizetype(row.values.size()));
    params << row.rowid;
    for (const QVariant& value : row.values)
        params << value;
}

static DatabaseError changedElsewhere(const QString& table) {
    return DatabaseError(QStringLiteral("'%1' tablosundaki kayıt başka bir kullanıcı tarafından değiştirilmiş ya da "
                                        "silinmiş; değişiklik yazılmadı. Kaydı iptal edip katalogu yeniden okuyun")
                             .arg(table));
}

void Query::insertRow() {
    QStringList columns;
    QVariantList params;
    for (int i = 0; i < m_fields.size(); ++i) {
        const QVariant v = storedValue(m_buffer[i], m_numeric[i]);
        if (!v.isNull()) {
            columns << quoted(m_fields[i]);
            params << v;
        }
    }
    QString sql = QStringLiteral("INSERT INTO %1").arg(quoted(m_table));
    if (columns.isEmpty())
        sql += QStringLiteral(" DEFAULT VALUES");
    else
        sql += QStringLiteral(" (%1) VALUES (%2)")
                   .arg(columns.join(u','), QStringList(columns.size(), QStringLiteral("?")).join(u','));
    Statement st(m_connection->handle(), sql);
    st.bindAll(params);
    st.step();
    Row stored = readRow(m_connection->lastInsertRowId());
    if (stored.values.size() != size_t(m_fields.size()))
        stored.values = m_buffer;
    m_rows[m_current] = std::move(stored);
}

void Query::updateRow() {
    Row& row = m_rows[m_current];
    QStringList sets;
    QVariantList params;
    for (int i = 0; i < m_fields.size(); ++i) {
        const QVariant v = storedValue(m_buffer[i], m_numeric[i]);
        if (v != row.values[i] || v.typeId() != row.values[i].typeId()) {
            sets << QStringLiteral("%1 = ?").arg(quoted(m_fields[i]));
            params << v;
        }
    }
    if (sets.isEmpty())
        return;
    const QString where = whereRowMatches(row, params);
    Statement st(m_connection->handle(),
                 QStringLiteral("UPDATE %1 SET %2").arg(quoted(m_table), sets.join(QStringLiteral(", "))) + where);
    st.bindAll(params);
    st.step();
    if (m_connection->changes() != 1)
        throw changedElsewhere(m_table);
    Row stored = readRow(row.rowid);
    if (stored.values.size() == size_t(m_fields.size()))
        row = std::move(stored);
}

void Query::post() {
    requireOpen();
    if (m_state != DataSetState::Edit && m_state != DataSetState::Insert)
        return;
    Q_EMIT updateRecord();
    if (m_state == DataSetState::Insert)
        insertRow();
    else
        updateRow();
    m_buffer.clear();
    m_modified = false;
    setState(DataSetState::Browse);
    Q_EMIT layoutChanged();
    Q_EMIT recordChanged();
}

void Query::cancel() {
    if (m_state == DataSetState::Insert) {
        m_rows.erase(m_rows.begin() + m_current);
        int back = m_beforeInsert;
        if (back >= int(m_rows.size()))
            back = int(m_rows.size()) - 1;
        m_current = m_rows.empty() ? -1 : back;
        m_eof = m_rows.empty();
        m_bof = m_rows.empty();
        m_buffer.clear();
        m_modified = false;
        setState(DataSetState::Browse);
        Q_EMIT layoutChanged();
        Q_EMIT recordChanged();
    } else if (m_state == DataSetState::Edit) {
        m_buffer.clear();
        m_modified = false;
        setState(DataSetState::Browse);
        Q_EMIT recordChanged();
    }
}

void Query::checkBrowseMode() {
    if (m_state != DataSetState::Edit && m_state != DataSetState::Insert)
        return;
    Q_EMIT updateRecord();
    if (m_modified)
        post();
    else
        cancel();
}

Statement& Query::deleteStatement() {
    if (!m_deleteStatement) {
        QVariantList unused;
        Row shape;
        shape.values.resize(m_fields.size());
        const QString where = whereRowMatches(shape, unused);
        m_deleteStatement = std::make_unique<Statement>(
            m_connection->handle(), QStringLiteral("DELETE FROM %1").arg(quoted(m_table)) + where);
    }
    return *m_deleteStatement;
}

void Query::deleteRecord() {
    requireOpen();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (m_rows.empty())
        throw DatabaseError(QStringLiteral("'%1' tablosunda silinecek kayıt yok").arg(m_table));
    const Row& row = m_rows[m_current];
    QVariantList params;
    matchParams(row, params);
    Statement& st = deleteStatement();
    st.reset();
    st.bindAll(params);
    st.step();
    if (m_connection->changes() != 1)
        throw changedElsewhere(m_table);

    m_buffer.clear();
    m_modified = false;
    setState(DataSetState::Browse);
    m_rows.erase(m_rows.begin() + m_current);
    if (m_rows.empty()) {
        m_current = -1;
        m_eof = m_bof = true;
    } else if (m_current >= int(m_rows.size())) {
        m_current = int(m_rows.size()) - 1;
        m_eof = true;
        m_bof = false;
    } else {
        m_eof = m_bof = false;
    }
    if (controlsDisabled()) {
        m_changedQuietly = true;
        return;
    }
    Q_EMIT layoutChanged();
    Q_EMIT recordChanged();
}

void Query::enableControls() {
    if (m_controlsDisabled == 0 || --m_controlsDisabled > 0 || !m_changedQuietly)
        return;
    m_changedQuietly = false;
    Q_EMIT layoutChanged();
    Q_EMIT recordChanged();
}

} // namespace teklifo
