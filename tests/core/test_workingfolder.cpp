#include "calculator/PetCalculator.h"
#include "model/WorkingFolder.h"

#include "TestFolder.h"

#include <QTest>

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
        QTest::addColumn<bool>("entersPerUser");
        QTest::newRow("installed, menu start") << true << "" << true;
        QTest::newRow("player's folder") << true << "glimmbar.cfg" << false;
        QTest::newRow("build folder") << false << "" << false;
        QTest::newRow("a file in the way") << true << "home/.config" << false;
    }
    void theWorkingFolder() {
        QFETCH(bool, installed);
        QFETCH(QString, file);
        QFETCH(bool, entersPerUser);
        TestFolder folder;
        if (!file.isEmpty()) {
            folder.write(file, "Glimmbar Config File\r\n");
        }
        const QString perUser = folder.filePath("home/.config/Glimmbar");
        const QString entered =
            QFileInfo(enterWorkingFolder(installed, perUser)).canonicalFilePath();
        const QString expected =
            QFileInfo(entersPerUser ? perUser : folder.path()).canonicalFilePath();
        QCOMPARE(entered, expected);
        QCOMPARE(QDir::current().canonicalPath(), expected);
        QCOMPARE(QFileInfo::exists(perUser), entersPerUser);
        QCOMPARE(chooseWorkingFolder({"/games", false, true, QString()}), QString("/games"));
    }

    // The calculator as a menu-started player meets it: the first data folder holding the
    // file wins, a folder of that name is no file, another category's file does not stand in,
    // and the player's own copy in the working folder beats them all.
    void calculatorReadsTheInstalledCopy() {
        TestFolder folder;
        auto table = [](const char* pet) {
            return "Test pet table\r\n(no pet)\r\n-2\r\n0\r\n" + QByteArray(pet) +
                   "\r\n1\r\n10\r\nend\r\n-1\r\n9999\r\n";
        };
        folder.write("first/engypets.txt/x", "");
        folder.write("second/engypets.txt", table("Installed Automaton"));
        folder.write("third/engypets.txt", table("Third Automaton"));
        setDataFolders(
            {folder.filePath("first"), folder.filePath("second"), folder.filePath("third")});
        QCOMPARE(CalculateBestPet(5, "15").kind, CalcResult::Kind::MissingFile);
        const QString best = "The best pet you can currently use is %1 (QL 1).";
        QCOMPARE(CalculateBestPet(4, "15").BestPetName, best.arg("Installed Automaton"));
        folder.write("engypets.txt", table("Player's Own Automaton"));
        QCOMPARE(CalculateBestPet(4, "15").BestPetName, best.arg("Player's Own Automaton"));
    }
};

QTEST_GUILESS_MAIN(TestWorkingFolder)
#include "test_workingfolder.moc"
