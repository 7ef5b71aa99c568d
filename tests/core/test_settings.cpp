#include "model/PetSelection.h"
#include "model/Settings.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

namespace {

const QString kFile = QStringLiteral("glimmbar.cfg");

const QByteArray kFirstRun = "Glimmbar Config File\r\nV1.5.1\r\n(None)\r\nMP\r\n0\r\n" +
                             QByteArray("0\r\nEmpty\r\n").repeated(6) +
                             "petnaming\r\npetattack\r\npetheal\r\npethealme\r\npetmezz\r\n"
                             "petstop\r\nmezzstop\r\n\r\n\r\n\r\n\r\n\r\n0\r\n";

// A stored file with a player's own values on every line.
QByteArray playerFile() {
    return crlf({"My Header", "V1.4",  "C:\\AO\\scripts\\",
                 "Engineer",  "1500",  "1",
                 "Zap",       "0",     "Stale",
                 "1",         "",      "1",
                 "Bolt",      "0",     "Empty",
                 "1",         "Empty", "nm",
                 "at",        "he",    "hm",
                 "mz",        "bh",    "mb",
                 "Go!",       "Heal!", "Mezz!",
                 "Engy!",     "Crat!", "1"});
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRunFileIsByteExact() {
        TestFolder folder;
        QVERIFY(CreateDefaultSettings());
        QCOMPARE(folder.read(kFile), kFirstRun);
        Settings loaded;
        QVERIFY(LoadSettings(loaded));
        QCOMPARE(loaded, Settings::defaults());
    }

    void loadingAPlayersFile() {
        TestFolder folder;
        folder.write(kFile, playerFile());
        Settings s;
        QVERIFY(LoadSettings(s));
        QCOMPARE(s.TitleVersion, QStringLiteral("V1.4"));
        QCOMPARE(s.ScriptsDirName, QStringLiteral("C:\\AO\\scripts\\"));
        QVERIFY(s.RememberAttack);
        QCOMPARE(s.AttackPetName, QStringLiteral("Zap"));
        // Flag "0" drops whatever the name line holds.
        QVERIFY(!s.RememberHeal);
        QCOMPARE(s.HealPetName, QString());
        // Flag "1" with an empty name is a ticked, empty box.
        QVERIFY(s.RememberMezz);
        QCOMPARE(s.MezzPetName, QString());
        // "Empty" is a real name when the flag says remembered.
        QVERIFY(s.RememberCrat);
        QCOMPARE(s.CratPetName, QStringLiteral("Empty"));
        QCOMPARE(s.MezzBehind, QStringLiteral("mb"));
        QCOMPARE(s.CratAnnounce, QStringLiteral("Crat!"));
        QVERIFY(s.FollowOrBehind);
        // Saving gives the same bytes back.
        QVERIFY(SaveSettings(s));
        QCOMPARE(folder.read(kFile),
                 QByteArray(playerFile()).replace("\r\nStale\r\n", "\r\nEmpty\r\n"));
    }

    void oddFlagLines_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("remembered");
        QTest::newRow("exactly 1") << QByteArray("1") << true;
        QTest::newRow("leading blank") << QByteArray(" 1") << false;
        QTest::newRow("word") << QByteArray("yes") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("2") << QByteArray("2") << false;
    }
    void oddFlagLines() {
        QFETCH(QByteArray, line);
        QFETCH(bool, remembered);
        TestFolder folder;
        QByteArray bytes = playerFile();
        bytes.replace("Engineer\r\n1500\r\n1\r\nZap", "Engineer\r\n1500\r\n" + line + "\r\nZap");
        folder.write(kFile, bytes);
        Settings s;
        QVERIFY(LoadSettings(s));
        QCOMPARE(s.RememberAttack, remembered);
        QCOMPARE(s.AttackPetName, remembered ? QStringLiteral("Zap") : QString());
    }

    void followLineThatIsNoNumberKeepsTheFlag() {
        TestFolder folder;
        QByteArray bytes = playerFile();
        bytes.replace("Crat!\r\n1\r\n", "Crat!\r\nfollow\r\n");
        folder.write(kFile, bytes);
        Settings s;
        s.FollowOrBehind = true;
        QVERIFY(LoadSettings(s));
        QVERIFY(s.FollowOrBehind);
        s.FollowOrBehind = false;
        QVERIFY(LoadSettings(s));
        QVERIFY(!s.FollowOrBehind);
    }

    void shortFileKeepsLaterFields() {
        TestFolder folder;
        const QList<QByteArray> lines = playerFile().split('\n');
        QByteArray first24;
        for (int i = 0; i < 24; ++i) {
            first24 += lines[i] + '\n';
        }
        folder.write(kFile, first24);
        Settings s;
        QVERIFY(LoadSettings(s));
        QCOMPARE(s.MezzBehind, QStringLiteral("mb"));
        QCOMPARE(s.MPAttackAnnounce, QString());
        QCOMPARE(s.CratAnnounce, QString());
        QVERIFY(!s.FollowOrBehind);
    }

    void lfOnlyAndExtraLines() {
        TestFolder folder;
        QByteArray bytes = playerFile();
        bytes.replace("\r\n", "\n");
        bytes += "extra line\nanother\n";
        folder.write(kFile, bytes);
        Settings s;
        QVERIFY(LoadSettings(s));
        QCOMPARE(s.CratAnnounce, QStringLiteral("Crat!"));
        QVERIFY(s.FollowOrBehind);
        QVERIFY(SaveSettings(s));
        QCOMPARE(folder.read(kFile).count("\r\n"), 30);
    }

    void highBytesSurviveLoadAndSave() {
        TestFolder folder;
        QByteArray high;
        for (int b = 128; b < 256; ++b) {
            high += static_cast<char>(b);
        }
        QByteArray bytes = playerFile();
        bytes.replace("Go!", high);
        bytes.replace("Zap", "\x10\x06Zap\x10\x01");
        folder.write(kFile, bytes);
        Settings s;
        QVERIFY(LoadSettings(s));
        QVERIFY(SaveSettings(s));
        QCOMPARE(folder.read(kFile), QByteArray(bytes).replace("\r\nStale\r\n", "\r\nEmpty\r\n"));
    }

    void updateRewritesOnlyItsFields() {
        TestFolder folder;
        const QByteArray before = playerFile();
        folder.write(kFile, before);
        Settings loaded;
        QVERIFY(LoadSettings(loaded));
        loaded.LastModeUsedMEC = QStringLiteral("MP"); // changed in memory, not saved

        Settings values;
        values.ScriptsDirName = QStringLiteral("D:\\Games\\AO\\scripts\\");
        QVERIFY(UpdateSettingsFile(values, {SettingsField::ScriptsDirName}, &loaded));
        QCOMPARE(folder.read(kFile),
                 QByteArray(before).replace("C:\\AO\\scripts\\", "D:\\Games\\AO\\scripts\\"));
        QCOMPARE(loaded.ScriptsDirName, values.ScriptsDirName);
        QCOMPARE(loaded.LastModeUsedMEC, QStringLiteral("MP"));
        // The stale name behind a "0" flag and the old version line stay as they were read.
        QVERIFY(folder.read(kFile).contains("\r\nStale\r\n"));
        QVERIFY(folder.read(kFile).startsWith("My Header\r\nV1.4\r\n"));
    }

    void updateFillsAShortFileToThirtyLines() {
        TestFolder folder;
        folder.write(kFile, crlf({"Glimmbar Config File", "V1.0"}));
        Settings values;
        values.TitleString = QStringLiteral("Glimmbar Config File");
        values.FollowOrBehind = true;
        values.Naming = QStringLiteral("names");
        QVERIFY(UpdateSettingsFile(values, {SettingsField::TitleString, SettingsField::Naming,
                                            SettingsField::FollowOrBehind}));
        QByteArray expected = crlf({"Glimmbar Config File", "V1.0"});
        for (int line = 3; line <= 30; ++line) {
            expected += line == 18 ? "names\r\n" : line == 30 ? "1\r\n" : "\r\n";
        }
        QCOMPARE(folder.read(kFile), expected);
    }

    void readScriptsDirName() {
        TestFolder folder;
        QCOMPARE(ReadScriptsDirName(), QString());
        folder.write(kFile, playerFile());
        QCOMPARE(ReadScriptsDirName(), QStringLiteral("C:\\AO\\scripts\\"));
        folder.write(kFile, crlf({"a", "b"}));
        QCOMPARE(ReadScriptsDirName(), QString());
    }

    void petSelectionFirstRun() {
        TestFolder folder;
        PetSelection selection;
        QVERIFY(CreateDefaultPetSelection(selection));
        QByteArray expected;
        for (int i = 0; i < 56; ++i) {
            expected += "1\r\n";
        }
        QCOMPARE(folder.read(kPetSelectionFileName), expected);
        selection.include[0] = false;
        QVERIFY(SavePetSelection(selection));
        QCOMPARE(folder.read(kPetSelectionFileName), "0\r\n" + expected.mid(3));
    }

    void petSelectionTolerantReading() {
        TestFolder folder;
        // 40 lines: line 1 off, line 2 not a number, line 3 " 0 ", the rest on.
        QByteArray bytes = "0\r\nmaybe\r\n 0 \r\n";
        for (int i = 3; i < 40; ++i) {
            bytes += "1\n";
        }
        folder.write(kPetSelectionFileName, bytes);
        PetSelection s;
        s.include.fill(true);
        s.include[45] = false;
        QVERIFY(LoadPetSelection(s));
        QVERIFY(!s.include[0]);
        QVERIFY(s.include[1]);  // as it was
        QVERIFY(!s.include[2]); // a whole number, blanks around it
        QVERIFY(s.include[39]);
        QVERIFY(!s.include[45]); // beyond the file: as it was
        QVERIFY(s.isIncluded(QStringLiteral("BureaucratBodyguard")));

        // Lines after the 56th are ignored, and the next save writes 56.
        QByteArray longFile;
        for (int i = 0; i < 70; ++i) {
            longFile += i < 56 ? "0\r\n" : "1\r\n";
        }
        folder.write(kPetSelectionFileName, longFile);
        QVERIFY(LoadPetSelection(s));
        QVERIFY(!s.include[55]);
        QVERIFY(SavePetSelection(s));
        QCOMPARE(folder.read(kPetSelectionFileName), longFile.left(56 * 3));
    }

    void unreadableFilesChangeNothing() {
        TestFolder folder;
        Settings s = Settings::defaults();
        QVERIFY(!LoadSettings(s));
        QCOMPARE(s, Settings::defaults());
        PetSelection p;
        QVERIFY(!LoadPetSelection(p));
        QCOMPARE(p, PetSelection{});
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
