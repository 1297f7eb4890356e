#include "support/Fixtures.h"

#include "app/Categories.h"
#include "app/Startup.h"
#include "catalogue/Connection.h"
#include "toolkit/Application.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <sqlite3.h>
#include <stdexcept>

namespace testing_support {

using teklifo::Categories;
using teklifo::Connection;
using teklifo::Statement;

void makeCatalogue(const QString& path, const Catalogue& rows, const QString& password,
                   const QList<int>& missingTables, const QList<int>& tablesWithoutParca) {
    QFile::remove(path);
    sqlite3* db = Connection::openFile(path, password, true);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const auto& c : Categories) {
        if (missingTables.contains(c.position))
            continue;
        const QString table = QString::fromLatin1(c.table);
        const bool noParca = tablesWithoutParca.contains(c.position);
        const QString create = noParca ? QStringLiteral("CREATE TABLE %1 (FIYAT REAL)")
                                       : QStringLiteral("CREATE TABLE %1 (PARCA TEXT, FIYAT REAL)");
        if (sqlite3_exec(db, create.arg(table).toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
        auto it = rows.find(c.position);
        if (it == rows.end())
            continue;
        Statement insert(db, noParca ? QStringLiteral("INSERT INTO %1 (FIYAT) VALUES (?2)").arg(table)
                                     : QStringLiteral("INSERT INTO %1 (PARCA, FIYAT) VALUES (?1, ?2)").arg(table));
        for (const Row& r : it->second) {
            insert.reset();
            if (!noParca)
                insert.bind(1, r.parca);
            insert.bind(2, r.fiyat);
            insert.step();
        }
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void execOnCatalogue(const QString& path, const QString& sql, const QString& password) {
    sqlite3* db = Connection::openFile(path, password, false);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(message);
}

QList<Row> readTable(const QString& path, const QString& table, const QString& password) {
    sqlite3* db = Connection::openFile(path, password, false);
    QList<Row> rows;
    {
        Statement st(db, QStringLiteral("SELECT PARCA, FIYAT FROM %1 ORDER BY rowid").arg(table));
        while (st.step())
            rows.append({st.column(0), st.column(1)});
    }
    sqlite3_close(db);
    return rows;
}

// The navigator pictures the program loads from Btn in the current directory, as a run folder
// set up by the README holds them.
static void copyNavigatorPictures(const QString& folder) {
    QString source = qEnvironmentVariable("TEKLIFO_SOURCE_DIR");
    if (source.isEmpty())
        source = QStringLiteral(TEKLIFO_SOURCE_DIR_DEFAULT);
    const QDir from(source + QStringLiteral("/assets/Btn"));
    const QDir to(folder + QStringLiteral("/Btn"));
    QDir().mkpath(to.path());
    for (const QString& name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), to.filePath(name));
}

TempWorkDir::TempWorkDir() : m_previous(QDir::currentPath()) {
    copyNavigatorPictures(m_dir.path());
    QDir::setCurrent(m_dir.path());
}

TempWorkDir::~TempWorkDir() { QDir::setCurrent(m_previous); }

RunningProgram::RunningProgram() { teklifo::startUp(); }

RunningProgram::~RunningProgram() { teklifo::shutDown(); }

MessageBoxWatcher::MessageBoxWatcher(QString answer) : m_answer(std::move(answer)) {
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

MessageBoxWatcher::~MessageBoxWatcher() { m_timer.stop(); }

void MessageBoxWatcher::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    SeenBox seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    QAbstractButton* chosen = box->defaultButton();
    for (QAbstractButton* b : box->buttons()) {
        seen.buttons << b->text();
        if (!m_answer.isEmpty() && b->text() == m_answer)
            chosen = b;
    }
    if (box->defaultButton())
        seen.defaultButton = box->defaultButton()->text();
    if (!chosen && !box->buttons().isEmpty())
        chosen = box->buttons().first();
    seen.answered = chosen ? chosen->text() : QString();
    m_seen.append(seen);
    if (chosen)
        chosen->click();
}

void pickEntryWithMouse(QComboBox* combo, int row) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    // Near the entry's left end: the middle of a very long text lies outside the list.
    const QRect entry = view->visualRect(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(entry.left() + 4, entry.center().y()));
    runIdle();
}

void runIdle() {
    if (auto* app = teklifo::Application::instance())
        app->runIdle();
}

void spin(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace testing_support
