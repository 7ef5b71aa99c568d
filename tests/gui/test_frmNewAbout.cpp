#include "ui/frmNewAbout.h"

#include "GuiTestRules.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace glimmbar;

class TestFrmNewAbout : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QCoreApplication::setApplicationVersion(GLIMMBAR_VERSION); }

    // The running program's version, leading zeros dropped; five lines, the fourth empty; Enter
    // on Ok closes the window.
    void theWindowNamesTheRunningVersionAndOkClosesIt() {
        QCoreApplication::setApplicationVersion("1.05.03");
        frmNewAbout window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList lines = window.findChild<QLabel*>("labelAboutText")->text().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QString("Glimmbar v1.5.3"));
        QVERIFY(!lines[1].isEmpty() && !lines[2].isEmpty() && lines[3].isEmpty());
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestFrmNewAbout)
#include "test_frmNewAbout.moc"
