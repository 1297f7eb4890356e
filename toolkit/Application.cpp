#include "toolkit/Application.h"

#include "toolkit/Guard.h"

#include <QAbstractEventDispatcher>
#include <QLocale>

namespace teklifo {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Teklifo"));
    setApplicationDisplayName(QStringLiteral("Teklifo"));
    setQuitOnLastWindowClosed(true);
    // The program is made for Turkish; a machine without a chosen locale gets the Turkish one.
    if (QLocale().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &Application::onAboutToBlock);
}

Application::~Application() = default;

Application* Application::instance() { return qobject_cast<Application*>(QCoreApplication::instance()); }

void Application::setIdleHandler(std::function<void()> handler) { m_idle = std::move(handler); }

void Application::runIdle() {
    if (!m_idle || m_inIdle)
        return;
    m_inIdle = true;
    ++m_passes;
    guarded(m_idle);
    m_inIdle = false;
}

void Application::onAboutToBlock() { runIdle(); }

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentException();
        return false;
    }
}

QLocale programLocale() { return QLocale(); }

} // namespace teklifo
