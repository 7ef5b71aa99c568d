#include "model/GameFolder.h"
#include "model/Startup.h"

#include "TestFolder.h"

using namespace glimmbar;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    // Files that exist are never touched and both are read; the game above the stored scripts
    // folder opens the naming window. Windows's file system ignores letter case; elsewhere
    // the file layer does.
    void theFirstWindow_data() {
        QTest::addColumn<QString>("line3"); // GAME: the game folder; empty: a first run
        QTest::addColumn<bool>("naming");
        QTest::newRow("first run") << "" << false;
        QTest::newRow("(None)") << "(None)" << false;
        QTest::newRow("the game's scripts") << "GAME\\scripts\\" << true;
        QTest::newRow("scripts missing") << "GAME\\gone\\" << true;
        QTest::newRow("letter case") << "GAME\\SCRIPTS\\" << true;
        QTest::newRow("no closing backslash") << "GAME\\scripts" << false;
        QTest::newRow("no game above") << "GAME\\cd_image\\text\\" << false;
    }
    void theFirstWindow() {
        QFETCH(QString, line3);
        QFETCH(bool, naming);
        TestFolder folder;
        Settings stored = Settings::defaults();
        stored.ScriptsDirName = QString(line3).replace("GAME", makeGameFolder(folder).chopped(9));
        QByteArray selection = "0\r\n1\r\n";
        if (line3.isEmpty()) {
            stored = Settings::defaults();
            selection = QByteArray("1\r\n").repeated(56);
        } else {
            folder.write(kSettingsFileName, encodeLines(stored.lines()));
            folder.write(kPetSelectionFileName, selection);
        }
        const StartupOutcome outcome = runStartup();
        QVERIFY(!outcome.failure);
        QCOMPARE(outcome.window,
                 naming ? FirstWindow::NamingWindow : FirstWindow::GameFolderPicker);
        QCOMPARE(folder.read(kSettingsFileName), encodeLines(stored.lines()));
        QCOMPARE(folder.read(kPetSelectionFileName), selection);
        QCOMPARE(outcome.settings.lines(), stored.lines());
        QVERIFY(outcome.selection.include[1]);
        QCOMPARE(outcome.selection.include[0], line3.isEmpty());
    }

    void aFolderThatCannotBeWrittenIsReported() {
        TestFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(kSettingsFileName)); // stops even root
        const StartupOutcome outcome = runStartup();
        QVERIFY(outcome.failure);
        QVERIFY(outcome.failure->text.contains(QDir::toNativeSeparators(folder.path())));
        QVERIFY(!folder.exists(kPetSelectionFileName));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
