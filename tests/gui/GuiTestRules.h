// The base of every GUI test class.
#pragma once

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

// Every Qt warning fails the test, except the offscreen platform saying what a real window
// system would do (raising a window, sizing a dialog); no test leaves a window behind.
class GuiTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QTest::failOnWarning(
            QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
    }
    void cleanup() { QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0); }
};
