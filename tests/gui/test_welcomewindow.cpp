// Start-up and the welcome window as the player meets them, in a working folder that is also
// the player's home, over the settings files players leave behind (tests/data/hostile).
#include "ui/NamingWindow.h"
#include "ui/WelcomeWindow.h"
#include "ui/WindowFlow.h"

#include "GuiTestRules.h"
#include "ProgramState.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

using namespace glimmbar;

namespace {

// Every line differs from a first run's, so a rewrite that loses one shows.
const QByteArray kLoved = QByteArray("My Own Header|V1.4.0|(None)|Engineer|2000|1|Grimlock|0|Empty|"
                                     "1||1|Bolt|0|Empty|1|\x10\x18Paperclip|nm|at|he|hm|mz|bh|mb|"
                                     "Go!|Healing|Sleep|Roll out|Filed|1|")
                              .replace('|', "\r\n");

// A whole glimmbar.cfg: every line, each ended by CR LF.
void checkWellFormed(const QByteArray& settings) {
    QCOMPARE(settings.count("\r\n"), kSettingsLineCount);
    QCOMPARE(settings.count('\n'), kSettingsLineCount);
}

// Runs the program's own event loop around a player's action, to see whether the action ends
// the program as a real run would: 0 when it did, 1 when the program was still running after
// five seconds.
int runUntilTheProgramEnds(const std::function<void()>& action) {
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stillRunning.start(5000);
    QTimer::singleShot(0, action);
    return QApplication::exec();
}

struct Program : ProgramState {
    WindowFlow startup{settings, selection, dialogs};
    QWidget* first = nullptr;

    // Starts over the `stored` settings file with games installed in Lutris's Wine prefixes, and a
    // folder standing where the file `blocked` should go.
    explicit Program(const QByteArray& stored, const QStringList& games = {},
                     const QString& blocked = {}) {
        qputenv("HOME", folder.path().toLocal8Bit());
        for (const QString& game : games) {
            folder.write("Games/" + game + "/drive_c/Funcom/Anarchy Online/anarchy.exe", "MZ");
        }
        folder.write(kSettingsFileName, stored);
        QVERIFY(blocked.isEmpty() || QDir(folder.path()).mkdir(blocked));
        first = startup.openFirstWindow() ? startup.firstWindow() : nullptr;
        QVERIFY(first == nullptr || QTest::qWaitForWindowActive(first));
    }
    ~Program() {
        while (!QApplication::topLevelWidgets().isEmpty()) {
            delete QApplication::topLevelWidgets().constFirst();
        }
    }
    // What the settings file holds when only line 3 changed from kLoved to `game`.
    QByteArray storedAs(const QString& game) const {
        return QByteArray(kLoved).replace("(None)", encodeWindows1252(game + "\\scripts\\"));
    }
    void click(QWidget* window, const char* name) const {
        QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

} // namespace

class TestWelcomeWindow : public GuiTest {
    Q_OBJECT

private slots:
    // The games found are listed; arrows and Enter pick one, Browse… is still there. Every
    // control is named for a screen reader with the words beside it; closing the naming
    // window ends the program.
    void aGameFromTheList() {
#ifdef Q_OS_WIN
        QSKIP("Windows finds games through its registry and Program Files, not Lutris prefixes");
#endif
        Program program(kLoved, {"ao1", "ao2"});
        // Its size is fixed, so it offers no maximise button.
        QVERIFY(!program.first->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        for (QPushButton* button : program.first->findChildren<QPushButton*>()) {
            QCOMPARE(button->accessibleName(), button->text().remove('&'));
        }
        auto* list = program.first->findChild<QListWidget*>();
        QCOMPARE(list->accessibleName() + ":",
                 program.first->findChild<QLabel*>("labelInstalls")->text().remove('&'));
        program.dialogs.answerFolder("");
        program.click(program.first, "cmdBrowseOther");
        QCOMPARE(program.folder.read(kSettingsFileName), kLoved);
        // Choosing a game is no leaving: the program goes on in the naming window.
        QSignalSpy left(qobject_cast<WelcomeWindow*>(program.first),
                        &WelcomeWindow::closedWithoutChoice);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(program.startup.namingWindow() != nullptr);
        QCOMPARE(left.count(), 0);
        QCOMPARE(program.folder.read(kSettingsFileName),
                 program.storedAs(QDir::toNativeSeparators(
                     program.folder.filePath("Games/ao2/drive_c/Funcom/Anarchy Online"))));
        QCOMPARE(program.startup.namingWindow()->namingSnapshot().petName(PetRole::Engy),
                 QString("Bolt"));
        QCOMPARE(runUntilTheProgramEnds([&] { program.startup.namingWindow()->close(); }), 0);
    }

    // With nothing found Ok asks for the folder: a cancelled dialog and a scripts folder that
    // cannot be made change nothing; the next try starts where the player was, and a good
    // folder gets its scripts folder, its scripts kept.
    void aFolderFromTheDialog() {
        Program program(kLoved);
        QVERIFY(program.first->findChild<QListWidget*>() == nullptr);
        program.folder.write("Bad/scripts", "not a folder");
        program.folder.write("Good/scripts/petattack", "x");
        for (const char* answer : {"", "Bad", "Good"}) {
            program.dialogs.answerFolder(*answer ? program.folder.filePath(answer) : QString());
            program.click(program.first, "cmdBrowse");
        }
        const QString bad = QDir::toNativeSeparators(program.folder.filePath("Bad"));
        QCOMPARE(program.dialogs.folderQuestions[0].second,
                 QString("&Select your Anarchy Online folder:"));
        QCOMPARE(program.dialogs.folderQuestions[2].first, bad);
        QCOMPARE(program.dialogs.messages.size(), 1);
        QVERIFY(program.dialogs.messages[0].text.contains(bad));
        QCOMPARE(program.folder.read("Bad/scripts"), QByteArray("not a folder"));
        const QString good = QDir::toNativeSeparators(program.folder.filePath("Good"));
        QCOMPARE(program.folder.read(kSettingsFileName), program.storedAs(good));
        QCOMPARE(program.folder.read("Good/scripts/petattack"), QByteArray("x"));
        QTRY_VERIFY(program.startup.namingWindow() != nullptr);
    }

    // A game under a folder named in letters glimmbar.cfg cannot hold is listed as one that
    // cannot be used, and choosing it in the dialog is refused with the reason: nothing is
    // stored and no scripts folder is made.
    void aGameWhosePathTheSettingsFileCannotHold() {
#ifdef Q_OS_WIN
        QSKIP("Windows finds games through its registry and Program Files, not Lutris prefixes");
#endif
        Program program(kLoved, {"ao", QString::fromUtf8("дом")});
        const QString game = QDir::toNativeSeparators(
            program.folder.filePath(QString::fromUtf8("Games/дом/drive_c/Funcom/Anarchy Online")));
        auto* list = program.first->findChild<QListWidget*>();
        QCOMPARE(list->count(), 2);
        const QList<QListWidgetItem*> found = list->findItems(game, Qt::MatchStartsWith);
        QCOMPARE(found.size(), 1);
        QVERIFY(!found[0]->flags().testFlag(Qt::ItemIsEnabled));
        QVERIFY(found[0]->text().endsWith(QStringLiteral("cannot be used")));
        QVERIFY(list->currentItem() != found[0]);
        program.dialogs.answerFolder(game);
        program.click(program.first, "cmdBrowseOther");
        QCOMPARE(program.dialogs.messages.size(), 1);
        QCOMPARE(program.dialogs.messages[0].text,
                 QString::fromUtf8("The path of the folder \"%1\" holds the character д, which "
                                   "Glimmbar's settings file glimmbar.cfg cannot hold. Install or "
                                   "move the game into a folder whose path uses Western European "
                                   "letters only, and choose that folder.")
                     .arg(game));
        QCOMPARE(found[0]->toolTip(), program.dialogs.messages[0].text);
        QCOMPARE(program.folder.read(kSettingsFileName), kLoved);
        QVERIFY(!QFileInfo::exists(game + "/scripts"));
        QVERIFY(program.first->isVisible());
    }

    // Cancel, Esc, and Enter on the focused Cancel button end the program, writing nothing.
    void leaving_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Enter on Cancel") << int(Qt::Key_Return);
    }
    void leaving() {
        QFETCH(int, key);
        Program program(kLoved, {"ao"});
        auto* cancel = program.first->findChild<QPushButton*>("cmdClose");
        cancel->setFocus();
        QCOMPARE(runUntilTheProgramEnds([&] {
                     key == 0 ? QTest::mouseClick(cancel, Qt::LeftButton)
                              : QTest::keyClick(cancel, Qt::Key(key));
                 }),
                 0);
        QCOMPARE(program.folder.read(kSettingsFileName), kLoved);
        QVERIFY(program.startup.namingWindow() == nullptr);
    }

    // The file's name says which window opens; GAME stands for a game's scripts folder.
    // Whatever the file holds, the next save writes a whole file.
    void hostileSettings_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : QDir(dataPath("hostile")).entryList({"*.cfg"})) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void hostileSettings() {
        QFETCH(QString, name);
        TestFolder place; // where the game is, beside the working folder
        place.write("game/notes.txt", "not a folder");
        const QByteArray bytes =
            dataBytes("hostile/" + name).replace("GAME", makeGameFolder(place).toLocal8Bit());
        Program program(bytes);
        QCOMPARE(program.folder.read(kSettingsFileName), bytes); // start-up never rewrites it
        if (name.startsWith("welcome")) {
            program.dialogs.answerFolder(place.filePath("game"));
            program.click(program.first, "cmdBrowse");
            QTRY_VERIFY(program.startup.namingWindow() != nullptr);
            checkWellFormed(program.folder.read(kSettingsFileName));
            return;
        }
        // The naming window: Create Files writes a whole file, or refuses and writes nothing.
        QVERIFY(qobject_cast<NamingWindow*>(program.first) != nullptr);
        program.first->findChild<QLineEdit*>("txtAttackPetName")->setText("Firebrand");
        program.click(program.first, "cmdCreateFile");
        const bool refused = name.startsWith("refused");
        QCOMPARE(program.dialogs.messages.last().icon,
                 refused ? MessageIcon::Critical : MessageIcon::Information);
        if (refused) {
            QCOMPARE(program.folder.read(kSettingsFileName), bytes);
        } else {
            checkWellFormed(program.folder.read(kSettingsFileName));
        }
        QCOMPARE(place.read("game/notes.txt"), QByteArray("not a folder"));
    }

    void anUnwritableFolderIsReportedAndStops() {
        Program program(kLoved, {}, kPetSelectionFileName);
        QVERIFY(program.first == nullptr);
        QCOMPARE(program.dialogs.messages.size(), 1);
        QVERIFY(program.dialogs.messages[0].text.contains(kPetSelectionFileName));
    }
};

QTEST_MAIN(TestWelcomeWindow)
#include "test_welcomewindow.moc"
