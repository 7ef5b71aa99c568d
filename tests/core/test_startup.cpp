#include "model/PetSelection.h"
#include "model/Settings.h"
#include "model/Startup.h"

#include "TestFolder.h"

#include <QFileInfo>
#include <QTest>

using namespace glimmbar;

namespace {

QByteArray fiftySix(const char* line) {
    QByteArray bytes;
    for (int i = 0; i < 56; ++i) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

// A settings file whose line 3 is `scriptsDir`.
QByteArray settingsWithFolder(const QString& scriptsDir) {
    Settings s = Settings::defaults();
    s.ScriptsDirName = scriptsDir;
    return encodeLines(s.lines());
}

// The game folder below the test folder, as Windows-style text.
QString gameText(const TestFolder& folder, const char* sub) {
    return QString(folder.path() + QLatin1Char('/') + QLatin1String(sub))
        .replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void firstStartMakesBothFilesAndAsksForTheGame() {
        TestFolder folder;
        const StartupOutcome outcome = runStartup();
        QVERIFY(!outcome.failure);
        QCOMPARE(outcome.window, FirstWindow::GameFolderPicker);
        QCOMPARE(folder.read(kSettingsFileName), encodeLines(Settings::defaults().lines()));
        QCOMPARE(folder.read(kPetSelectionFileName), fiftySix("1"));
    }

    void existingFilesAreNeverTouched() {
        TestFolder folder;
        const QByteArray odd = "not really\r\nsettings";
        folder.write(kSettingsFileName, odd);
        folder.write(kPetSelectionFileName, fiftySix("0"));
        const QDateTime stamp = QFileInfo(folder.filePath(kSettingsFileName)).lastModified();
        const StartupOutcome outcome = runStartup();
        QCOMPARE(outcome.window, FirstWindow::GameFolderPicker);
        QCOMPARE(folder.read(kSettingsFileName), odd);
        QCOMPARE(folder.read(kPetSelectionFileName), fiftySix("0"));
        QCOMPARE(QFileInfo(folder.filePath(kSettingsFileName)).lastModified(), stamp);
    }

    void onlyTheMissingFileIsMade() {
        TestFolder folder;
        folder.write(kPetSelectionFileName, fiftySix("0"));
        QVERIFY(!runStartup().failure);
        QCOMPARE(folder.read(kPetSelectionFileName), fiftySix("0"));
        QVERIFY(folder.exists(kSettingsFileName));
    }

    void theGameAboveTheScriptsFolder_data() {
        QTest::addColumn<QString>("scriptsDir");
        QTest::addColumn<bool>("naming");
        QTest::newRow("scripts folder of the game") << "AO\\scripts\\" << true;
        QTest::newRow("scripts folder missing") << "AO\\gone\\" << true;
        // Windows's own file system ignores letter case; elsewhere the file layer does.
        QTest::newRow("other letter case") << "ao\\SCRIPTS\\" << true;
        QTest::newRow("no closing backslash") << "AO\\scripts" << false;
        QTest::newRow("folder without the game") << "Elsewhere\\scripts\\" << false;
        QTest::newRow("(None)") << "(None)" << false;
    }
    void theGameAboveTheScriptsFolder() {
        QFETCH(QString, scriptsDir);
        QFETCH(bool, naming);
        TestFolder folder;
        folder.write(QStringLiteral("AO/Anarchy.exe"), "MZ");
        folder.write(QStringLiteral("AO/scripts/petattack"), "x");
        folder.write(QStringLiteral("Elsewhere/scripts/petattack"), "x");
        const QString stored =
            scriptsDir == QLatin1String("(None)") ? scriptsDir : gameText(folder, "") + scriptsDir;
        folder.write(kSettingsFileName, settingsWithFolder(stored));
        QCOMPARE(runStartup().window,
                 naming ? FirstWindow::NamingWindow : FirstWindow::GameFolderPicker);
    }

    void aFolderThatCannotBeWrittenIsReported() {
        TestFolder folder;
        // A folder named like the settings file stands where it would go, which stops even
        // root from creating it.
        QVERIFY(QDir(folder.path()).mkdir(kSettingsFileName));
        const StartupOutcome outcome = runStartup();
        QVERIFY(outcome.failure.has_value());
        QCOMPARE(outcome.failure->title, QStringLiteral("Glimmbar"));
        QCOMPARE(outcome.failure->icon, MessageIcon::Critical);
        QVERIFY2(outcome.failure->text.contains(QDir::toNativeSeparators(folder.path())),
                 qPrintable(outcome.failure->text));
        QVERIFY(outcome.failure->text.contains(QLatin1String("glimmbar.cfg")));
        QVERIFY(!folder.exists(kPetSelectionFileName));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
