#include "model/GameFolder.h"
#include "model/Startup.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    // First run, a kept pet selection, and whatever line 3 holds: files that exist are never
    // touched, both are read, and the game above the stored scripts folder opens the naming
    // window. Windows's own file system ignores letter case; elsewhere the file layer does.
    void theFirstWindow_data() {
        QTest::addColumn<QString>("line3"); // GAME: the game folder; empty: no glimmbar.cfg
        QTest::addColumn<bool>("naming");
        QTest::newRow("first run") << "" << false;
        QTest::newRow("(None)") << "(None)" << false;
        QTest::newRow("the game's scripts folder") << "GAME\\scripts\\" << true;
        QTest::newRow("scripts folder missing") << "GAME\\gone\\" << true;
        QTest::newRow("other letter case") << "GAME\\SCRIPTS\\" << true;
        QTest::newRow("no closing backslash") << "GAME\\scripts" << false;
        QTest::newRow("no game above") << "GAME\\cd_image\\text\\" << false;
    }
    void theFirstWindow() {
        QFETCH(QString, line3);
        QFETCH(bool, naming);
        TestFolder folder;
        const QString game = makeGameFolder(folder).chopped(9);
        Settings stored = Settings::defaults();
        stored.ScriptsDirName = QString(line3).replace("GAME", game);
        stored.AttackPetName = "Zapper";
        QByteArray selection = "0\r\n0\r\n0\r\n1\r\n" + QByteArray("0\r\n").repeated(52);
        if (!line3.isEmpty()) {
            folder.write(kSettingsFileName, encodeLines(stored.lines()));
            folder.write(kPetSelectionFileName, selection);
        } else {
            stored = Settings::defaults();
            selection = QByteArray("1\r\n").repeated(56);
        }
        const QByteArray settingsBytes = encodeLines(stored.lines());
        const StartupOutcome outcome = runStartup();
        QVERIFY(!outcome.failure);
        QCOMPARE(outcome.window,
                 naming ? FirstWindow::NamingWindow : FirstWindow::GameFolderPicker);
        QCOMPARE(folder.read(kSettingsFileName), settingsBytes);
        QCOMPARE(folder.read(kPetSelectionFileName), selection);
        QCOMPARE(outcome.settings.lines(), stored.lines());
        QVERIFY(outcome.selection.isIncluded(3));
        QCOMPARE(outcome.selection.isIncluded(0), line3.isEmpty());
    }

    void aFolderThatCannotBeWrittenIsReported() {
        TestFolder folder;
        // A folder named like the settings file stands where it would go, which stops even
        // root from creating it.
        QVERIFY(QDir(folder.path()).mkdir(kSettingsFileName));
        const StartupOutcome outcome = runStartup();
        QVERIFY(outcome.failure.has_value());
        QCOMPARE(outcome.failure->icon, MessageIcon::Critical);
        QVERIFY(outcome.failure->text.contains(QDir::toNativeSeparators(folder.path())));
        QVERIFY(!folder.exists(kPetSelectionFileName));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
