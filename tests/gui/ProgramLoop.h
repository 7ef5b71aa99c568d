// Runs the program's own event loop around a player's action, to see whether the action ends
// the program as a real run would.
#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// The loop's exit code: 0 when the action ended the program, 1 when it was still running
// after five seconds.
inline int runUntilTheProgramEnds(const std::function<void()>& action) {
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stillRunning.start(5000);
    QTimer::singleShot(0, action);
    return QApplication::exec();
}
