#include "ui/frmBrowseFolder.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

using namespace glimmbar;

namespace {

// A settings file whose every line differs from a first run's, so a rewrite that loses one
// shows.
const QByteArray kLoved = QByteArray("My Own Header|V1.4.0|(None)|Engineer|2000|1|Grimlock|0|Empty|"
                                     "1||1|Bolt|0|Empty|1|\x10\x18Paperclip|nm|at|he|hm|mz|bh|mb|"
                                     "Go!|Healing|Sleep|Roll out|Filed|1|")
                              .replace('|', "\r\n");

// The welcome window as start-up shows it, over kLoved, offering `found` games below the
// test folder.
struct OpenWindow {
    TestFolder folder;
    Settings settings;
    RecordingDialogs dialogs;
    std::unique_ptr<frmBrowseFolder> window;
    std::unique_ptr<QSignalSpy> chosen;
    std::unique_ptr<QSignalSpy> left;

    explicit OpenWindow(const QStringList& found = {}) {
        folder.write("glimmbar.cfg", kLoved);
        QVERIFY(LoadSettings(settings));
        QList<GameInstall> installs;
        for (const QString& game : found) {
            makeGameFolder(folder, game);
            installs.append({QDir::toNativeSeparators(folder.filePath(game)), "Steam"});
        }
        window = std::make_unique<frmBrowseFolder>(settings, dialogs, installs);
        chosen = std::make_unique<QSignalSpy>(window.get(), &frmBrowseFolder::gameFolderChosen);
        left = std::make_unique<QSignalSpy>(window.get(), &frmBrowseFolder::closedWithoutChoice);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    // What the settings file holds when only line 3 names `game`'s scripts folder.
    QByteArray storedAs(const QString& game) const {
        const QString scripts = QDir::toNativeSeparators(folder.filePath(game)) + "\\scripts\\";
        return QByteArray(kLoved).replace("(None)", encodeWindows1252(scripts));
    }
};

} // namespace

class TestFrmBrowseFolder : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    // Arrows and Enter pick a game from the list; Browse… is still there. Every control is
    // named for a screen reader with the words beside it.
    void aGameFromTheList() {
        OpenWindow open({"Steam AO", "Wine AO"});
        for (QPushButton* button : open.window->findChildren<QPushButton*>()) {
            QCOMPARE(button->accessibleName(), button->text().remove('&'));
        }
        QCOMPARE(open.window->findChild<QListWidget*>()->accessibleName() + ":",
                 open.window->findChild<QLabel*>("labelInstalls")->text().remove('&'));
        open.dialogs.answerFolder("");
        QTest::mouseClick(open.button("cmdBrowseOther"), Qt::LeftButton);
        QCOMPARE(open.dialogs.folderQuestions.size(), 1);
        QCOMPARE(open.folder.read("glimmbar.cfg"), kLoved);
        QTest::keyClick(open.window->findChild<QListWidget*>(), Qt::Key_Down);
        QTest::keyClick(open.window->findChild<QListWidget*>(), Qt::Key_Return);
        QCOMPARE(open.folder.read("glimmbar.cfg"), open.storedAs("Wine AO"));
        QCOMPARE(open.settings.ScriptsDirName,
                 QDir::toNativeSeparators(open.folder.filePath("Wine AO")) + "\\scripts\\");
        QCOMPARE(open.chosen->size(), 1);
        QVERIFY(!open.window->isVisible());
        QCOMPARE(open.left->size(), 0);
    }

    // Without a list Ok asks for the folder: a cancelled dialog and a scripts folder that
    // cannot be made change nothing; the next try starts where the player was, and a good
    // folder gets its scripts folder, its scripts kept.
    void aFolderFromTheDialog() {
        OpenWindow open;
        QVERIFY(open.button("cmdBrowseOther") == nullptr);
        open.folder.write("Bad/scripts", "not a folder");
        open.folder.write("Good/scripts/petattack", "/pet attack\r\n");
        for (const QString& answer :
             {QString(), open.folder.filePath("Bad"), open.folder.filePath("Good")}) {
            open.dialogs.answerFolder(answer);
            QTest::mouseClick(open.button("cmdBrowse"), Qt::LeftButton);
        }
        QCOMPARE(open.dialogs.folderQuestions[0].second,
                 QString("&Select your Anarchy Online folder:"));
        QCOMPARE(open.dialogs.folderQuestions[2].first,
                 QDir::toNativeSeparators(open.folder.filePath("Bad")));
        QCOMPARE(open.dialogs.messages.size(), 1);
        QVERIFY(open.dialogs.messages[0].text.contains(
            QDir::toNativeSeparators(open.folder.filePath("Bad"))));
        QCOMPARE(open.folder.read("Bad/scripts"), QByteArray("not a folder"));
        QCOMPARE(open.folder.read("glimmbar.cfg"), open.storedAs("Good"));
        QCOMPARE(open.folder.read("Good/scripts/petattack"), QByteArray("/pet attack\r\n"));
        QCOMPARE(open.chosen->size(), 1);
    }

    // Cancel, Esc, and Enter on the focused Cancel button leave without writing anything.
    void leaving_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("Enter on Cancel") << 2;
    }
    void leaving() {
        QFETCH(int, way);
        OpenWindow open({"AO"});
        if (way == 0) {
            QTest::mouseClick(open.button("cmdClose"), Qt::LeftButton);
        } else if (way == 1) {
            QTest::keyClick(open.window.get(), Qt::Key_Escape);
        } else {
            open.button("cmdClose")->setFocus();
            QTest::keyClick(open.button("cmdClose"), Qt::Key_Return);
        }
        QTRY_COMPARE(open.left->size(), 1);
        QVERIFY(!open.window->isVisible());
        QCOMPARE(open.folder.read("glimmbar.cfg"), kLoved);
        QCOMPARE(open.chosen->size(), 0);
    }
};

QTEST_MAIN(TestFrmBrowseFolder)
#include "test_frmBrowseFolder.moc"
