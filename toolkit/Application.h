#pragma once

#include <QApplication>
#include <functional>

namespace teklifo {

// The program's application object. It runs the idle handler each time the event queue has run
// empty (also inside modal dialogs), and is the last net for an error that escaped a handler.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    ~Application() override;

    static Application* instance();

    // The handler run when the application becomes idle; an empty function removes it.
    void setIdleHandler(std::function<void()> handler);
    bool hasIdleHandler() const { return bool(m_idle); }

    // Runs the idle handler now, as the event loop would when it runs empty.
    void runIdle();

    // How many idle passes have run so far (for tests and benchmarks).
    quint64 idlePasses() const { return m_passes; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void onAboutToBlock();

    std::function<void()> m_idle;
    bool m_inIdle = false;
    quint64 m_passes = 0;
};

// The locale for numbers and collation: the user's own, or Turkish where none is chosen.
QLocale programLocale();

} // namespace teklifo
