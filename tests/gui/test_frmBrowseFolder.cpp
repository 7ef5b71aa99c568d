#include "ui/frmBrowseFolder.h"

#include "GuiTestRules.h"
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
    return QByteArray("My Own Header|V1.4.0|(None)|Engineer|2000|1|Grimlock|0|Empty|1||1|Bolt|0|"
                      "Empty|1|\x10\x18Paperclip|nm|at|he|hm|mz|bh|mb|Go!|Healing|Sleep|Roll out|"
                      "Filed|1|")
        .replace('|', "\r\n");
}

// The welcome window as start-up shows it, over lovedSettings().
struct OpenWindow {
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    frmBrowseFolder window{settings, selection, dialogs};

    explicit OpenWindow(const TestFolder& folder) {
        folder.write("glimmbar.cfg", lovedSettings());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    ~OpenWindow() { delete window.namingWindow(); }
    // Ok, with the folder dialog answered by `folder` (empty: cancelled).
    void chooseFolder(const QString& folder) {
        dialogs.answerFolder(folder);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdBrowse"), Qt::LeftButton);
    }
};

} // namespace

class TestFrmBrowseFolder : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    // Only the scripts folder line changes; scripts already there are kept, and the naming
    // window opens on the file just written.
    void okStoresTheScriptsFolderAndOpensTheNamingWindow_data() {
        QTest::addColumn<bool>("scriptsExist");
        QTest::newRow("no scripts folder yet") << false;
        QTest::newRow("scripts folder with scripts") << true;
    }
    void okStoresTheScriptsFolderAndOpensTheNamingWindow() {
        QFETCH(bool, scriptsExist);
        TestFolder folder;
        folder.write("Anarchy Online/anarchy.exe", "MZ");
        if (scriptsExist) {
            folder.write("Anarchy Online/scripts/petattack", "/pet attack\r\n");
        }
        const QString game = folder.filePath("Anarchy Online");
        OpenWindow open(folder);
        QCOMPARE(open.window.findChild<QLabel*>("labelWelcome")->text(),
                 QString("Welcome to Glimmbar!  This is either your first time using this "
                         "program, or your Anarchy Online folder has moved.  Press \"Ok\" to "
                         "select your Anarchy Online folder, or \"Cancel\" to exit."));
        open.chooseFolder(game);

        QCOMPARE(open.dialogs.folderQuestions,
                 (QList<QPair<QString, QString>>{{"", kFolderTitle}}));
        const QString scriptsDir = QDir::toNativeSeparators(game) + "\\scripts\\";
        QCOMPARE(folder.read("glimmbar.cfg"),
                 lovedSettings().replace("(None)", encodeWindows1252(scriptsDir)));
        QCOMPARE(open.settings.ScriptsDirName, scriptsDir);
        QVERIFY(QFileInfo(game + "/scripts").isDir());
        QCOMPARE(folder.read("Anarchy Online/scripts/petattack"),
                 scriptsExist ? QByteArray("/pet attack\r\n") : QByteArray());
        // What the game check of the next start looks for.
        QVERIFY(FExists(scriptsDir + "..\\anarchy.exe"));

        QVERIFY(open.dialogs.messages.isEmpty());
        QTRY_VERIFY(!open.window.isVisible());
        frmNamingScreen* naming = open.window.namingWindow();
        QVERIFY(naming != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(naming));
        QCOMPARE(naming->namingSnapshot().EngyPetName, QString("Bolt"));
    }

    void aCancelledDialogLeavesEverythingAsItWas() {
        TestFolder folder;
        OpenWindow open(folder);
        open.chooseFolder("");
        QCOMPARE(open.dialogs.folderQuestions.size(), 1);
        QCOMPARE(folder.read("glimmbar.cfg"), lovedSettings());
        QVERIFY(open.dialogs.messages.isEmpty());
        QVERIFY(open.window.isVisible());
        QVERIFY(open.window.namingWindow() == nullptr);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});

        // The player can try again at once.
        folder.write("AO/anarchy.exe", "MZ");
        open.chooseFolder(folder.filePath("AO"));
        QTRY_VERIFY(open.window.namingWindow() != nullptr);
        QVERIFY(folder.exists("AO/scripts"));
    }

    // Only one folder level is ever made (pinned in test_filelayer, makingAFolder); here a
    // file in the way of the scripts folder.
    void aScriptsFolderThatCannotBeMadeIsReported() {
        TestFolder folder;
        folder.write("Game/scripts", "not a folder");
        OpenWindow open(folder);
        open.chooseFolder(folder.filePath("Game"));

        QCOMPARE(open.dialogs.messages.size(), 1);
        const Message& message = open.dialogs.messages[0];
        QCOMPARE(message.title, QString("Glimmbar"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY2(message.text.contains("could not create the scripts folder"),
                 qPrintable(message.text));
        QVERIFY(message.text.contains(QDir::toNativeSeparators(folder.filePath("Game"))));
        QCOMPARE(folder.read("glimmbar.cfg"), lovedSettings());
        QCOMPARE(folder.read("Game/scripts"), QByteArray("not a folder"));
        QVERIFY(open.window.isVisible());
        QVERIFY(open.window.namingWindow() == nullptr);

        // Asking again starts where the player was.
        open.chooseFolder("");
        QCOMPARE(open.dialogs.folderQuestions[1].first,
                 QDir::toNativeSeparators(folder.filePath("Game")));
    }

    // The button and the key; the close box takes the same way out as the button.
    void cancelLeavesWithoutWriting_data() {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Esc") << true;
    }
    void cancelLeavesWithoutWriting() {
        QFETCH(bool, byEsc);
        TestFolder folder;
        OpenWindow open(folder);
        const int exitCode = runUntilTheProgramEnds([&] {
            if (byEsc) {
                QTest::keyClick(&open.window, Qt::Key_Escape);
            } else {
                QTest::mouseClick(open.window.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
            }
        });
        QCOMPARE(exitCode, 0);
        QTRY_VERIFY(!open.window.isVisible());
        QCOMPARE(folder.read("glimmbar.cfg"), lovedSettings());
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
