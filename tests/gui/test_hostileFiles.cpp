// Start-up as the player meets it, over the settings files players leave behind: edited by
// hand, copied between machines, truncated (tests/data/hostile). Whatever they hold, the
// program opens the window its rules give, and its next save writes a whole file.
#include "ui/frmBrowseFolder.h"
#include "ui/frmNamingScreen.h"
#include "ui/frmStartup.h"

#include "GuiTestRules.h"
#include "ProgramLoop.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace glimmbar;

namespace {

bool wellFormed(const QByteArray& settings) {
    return settings.count("\r\n") == kSettingsLineCount &&
           settings.count('\n') == kSettingsLineCount;
}

// The program as main() starts it, in a working folder that is also the player's home.
struct Program {
    TestFolder folder;
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    frmStartup startup{settings, selection, dialogs};

    Program() { qputenv("HOME", folder.path().toLocal8Bit()); }
    ~Program() {
        while (!QApplication::topLevelWidgets().isEmpty()) {
            delete QApplication::topLevelWidgets().constFirst();
        }
    }
    QWidget* start() {
        QWidget* window = startup.openFirstWindow() ? startup.firstWindow() : nullptr;
        return window != nullptr && QTest::qWaitForWindowActive(window) ? window : nullptr;
    }
    void click(QWidget* window, const char* name) {
        QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void hostileSettings_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : QDir(GLIMMBAR_TEST_DATA "/hostile").entryList({"*.cfg"})) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void hostileSettings() {
        QFETCH(QString, name);
        Program program;
        QFile file(GLIMMBAR_TEST_DATA "/hostile/" + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray game = makeGameFolder(program.folder).toLocal8Bit();
        const QByteArray bytes = file.readAll().replace("GAME", game);
        program.folder.write(kSettingsFileName, bytes);
        program.folder.write("game/notes.txt", "not a folder");
        QWidget* first = program.start();
        QVERIFY(first != nullptr);
        // An existing file is never rewritten by start-up.
        QCOMPARE(program.folder.read(kSettingsFileName), bytes);
        if (name.startsWith("welcome")) {
            program.dialogs.answerFolder(program.folder.filePath("game"));
            program.click(first, "cmdBrowse");
            QTRY_VERIFY(program.startup.namingWindow() != nullptr);
            QVERIFY(wellFormed(program.folder.read(kSettingsFileName)));
            QVERIFY(program.dialogs.messages.isEmpty());
            return;
        }
        QVERIFY(qobject_cast<frmNamingScreen*>(first) != nullptr);
        // Lines a short or odd file left empty are put right in the Options window; its OK
        // writes a whole file.
        program.click(first, "cmdMiscButton");
        QWidget* options = nullptr;
        QTRY_VERIFY((options = QApplication::activeWindow()) != first && options != nullptr);
        for (const char* box : {"txtNaming", "txtAttack", "txtBehind", "txtHeal", "txtHealme",
                                "txtMezz", "txtMezzBehind", "txtNewHealPetDelay"}) {
            options->findChild<QLineEdit*>(box)->setText(QString(box).mid(3).toLower() + "0");
        }
        program.click(options, "cmdOK");
        const QByteArray fixed = program.folder.read(kSettingsFileName);
        QVERIFY(wellFormed(fixed));
        first->findChild<QLineEdit*>("txtAttackPetName")->setText("Firebrand");
        program.click(first, "cmdCreateFile");
        const bool refused = name.startsWith("refused");
        QCOMPARE(program.dialogs.messages.last().icon,
                 refused ? MessageIcon::Critical : MessageIcon::Information);
        QVERIFY(refused ? program.folder.read(kSettingsFileName) == fixed
                        : wellFormed(program.folder.read(kSettingsFileName)));
        QCOMPARE(program.folder.read("game/notes.txt"), QByteArray("not a folder"));
    }

    // A first run with the game in Wine: the welcome window lists it, Enter takes it, and
    // closing the naming window ends the program.
    void aFirstRunFindsTheGame() {
        Program program;
        program.folder.write(".wine/drive_c/Funcom/Anarchy Online/anarchy.exe", "MZ");
        QWidget* first = program.start();
        QVERIFY(qobject_cast<frmBrowseFolder*>(first) != nullptr);
        QCOMPARE(first->findChild<QListWidget*>("lstInstalls")->count(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(program.startup.namingWindow() != nullptr);
        Settings stored;
        QVERIFY(LoadSettings(stored));
        QCOMPARE(stored.ScriptsDirName, QDir::toNativeSeparators(program.folder.filePath(
                                            ".wine/drive_c/Funcom/Anarchy Online")) +
                                            "\\scripts\\");
        QCOMPARE(program.settings.ScriptsDirName, stored.ScriptsDirName);
        QCOMPARE(runUntilTheProgramEnds([&] { program.startup.namingWindow()->close(); }), 0);
    }

    void leavingTheWelcomeWindowEndsTheProgram() {
        Program program;
        QWidget* first = program.start();
        QCOMPARE(runUntilTheProgramEnds([&] { QTest::keyClick(first, Qt::Key_Escape); }), 0);
        QCOMPARE(program.folder.read(kSettingsFileName), encodeLines(Settings::defaults().lines()));
    }

    void anUnwritableFolderIsReportedAndStops() {
        Program program;
        QVERIFY(QDir(program.folder.path()).mkdir(kPetSelectionFileName));
        QVERIFY(!program.startup.openFirstWindow());
        QVERIFY(program.startup.firstWindow() == nullptr);
        QCOMPARE(program.dialogs.messages.size(), 1);
        QVERIFY(program.dialogs.messages[0].text.contains(kPetSelectionFileName));
    }
};

QTEST_MAIN(TestHostileFiles)
#include "test_hostileFiles.moc"
