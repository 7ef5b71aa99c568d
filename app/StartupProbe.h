// Measuring start-up: with GLIMMBAR_STARTUP_PROBE set in the environment, the program ends as
// soon as its first window has been drawn, after printing how long that took inside the
// process. scripts/bench-startup.sh times whole runs this way; players never set it.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>

class StartupProbe : public QObject {
public:
    // Call first thing in main(), before QApplication exists is fine too.
    static void armIfAsked(QCoreApplication& app) {
        if (!qEnvironmentVariableIsSet("GLIMMBAR_STARTUP_PROBE")) {
            return;
        }
        auto* probe = new StartupProbe;
        probe->m_clock.start();
        probe->setParent(&app);
        app.installEventFilter(probe);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (window != nullptr && window->isExposed()) {
                m_done = true;
                // Let the window finish painting before the clock stops.
                QTimer::singleShot(0, this, [this] {
                    std::printf("first window shown after %lld ms\n",
                                static_cast<long long>(m_clock.elapsed()));
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer m_clock;
    bool m_done = false;
};
