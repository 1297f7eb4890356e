#include "catalogue/Connection.h"

#include "toolkit/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace teklifo {

const QString Connection::DefaultConnectionString = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data.mdb;Persist Security Info=False;"
    "Jet OLEDB:Database Password=zq_mev");

QString Connection::lastError(sqlite3* db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("bellek yetersiz");
}

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db) {
    if (!db)
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil"));
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK)
        throw DatabaseError(Connection::lastError(db));
}

Statement::~Statement() { sqlite3_finalize(m_stmt); }

void Statement::bind(int index, const QVariant& value) {
    int rc;
    if (value.isNull() || !value.isValid()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw DatabaseError(Connection::lastError(m_db));
}

void Statement::bindAll(const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values[i]);
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString message = Connection::lastError(m_db);
    sqlite3_reset(m_stmt);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        throw DatabaseError(QStringLiteral("Veritabanı başka bir işlem tarafından kilitli: %1").arg(message));
    throw DatabaseError(message);
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const { return sqlite3_column_count(m_stmt); }

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

qint64 Statement::columnInt64(int column) const { return sqlite3_column_int64(m_stmt, column); }

QVariant Statement::column(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column)),
                                          sqlite3_column_bytes(m_stmt, column)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, column)),
                                   sqlite3_column_bytes(m_stmt, column)));
    default:
        return QVariant();
    }
}

Connection::Connection() : Connection(DefaultConnectionString) {}

Connection::Connection(const QString& connectionString) : m_connectionString(connectionString) {}

Connection::~Connection() { close(); }

void Connection::setConnectionString(const QString& connectionString) { m_connectionString = connectionString; }

static QString setting(const QString& connectionString, const QString& name) {
    for (const QString& part : connectionString.split(u';')) {
        const int eq = part.indexOf(u'=');
        if (eq > 0 && part.left(eq).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1);
    }
    return {};
}

QString Connection::dataSource() const { return setting(m_connectionString, QStringLiteral("Data Source")); }

QString Connection::password() const {
    return setting(m_connectionString, QStringLiteral("Jet OLEDB:Database Password"));
}

static int cipherMajorVersion(sqlite3* db) {
    int major = 0;
    sqlite3_exec(
        db, "PRAGMA cipher_version",
        [](void* out, int, char** values, char**) {
            if (values && values[0])
                *static_cast<int*>(out) = QString::fromUtf8(values[0]).section(u'.', 0, 0).toInt();
            return 0;
        },
        &major, nullptr);
    return major;
}

sqlite3* Connection::openFile(const QString& path, const QString& password, bool create) {
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!create && !QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("Veritabanı dosyası bulunamadı: %1").arg(shown));
    // SQLite takes an empty file for a new database and would write one into it.
    if (!create && QFileInfo(path).size() == 0)
        throw DatabaseError(QStringLiteral("Veritabanı açılamadı; dosya boş, bir katalog veritabanı değil: %1").arg(shown));
    sqlite3* db = nullptr;
    // A connection is used by one thread only: no mutex around every column read.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr) != SQLITE_OK) {
        const QString reason = lastError(db);
        sqlite3_close(db);
        throw DatabaseError(QStringLiteral("Veritabanı açılamadı (%1): %2").arg(reason, shown));
    }
    const QByteArray key = password.toUtf8();
    sqlite3_key(db, key.constData(), int(key.size()));
    // A catalogue made under SQLCipher 3 settings opens under later versions too.
    if (cipherMajorVersion(db) >= 4)
        sqlite3_exec(db, "PRAGMA cipher_compatibility = 3", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db, 5000);
    // Reading the schema is the first read of the file: a wrong password, or a file that is no
    // such database, fails here.
    char* error = nullptr;
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &error) != SQLITE_OK) {
        const QString reason = error ? QString::fromUtf8(error) : lastError(db);
        sqlite3_free(error);
        sqlite3_close(db);
        throw DatabaseError(QStringLiteral("Veritabanı açılamadı (%1); parola yanlış ya da dosya bir katalog "
                                           "veritabanı değil: %2")
                                .arg(reason, shown));
    }
    return db;
}

void Connection::open() {
    if (m_db)
        return;
    m_db = openFile(dataSource(), password(), false);
    // Each change is its own small transaction; the write-ahead log keeps them quick and still
    // survives a crash of the program. A read-only file stays in its own journal mode.
    sqlite3_exec(m_db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
    // "Pc Hazırla" reads every table again: pages kept decrypted in memory spare the cipher work.
    sqlite3_exec(m_db, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
}

void Connection::close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Connection::exec(const QString& sql) {
    if (!m_db)
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil"));
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString reason = error ? QString::fromUtf8(error) : lastError(m_db);
        sqlite3_free(error);
        throw DatabaseError(reason);
    }
}

qint64 Connection::changes() const { return m_db ? sqlite3_changes(m_db) : 0; }

qint64 Connection::lastInsertRowId() const { return m_db ? sqlite3_last_insert_rowid(m_db) : 0; }

} // namespace teklifo
