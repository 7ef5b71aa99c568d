#include "calculator/PetCalculator.h"
#include "model/WorkingFolder.h"

#include "TestFolder.h"

#include <QDir>
#include <QTest>

using namespace glimmbar;

namespace {

// A calculator table with one pet at requirement 10 between the placeholders.
QByteArray table(const char* pet) {
    return "Test pet table\r\n(no pet)\r\n-2\r\n0\r\n" + QByteArray(pet) +
           "\r\n1\r\n10\r\nend\r\n-1\r\n9999\r\n";
}

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class TestWorkingFolder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setDataFolders({}); }

    // The real folders: a menu start makes the per-user folder, parents included, and works
    // there; a player's folder with glimmbar.cfg, a build folder or a file standing in the way
    // keeps the program where it was started, without making the per-user folder.
    void theWorkingFolder_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("file"); // a file already in the folder the program starts in
        QTest::addColumn<bool>("entersPerUser");
        QTest::newRow("installed, started from the menu") << true << QString() << true;
        QTest::newRow("player's folder with glimmbar.cfg") << true << "glimmbar.cfg" << false;
        QTest::newRow("build folder without glimmbar.cfg") << false << QString() << false;
        QTest::newRow("a file where a parent of the per-user folder should be")
            << true << "home/.config" << false;
    }
    void theWorkingFolder() {
        QFETCH(bool, installed);
        QFETCH(QString, file);
        QFETCH(bool, entersPerUser);
        TestFolder folder;
        if (!file.isEmpty()) {
            folder.write(file, "Glimmbar Config File\r\n");
        }
        const QString perUser = folder.filePath(QStringLiteral("home/.config/Glimmbar"));
        const QString entered = canonical(enterWorkingFolder(installed, perUser));
        const QString expected = canonical(entersPerUser ? perUser : folder.path());
        QVERIFY(!expected.isEmpty());
        QCOMPARE(entered, expected);
        QCOMPARE(canonical(QDir::currentPath()), expected);
        QCOMPARE(QFileInfo::exists(perUser), entersPerUser);
    }

    void noPerUserFolderKnownStaysPut() {
        QCOMPARE(chooseWorkingFolder({QStringLiteral("/games"), false, true, QString()}),
                 QStringLiteral("/games"));
    }

    // The player's own copy winning is pinned below, through the calculator.
    void dataFileLookup_data() {
        QTest::addColumn<QStringList>("present"); // files made below the test folder
        QTest::addColumn<QString>("expected");    // relative to the test folder; empty: none
        QTest::newRow("second folder when the first lacks it")
            << QStringList{"opt/glimmbar/mpapets.txt"} << "opt/glimmbar/mpapets.txt";
        QTest::newRow("first folder before the second")
            << QStringList{"usr/share/glimmbar/mpapets.txt", "opt/glimmbar/mpapets.txt"}
            << "usr/share/glimmbar/mpapets.txt";
        QTest::newRow("a folder of that name is no data file")
            << QStringList{"mpapets.txt/x", "usr/share/glimmbar/mpapets.txt/x"} << QString();
    }
    void dataFileLookup() {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        TestFolder folder;
        for (const QString& file : present) {
            folder.write(file, "x\r\n");
        }
        const std::optional<QString> found = findDataFile(
            QStringLiteral("mpapets.txt"), {folder.filePath(QStringLiteral("usr/share/glimmbar")),
                                            folder.filePath(QStringLiteral("opt/glimmbar"))});
        QCOMPARE(found ? canonical(*found) : QString(),
                 expected.isEmpty() ? QString() : canonical(folder.filePath(expected)));
    }

    // The calculator as a menu-started player meets it: the working folder has no data files,
    // the installed folder has them, and another category's file does not stand in.
    void calculatorReadsTheInstalledCopy() {
        TestFolder folder;
        folder.write(QStringLiteral("share/engypets.txt"), table("Installed Automaton"));
        setDataFolders({folder.filePath(QStringLiteral("share"))});
        QCOMPARE(CalculateBestPet(5, QStringLiteral("15")).kind, CalcResult::Kind::MissingFile);
        const QString best = QStringLiteral("The best pet you can currently use is %1 (QL 1).");
        QCOMPARE(CalculateBestPet(4, QStringLiteral("15")).BestPetName,
                 best.arg(QStringLiteral("Installed Automaton")));
        folder.write(QStringLiteral("engypets.txt"), table("Player's Own Automaton"));
        QCOMPARE(CalculateBestPet(4, QStringLiteral("15")).BestPetName,
                 best.arg(QStringLiteral("Player's Own Automaton")));
    }
};

QTEST_GUILESS_MAIN(TestWorkingFolder)
#include "test_workingfolder.moc"
