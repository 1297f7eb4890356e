#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <map>

class QComboBox;

#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace testing_support {

// One catalogue row: PARCA and FIYAT as they are stored (a null QVariant stores NULL).
struct Row {
    QVariant parca;
    QVariant fiyat;
};

// Which rows each category table holds, by position; positions not named get empty tables.
using Catalogue = std::map<int, QList<Row>>;

// Writes a SQLCipher catalogue file with the nineteen tables (PARCA TEXT, FIYAT REAL).
// missingTables are not created; tablesWithoutParca get only a FIYAT column.
void makeCatalogue(const QString& path, const Catalogue& rows, const QString& password = QStringLiteral("zq_mev"),
                   const QList<int>& missingTables = {}, const QList<int>& tablesWithoutParca = {});

// Runs SQL on a catalogue file (a second connection, as another process would).
void execOnCatalogue(const QString& path, const QString& sql, const QString& password = QStringLiteral("zq_mev"));

// The rows of a table as stored in the file, in rowid order.
QList<Row> readTable(const QString& path, const QString& table, const QString& password = QStringLiteral("zq_mev"));

// A temporary folder that is the current directory while the object lives, holding the
// navigator pictures in Btn as the program's run folder does.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Starts the program as main() does and shuts it down at the end of the scope.
class RunningProgram {
public:
    RunningProgram();
    ~RunningProgram();
};

// What a message box showed, and the button that answered it.
struct SeenBox {
    QString title;
    QString text;
    int icon = 0; // QMessageBox::Icon
    QStringList buttons;
    QString defaultButton;
    QString answered;
};

// Watches for modal message boxes while it lives and answers each with the button of the given
// text (the default button when empty).
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(QString answer = {});
    ~MessageBoxWatcher();
    void setAnswer(const QString& answer) { m_answer = answer; }
    const QList<SeenBox>& seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    void poll();
    QTimer m_timer;
    QString m_answer;
    QList<SeenBox> m_seen;
};

// Opens a selector's drop-down list and clicks the entry at row, as a person picks a model;
// the idle refresh follows.
void pickEntryWithMouse(QComboBox* combo, int row);

// Runs the idle refresh as the event loop does when it runs empty.
void runIdle();

// Lets the event loop run (and become idle) for a moment.
void spin(int milliseconds = 20);

} // namespace testing_support
