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

    void theTextNamesTheRunningVersion_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("this build") << GLIMMBAR_VERSION << "Glimmbar v" GLIMMBAR_VERSION;
        QTest::newRow("two-digit numbers") << "2.10.12"
                                           << "Glimmbar v2.10.12";
        QTest::newRow("leading zeros dropped") << "1.05.03"
                                               << "Glimmbar v1.5.3";
    }
    void theTextNamesTheRunningVersion() {
        QFETCH(QString, version);
        QFETCH(QString, firstLine);
        QCoreApplication::setApplicationVersion(version);
        frmNewAbout window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList lines = window.findChild<QLabel*>("labelAboutText")->text().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], firstLine);
        QVERIFY(!lines[1].isEmpty());
        QVERIFY(!lines[2].isEmpty());
        QCOMPARE(lines[3], QString());
        QVERIFY(!lines[4].isEmpty());
    }

    void theWindowKeepsItsSizeAndOkClosesIt() {
        frmNewAbout window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(316, 443));
        QCOMPARE(window.windowTitle(), QString(22, ' '));
        const QPixmap art = window.findChild<QLabel*>("picAbout")->pixmap();
        QCOMPARE(art.size(), QSize(341, 305));
        auto* ok = window.findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QString("&Ok"));
        QVERIFY(ok->isVisible());
        QVERIFY(window.rect().contains(ok->geometry()));
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestFrmNewAbout)
#include "test_frmNewAbout.moc"
