#include "ui/frmBrowseFolder.h"

#include "ProgramLoop.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"
#include "ui/frmNamingScreen.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace glimmbar;

namespace {

const QString kFolderTitle = "&Select your Anarchy Online folder:";

// A settings file whose every line differs from a first run's, so a rewrite that loses one
// shows.
QByteArray lovedSettings() {
    return crlf({"My Own Header",
                 "V1.4.0",
                 "(None)",
                 "Engineer",
                 "2000",
                 "1",
                 "Grimlock",
                 "0",
                 "Empty",
                 "1",
                 "",
                 "1",
                 "Bolt",
                 "0",
                 "Empty",
                 "1",
                 "\x10\x18Paperclip",
                 "nm",
                 "at",
                 "he",
                 "hm",
                 "mz",
                 "bh",
                 "mb",
                 "Go!",
                 "Healing",
                 "Sleep",
                 "Roll out",
                 "Filed",
                 "1"});
}

// Replaces line 3 of lovedSettings().
QByteArray lovedSettingsWithScripts(const QString& scriptsDir) {
    QList<QByteArray> lines = lovedSettings().split('\n');
    lines[2] = encodeWindows1252(scriptsDir) + "\r";
    return lines.join('\n');
}

// The welcome window as start-up shows it.
struct OpenWindow {
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    frmBrowseFolder window{settings, selection, dialogs};

    OpenWindow() {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    ~OpenWindow() { delete window.namingWindow(); }
    void click(const QString& name) const {
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

// The folder the dialog hands back, as the settings file stores it.
QString gameText(const QString& folder) {
    return QDir::toNativeSeparators(folder);
}

} // namespace

class TestFrmBrowseFolder : public QObject {
    Q_OBJECT

private slots:
    // Every warning fails a test, except the offscreen platform saying what a real window
    // system would do (raising a window, sizing a dialog).
    void init() {
        QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support ).*"));
    }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void theWelcomeReadsAsWritten() {
        TestFolder folder;
        OpenWindow open;
        QCOMPARE(open.window.windowTitle(), QString("Welcome to Glimmbar!"));
        QCOMPARE(open.window.findChild<QLabel*>("labelWelcome")->text(),
                 QString("Welcome to Glimmbar!  This is either your first time using this "
                         "program, or your Anarchy Online folder has moved.  Press \"Ok\" to "
                         "select your Anarchy Online folder, or \"Cancel\" to exit."));
        QCOMPARE(open.window.findChild<QPushButton*>("cmdBrowse")->text(), QString("&Ok"));
        QCOMPARE(open.window.findChild<QPushButton*>("cmdClose")->text(), QString("&Cancel"));
    }

    void okStoresTheScriptsFolderAndOpensTheNamingWindow_data() {
        QTest::addColumn<bool>("scriptsExist");
        QTest::newRow("no scripts folder yet") << false;
        QTest::newRow("scripts folder with scripts") << true;
    }
    void okStoresTheScriptsFolderAndOpensTheNamingWindow() {
        QFETCH(bool, scriptsExist);
        TestFolder folder;
        folder.write("glimmbar.cfg", lovedSettings());
        folder.write("Anarchy Online/anarchy.exe", "MZ");
        if (scriptsExist) {
            folder.write("Anarchy Online/scripts/petattack", "/pet attack\r\n");
        }
        const QString game = folder.filePath("Anarchy Online");
        OpenWindow open;
        open.dialogs.answerFolder(game);
        open.click("cmdBrowse");

        QCOMPARE(open.dialogs.folderQuestions.size(), 1);
        QCOMPARE(open.dialogs.folderQuestions[0].first, QString());
        QCOMPARE(open.dialogs.folderQuestions[0].second, kFolderTitle);
        const QString scriptsDir = gameText(game) + "\\scripts\\";
        QCOMPARE(folder.read("glimmbar.cfg"), lovedSettingsWithScripts(scriptsDir));
        QCOMPARE(open.settings.ScriptsDirName, scriptsDir);
        QVERIFY(QFileInfo(game + "/scripts").isDir());
        QCOMPARE(folder.exists("Anarchy Online/scripts/petattack"), scriptsExist);
        if (scriptsExist) {
            QCOMPARE(folder.read("Anarchy Online/scripts/petattack"),
                     QByteArray("/pet attack\r\n"));
        }
        // What the game check of the next start looks for.
        QVERIFY(FExists(scriptsDir + "..\\anarchy.exe"));

        QVERIFY(open.dialogs.messages.isEmpty());
        QTRY_VERIFY(!open.window.isVisible());
        frmNamingScreen* naming = open.window.namingWindow();
        QVERIFY(naming != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(naming));
        // The naming window loaded the file just written.
        QCOMPARE(naming->namingSnapshot().LastModeUsedMEC, QString("Engineer"));
        QCOMPARE(naming->namingSnapshot().EngyPetName, QString("Bolt"));
    }

    void aCancelledDialogLeavesEverythingAsItWas() {
        TestFolder folder;
        folder.write("glimmbar.cfg", lovedSettings());
        OpenWindow open;
        open.dialogs.answerFolder("");
        open.click("cmdBrowse");
        QCOMPARE(open.dialogs.folderQuestions.size(), 1);
        QCOMPARE(folder.read("glimmbar.cfg"), lovedSettings());
        QVERIFY(open.dialogs.messages.isEmpty());
        QVERIFY(open.window.isVisible());
        QVERIFY(open.window.namingWindow() == nullptr);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});

        // The player can try again at once.
        folder.write("AO/anarchy.exe", "MZ");
        open.dialogs.answerFolder(folder.filePath("AO"));
        open.click("cmdBrowse");
        QTRY_VERIFY(open.window.namingWindow() != nullptr);
        QVERIFY(folder.exists("AO/scripts"));
    }

    void aScriptsFolderThatCannotBeMadeIsReported_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("blocker");
        // Root can create folders anywhere, so the path itself must make creation impossible.
        QTest::newRow("a file named scripts") << "Game"
                                              << "Game/scripts";
        QTest::newRow("a vanished game folder") << "Gone/Game"
                                                << "";
        QTest::newRow("a path through a file") << "notes.txt/Game"
                                               << "notes.txt";
    }
    void aScriptsFolderThatCannotBeMadeIsReported() {
        QFETCH(QString, chosen);
        QFETCH(QString, blocker);
        TestFolder folder;
        folder.write("glimmbar.cfg", lovedSettings());
        if (!blocker.isEmpty()) {
            folder.write(blocker, "not a folder");
        }
        OpenWindow open;
        open.dialogs.answerFolder(folder.filePath(chosen));
        open.click("cmdBrowse");

        QCOMPARE(open.dialogs.messages.size(), 1);
        const Message& message = open.dialogs.messages[0];
        QCOMPARE(message.title, QString("Glimmbar"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY2(message.text.contains("could not create the scripts folder"),
                 qPrintable(message.text));
        QVERIFY(message.text.contains(QDir::toNativeSeparators(folder.filePath(chosen))));
        QCOMPARE(folder.read("glimmbar.cfg"), lovedSettings());
        QVERIFY(open.window.isVisible());
        QVERIFY(open.window.namingWindow() == nullptr);

        // Asking again starts where the player was.
        open.dialogs.answerFolder("");
        open.click("cmdBrowse");
        QCOMPARE(open.dialogs.folderQuestions[1].first, gameText(folder.filePath(chosen)));
    }

    void cancelLeavesWithoutWriting_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "click";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("access key") << "alt+c";
        QTest::newRow("close box") << "close";
    }
    void cancelLeavesWithoutWriting() {
        QFETCH(QString, how);
        TestFolder folder;
        folder.write("glimmbar.cfg", crlf({"Glimmbar Config File", "V1.5.1", "(None)"}));
        OpenWindow open;
        const int exitCode = runUntilTheProgramEnds([&] {
            if (how == "click") {
                open.click("cmdClose");
            } else if (how == "escape") {
                QTest::keyClick(&open.window, Qt::Key_Escape);
            } else if (how == "alt+c") {
                QTest::keyClick(&open.window, Qt::Key_C, Qt::AltModifier);
            } else {
                open.window.close();
            }
        });
        QCOMPARE(exitCode, 0);
        QTRY_VERIFY(!open.window.isVisible());
        QCOMPARE(folder.read("glimmbar.cfg"), crlf({"Glimmbar Config File", "V1.5.1", "(None)"}));
        QVERIFY(open.dialogs.folderQuestions.isEmpty());
        QVERIFY(open.window.namingWindow() == nullptr);
    }

    // The program's own dialogs: the folder question is a directories-only QFileDialog with
    // the title the player expects, and a refusal is a real message box.
    void theRealDialogsAreShown() {
        TestFolder folder;
        folder.write("glimmbar.cfg", lovedSettings());
        folder.write("Game/scripts", "not a folder");
        QtDialogs real;
        // The real message box with a chosen folder: the folder dialog itself is tested below.
        struct RealMessages final : DialogSeam {
            QtDialogs& real;
            QString answer;
            explicit RealMessages(QtDialogs& dialogs)
                : real(dialogs) {}
            void showMessage(const Message& message) override {
                real.setParentWindow(parentWindow());
                real.showMessage(message);
            }
            QString askFolder(QWidget*, const QString&, const QString&) override { return answer; }
        } messages(real);
        messages.answer = folder.filePath("Game");

        Settings settings;
        PetSelection selection;
        frmBrowseFolder window(settings, selection, messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QString seenTitle;
        QString seenText;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seenTitle = box->windowTitle();
            seenText = box->text();
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->parentWidget(), &window);
            box->accept();
        });
        QTest::mouseClick(window.findChild<QPushButton*>("cmdBrowse"), Qt::LeftButton);
        QCOMPARE(seenTitle, QString("Glimmbar"));
        QVERIFY(seenText.contains("could not create the scripts folder"));

        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            seenTitle = dialog->windowTitle();
            QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
            QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
            dialog->reject();
        });
        QCOMPARE(real.askFolder(&window, folder.path(), kFolderTitle), QString());
        QCOMPARE(seenTitle, kFolderTitle);
        QCOMPARE(folder.read("glimmbar.cfg"), lovedSettings());
    }
};

QTEST_MAIN(TestFrmBrowseFolder)
#include "test_frmBrowseFolder.moc"
