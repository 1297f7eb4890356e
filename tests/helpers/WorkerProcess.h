#pragma once

// The hardening tests' handle on hardening_worker: starts it in a folder, reads its report lines
// and kills it with SIGKILL.
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace hardening {

class WorkerProcess {
public:
    WorkerProcess(const QString& folder, const QStringList& arguments) {
        m_process.setWorkingDirectory(folder);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral(HARDENING_WORKER), arguments);
        EXPECT_TRUE(m_process.waitForStarted(-1)) << m_process.errorString().toStdString();
    }
    ~WorkerProcess() { kill(); }

    // The next report line; empty when the worker ended without one. The wait is a guard
    // against a worker that hangs, not a measure of anything.
    QString readLine() {
        while (!m_process.canReadLine()) {
            if (m_process.state() == QProcess::NotRunning || !m_process.waitForReadyRead(120000)) {
                if (m_process.canReadLine()) break;
                ADD_FAILURE() << "the worker ended or hung: "
                              << m_process.readAllStandardError().toStdString();
                return {};
            }
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }

    // Every line it wrote and nobody read yet, once it has ended.
    QStringList remainingLines() {
        m_process.waitForFinished(-1);
        QStringList lines;
        while (m_process.canReadLine())
            lines << QString::fromUtf8(m_process.readLine()).trimmed();
        const QString rest = QString::fromUtf8(m_process.readAll()).trimmed();
        if (!rest.isEmpty()) lines << rest; // a line cut short by the kill
        return lines;
    }

    // The lines written so far, without waiting for more.
    QStringList availableLines() {
        if (!running()) return remainingLines();
        m_process.waitForReadyRead(0);
        QStringList lines;
        while (m_process.canReadLine())
            lines << QString::fromUtf8(m_process.readLine()).trimmed();
        return lines;
    }
    bool running() const { return m_process.state() != QProcess::NotRunning; }

    void write(const QByteArray& bytes) {
        m_process.write(bytes);
        m_process.waitForBytesWritten(-1);
    }

    // SIGKILL: no handler, no clean-up, no flush of anything the worker held.
    void kill() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(-1);
        }
    }

    bool crashed() const { return m_process.exitStatus() == QProcess::CrashExit; }
    int exitCode() const { return m_process.exitCode(); }
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    QProcess m_process;
};

} // namespace hardening
