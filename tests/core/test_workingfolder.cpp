#include "model/WorkingFolder.h"

#include "TestFolder.h"

using namespace glimmbar;

class TestWorkingFolder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setDataFolders({}); }

    // A menu start makes the per-user folder, parents included, and works there; a player's
    // folder with glimmbar.cfg, a build folder or a file in the way keeps the program where it
    // was started, without making the per-user folder.
    void theWorkingFolder_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("file"); // a file in the folder the program starts in
        QTest::newRow("installed, menu start") << true << "";
        QTest::newRow("player's folder") << true << "glimmbar.cfg";
        QTest::newRow("build folder") << false << "";
        QTest::newRow("a file in the way") << true << "home/.config";
    }
    void theWorkingFolder() {
        QFETCH(bool, installed);
        QFETCH(QString, file);
        TestFolder folder;
        folder.write(file.isEmpty() ? "x" : file, "Glimmbar Config File\r\n");
        const QString perUser = folder.filePath("home/.config/Glimmbar");
        const bool entersPerUser = installed && file.isEmpty();
        const QString entered =
            QFileInfo(enterWorkingFolder(installed, perUser)).canonicalFilePath();
        QCOMPARE(entered, QFileInfo(entersPerUser ? perUser : folder.path()).canonicalFilePath());
        QCOMPARE(QDir::current().canonicalPath(), entered);
        QCOMPARE(QFileInfo::exists(perUser), entersPerUser);
        QCOMPARE(chooseWorkingFolder({"/games", false, true, QString()}), QString("/games"));
    }

    // The first data folder holding the file wins, a folder of that name is no file, and the
    // player's own copy in the working folder beats them all.
    void dataFiles() {
        TestFolder folder;
        folder.write("first/engypets.txt/x", "");
        folder.write("second/engypets.txt", "");
        folder.write("third/engypets.txt", "");
        setDataFolders(
            {folder.filePath("first"), folder.filePath("second"), folder.filePath("third")});
        QCOMPARE(findDataFile("engypets.txt"), folder.filePath("second/engypets.txt"));
        QVERIFY(!findDataFile("mpapets.txt"));
        folder.write("engypets.txt", "");
        QCOMPARE(findDataFile("engypets.txt"), QString("engypets.txt"));
    }
};

QTEST_GUILESS_MAIN(TestWorkingFolder)
#include "test_workingfolder.moc"
