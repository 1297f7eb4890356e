#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

namespace teklifo {

// One prepared SQL statement of a connection.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql); // throws DatabaseError
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& value); // 1-based; a null QVariant binds NULL
    void bindAll(const QVariantList& values);
    bool step(); // true while a row is available; throws DatabaseError
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QVariant column(int column) const; // NULL as a null QVariant; integer, real, text or blob
    qint64 columnInt64(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// The catalogue's database connection: a SQLCipher file keyed by the database password.
// Connects on the first open() and stays connected until close() or destruction.
class Connection {
public:
    // The settings the program connects with.
    static const QString DefaultConnectionString;

    Connection();
    explicit Connection(const QString& connectionString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // "Provider=…;Data Source=Data.mdb;Persist Security Info=False;Jet OLEDB:Database Password=…"
    void setConnectionString(const QString& connectionString);
    const QString& connectionString() const { return m_connectionString; }
    QString dataSource() const; // the file name as given (relative to the current directory)
    QString password() const;

    // Opens the existing file; never creates it. Throws DatabaseError with a Turkish text when
    // the file is missing, cannot be read, has another password or is not a catalogue database.
    void open();
    void close();
    bool connected() const { return m_db != nullptr; }
    sqlite3* handle() const { return m_db; }

    void exec(const QString& sql);
    qint64 changes() const;
    qint64 lastInsertRowId() const;

    // Opens (or, with create, makes) a SQLCipher file keyed by password, with the settings
    // every catalogue is made with. Throws DatabaseError.
    static sqlite3* openFile(const QString& path, const QString& password, bool create);

    // The text of the last error of a handle, for messages.
    static QString lastError(sqlite3* db);

private:
    QString m_connectionString;
    sqlite3* m_db = nullptr;
};

} // namespace teklifo
