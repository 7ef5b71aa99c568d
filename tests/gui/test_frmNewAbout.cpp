#include "ui/frmNewAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace glimmbar;

class TestFrmNewAbout : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void cleanup() {
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
        QCoreApplication::setApplicationVersion(GLIMMBAR_VERSION);
    }

    void theWindowNamesTheRunningVersionAndOkClosesIt_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("this build") << GLIMMBAR_VERSION << "Glimmbar v" GLIMMBAR_VERSION;
        QTest::newRow("leading zeros dropped") << "1.05.03"
                                               << "Glimmbar v1.5.3";
    }
    void theWindowNamesTheRunningVersionAndOkClosesIt() {
        QFETCH(QString, version);
        QFETCH(QString, firstLine);
        QCoreApplication::setApplicationVersion(version);
        frmNewAbout window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList lines = window.findChild<QLabel*>("labelAboutText")->text().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], firstLine);
        // Credit lines, then an empty line setting the last one apart.
        QVERIFY(!lines[1].isEmpty() && !lines[2].isEmpty() && !lines[4].isEmpty());
        QCOMPARE(lines[3], QString());

        QCOMPARE(window.size(), QSize(316, 443));
        QCOMPARE(window.windowTitle(), QString(22, ' '));
        QCOMPARE(window.findChild<QLabel*>("picAbout")->pixmap().size(), QSize(341, 305));
        auto* ok = window.findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QString("&Ok"));
        QVERIFY(ok->isVisible() && window.rect().contains(ok->geometry()));
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestFrmNewAbout)
#include "test_frmNewAbout.moc"
