#include "calculator/PetCalculator.h"
#include "model/WorkingFolder.h"

#include "TestFolder.h"

#include <QDir>
#include <QTest>

using namespace glimmbar;

namespace {

// A calculator table of the given pets with requirements 10, 20, ... between the placeholders.
QByteArray table(std::initializer_list<const char*> pets) {
    QByteArray bytes = "Test pet table\r\n(no pet)\r\n-2\r\n0\r\n";
    int requirement = 10;
    for (const char* pet : pets) {
        bytes += QByteArray(pet) + "\r\n1\r\n" + QByteArray::number(requirement) + "\r\n";
        requirement += 10;
    }
    return bytes + "end\r\n-1\r\n9999\r\n";
}

QString canonical(const QString& path) {
    return QDir(path).canonicalPath();
}

} // namespace

class TestWorkingFolder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setDataFolders({}); }

    void choice_data() {
        QTest::addColumn<bool>("hasSettings");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("perUser");
        QTest::addColumn<QString>("expected");
        const QString user = QStringLiteral("/home/player/.config/Glimmbar");
        const QString here = QStringLiteral("/games/ao-rubi-ka");
        QTest::newRow("installed, started from the menu: per-user folder")
            << false << true << user << user;
        QTest::newRow("installed, started in a player's folder that has glimmbar.cfg")
            << true << true << user << here;
        QTest::newRow("build folder run without glimmbar.cfg keeps its folder")
            << false << false << user << here;
        QTest::newRow("build folder run with glimmbar.cfg") << true << false << user << here;
        QTest::newRow("installed, no per-user folder known: stays put")
            << false << true << QString() << here;
    }
    void choice() {
        QFETCH(bool, hasSettings);
        QFETCH(bool, installed);
        QFETCH(QString, perUser);
        QFETCH(QString, expected);
        const WorkingFolderFacts facts{QStringLiteral("/games/ao-rubi-ka"), hasSettings, installed,
                                       perUser};
        QCOMPARE(chooseWorkingFolder(facts), expected);
    }

    // Entering the folder for real: the per-user folder is made, parents included, and every
    // bare name then lands there.
    void menuStartMakesAndEntersThePerUserFolder() {
        TestFolder folder;
        const QString perUser = folder.filePath(QStringLiteral("home/.config/Glimmbar"));
        const QString entered = enterWorkingFolder(true, perUser);
        QCOMPARE(canonical(entered), canonical(perUser));
        QCOMPARE(canonical(QDir::currentPath()), canonical(perUser));
    }

    void startsWhereItIsWhenItShould_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QByteArray>("settingsFile");
        QTest::addColumn<QString>("blocker"); // a file that stands in the per-user folder's way
        QTest::newRow("player's folder with glimmbar.cfg")
            << true << QByteArray("Glimmbar Config File\r\n") << QString();
        QTest::newRow("build folder without glimmbar.cfg") << false << QByteArray() << QString();
        QTest::newRow("a file where the per-user folder should be")
            << true << QByteArray() << QStringLiteral("home/.config/Glimmbar");
        QTest::newRow("a file where a parent of the per-user folder should be")
            << true << QByteArray() << QStringLiteral("home/.config");
    }
    void startsWhereItIsWhenItShould() {
        QFETCH(bool, installed);
        QFETCH(QByteArray, settingsFile);
        QFETCH(QString, blocker);
        TestFolder folder;
        if (!settingsFile.isEmpty()) {
            folder.write(QStringLiteral("glimmbar.cfg"), settingsFile);
        }
        if (!blocker.isEmpty()) {
            folder.write(blocker, "not a folder");
        }
        const QString perUser = folder.filePath(QStringLiteral("home/.config/Glimmbar"));
        const QString entered = enterWorkingFolder(installed, perUser);
        QCOMPARE(canonical(entered), canonical(folder.path()));
        QCOMPARE(canonical(QDir::currentPath()), canonical(folder.path()));
        if (blocker.isEmpty()) {
            QVERIFY(!QFileInfo::exists(perUser));
        }
    }

    void dataFileLookup_data() {
        QTest::addColumn<QStringList>("present"); // files made below the test folder
        QTest::addColumn<QString>("expected");    // relative to the test folder; empty: none
        QTest::newRow("working folder only")
            << QStringList{QStringLiteral("mpapets.txt")} << QStringLiteral("mpapets.txt");
        QTest::newRow("installed folder only")
            << QStringList{QStringLiteral("usr/share/glimmbar/mpapets.txt")}
            << QStringLiteral("usr/share/glimmbar/mpapets.txt");
        QTest::newRow("both: the player's own copy wins")
            << QStringList{QStringLiteral("mpapets.txt"),
                           QStringLiteral("usr/share/glimmbar/mpapets.txt")}
            << QStringLiteral("mpapets.txt");
        QTest::newRow("second folder when the first lacks it")
            << QStringList{QStringLiteral("opt/glimmbar/mpapets.txt")}
            << QStringLiteral("opt/glimmbar/mpapets.txt");
        QTest::newRow("first folder before the second")
            << QStringList{QStringLiteral("usr/share/glimmbar/mpapets.txt"),
                           QStringLiteral("opt/glimmbar/mpapets.txt")}
            << QStringLiteral("usr/share/glimmbar/mpapets.txt");
        QTest::newRow("a folder of that name is no data file")
            << QStringList{QStringLiteral("mpapets.txt/x"),
                           QStringLiteral("usr/share/glimmbar/mpapets.txt/x")}
            << QString();
        QTest::newRow("another category's file does not count")
            << QStringList{QStringLiteral("usr/share/glimmbar/mphpets.txt")} << QString();
        QTest::newRow("nowhere") << QStringList{} << QString();
    }
    void dataFileLookup() {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        TestFolder folder;
        for (const QString& file : present) {
            folder.write(file, "x\r\n");
        }
        const QStringList folders{folder.filePath(QStringLiteral("usr/share/glimmbar")),
                                  folder.filePath(QStringLiteral("opt/glimmbar"))};
        const std::optional<QString> found = findDataFile(QStringLiteral("mpapets.txt"), folders);
        if (expected.isEmpty()) {
            QVERIFY2(!found, qPrintable(found.value_or(QString())));
        } else {
            QVERIFY(found);
            QCOMPARE(QFileInfo(*found).canonicalFilePath(),
                     QFileInfo(folder.filePath(expected)).canonicalFilePath());
        }
    }

    // The calculator itself, as a menu-started player meets it: the working folder has no
    // data files and the installed folder has them.
    void calculatorReadsTheInstalledCopy() {
        TestFolder folder;
        folder.write(QStringLiteral("share/engypets.txt"), table({"Installed Automaton"}));
        setDataFolders({folder.filePath(QStringLiteral("share"))});
        const CalcResult installed = CalculateBestPet(4, QStringLiteral("15"));
        QCOMPARE(installed.kind, CalcResult::Kind::Computed);
        QVERIFY2(installed.BestPetName.contains(QStringLiteral("Installed Automaton")),
                 qPrintable(installed.BestPetName));

        folder.write(QStringLiteral("engypets.txt"), table({"Player's Own Automaton"}));
        const CalcResult own = CalculateBestPet(4, QStringLiteral("15"));
        QCOMPARE(own.kind, CalcResult::Kind::Computed);
        QVERIFY2(own.BestPetName.contains(QStringLiteral("Player's Own Automaton")),
                 qPrintable(own.BestPetName));
    }

    void calculatorMissingMessageWhenNeitherHasIt() {
        TestFolder folder;
        folder.write(QStringLiteral("share/mpapets.txt"), table({"Other Category"}));
        setDataFolders({folder.filePath(QStringLiteral("share"))});
        const CalcResult result = CalculateBestPet(5, QStringLiteral("15"));
        QCOMPARE(result.kind, CalcResult::Kind::MissingFile);
        QCOMPARE(
            result.missingFile,
            (Message{QStringLiteral("A required file, CRATPETS.TXT, is missing. Please "
                                    "re-install Glimmbar"),
                     QStringLiteral("A required file is missing!"), MessageIcon::Exclamation}));
    }
};

QTEST_GUILESS_MAIN(TestWorkingFolder)
#include "test_workingfolder.moc"
