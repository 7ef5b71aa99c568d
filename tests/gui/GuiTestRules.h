// Rules every GUI test follows.
#pragma once

#include <QRegularExpression>
#include <QTest>

// Every Qt warning fails the test, except the offscreen platform saying what a real window
// system would do (raising a window, sizing a dialog).
inline void failOnQtWarnings() {
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
}
