#include "scriptgen/CreateCommand.h"
#include "scriptgen/ScriptWriter.h"

#include "RecordingSink.h"
#include "TestFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTest>

#include <functional>

using namespace glimmbar;

Q_DECLARE_METATYPE(glimmbar::CreateSnapshot)

namespace {

const QString kScripts = QStringLiteral("game/scripts/");
const QString kHelpFile = QStringLiteral("game/cd_image/text/help/glimmbarhelp.txt");
// The stored scripts folder: Windows-style text ending in a backslash, relative to the working
// folder so that the saved glimmbar.cfg has the same bytes on every machine.
const QString kScriptsDirText = QStringLiteral("game\\scripts\\");
const QByteArray kOld = "old contents\r\n";

QString expectedDir(const QString& scenario) {
    return QStringLiteral(GLIMMBAR_TEST_DATA "/scriptgen/") + scenario;
}

QString colour(int number) {
    return QString(QChar(16)) + QChar(number);
}

// A game installation with its scripts and help folders, and last run's settings file.
void installGame(const TestFolder& folder) {
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("game/scripts")));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("game/cd_image/text/help")));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("other/scripts")));
    folder.write(kSettingsFileName, encodeLines(Settings::defaults().lines()));
}

PetSelection everyType() {
    PetSelection selection;
    selection.include.fill(true);
    return selection;
}

CreateSnapshot snapshot(const char* profession) {
    CreateSnapshot snap{Settings::defaults(), everyType()};
    snap.settings.ScriptsDirName = kScriptsDirText;
    snap.settings.LastModeUsedMEC = QLatin1String(profession);
    return snap;
}

CreateSnapshot mpAll() {
    CreateSnapshot snap = snapshot("MP");
    Settings& s = snap.settings;
    s.AttackPetName = QStringLiteral("Zapper");
    s.HealPetName = QStringLiteral("Doc") + colour(6) + QStringLiteral("Holly");
    s.MezzPetName = QStringLiteral("Sandman");
    s.RememberAttack = true;
    s.RememberMezz = true;
    s.RememberEngy = true; // ticked with an empty name
    s.MechdogPetName = QStringLiteral("Rex");
    s.RememberCrat = true;
    s.CratPetName = QStringLiteral("Clerk");
    s.MPAttackAnnounce = QStringLiteral("Die, \"foe\"!");
    s.MPHealAnnounce = QStringLiteral("Healing!");
    s.MPMezzAnnounce = QStringLiteral("Sleep now");
    s.EngyAnnounce = QStringLiteral("Engy go");
    s.CratAnnounce = QStringLiteral("Crat go");
    s.NewHealPetDelay = QStringLiteral("1500");
    return snap;
}

CreateSnapshot engineer() {
    CreateSnapshot snap = snapshot("Engineer");
    snap.settings.EngyPetName = QStringLiteral("Robby");
    snap.settings.Naming = QStringLiteral("engyname");
    return snap;
}

CreateSnapshot healOnly(const char* delay) {
    CreateSnapshot snap = snapshot("MP");
    snap.settings.HealPetName = QStringLiteral("Medic");
    snap.settings.NewHealPetDelay = QLatin1String(delay);
    return snap;
}

void exclude(CreateSnapshot& snap, const char* key) {
    snap.selection.include[static_cast<std::size_t>(petTypeIndex(QLatin1String(key)))] = false;
}

// Every file below the working folder with its bytes.
QMap<QString, QByteArray> contents(const TestFolder& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder.path()).relativeFilePath(path), folder.read(path));
    }
    return files;
}

// Compares each file of an expected scenario with the file of the same place in the folder.
void compareWithExpected(const TestFolder& folder, const QString& scenario) {
    const QDir expected(expectedDir(scenario));
    QDirIterator it(expected.path(), QDir::Files, QDirIterator::Subdirectories);
    int compared = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString relative = expected.relativeFilePath(path);
        QVERIFY2(folder.exists(relative),
                 qPrintable(relative + QStringLiteral(" was not written")));
        if (folder.read(relative) != file.readAll()) {
            QFAIL(qPrintable(relative + QStringLiteral(" differs from ") + path));
        }
        ++compared;
    }
    QVERIFY2(compared > 0, "no expected files");
}

Message success(const char* text) {
    return {QLatin1String(text), QStringLiteral("Glimmbar has created your files!"),
            MessageIcon::Information};
}

} // namespace

class TestScriptWriter : public QObject {
    Q_OBJECT

private slots:
    void filesAreByteExact_data() {
        QTest::addColumn<CreateSnapshot>("snap");
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("successText");

        const QString forMp =
            QStringLiteral("Script files for a Meta-Physicist have been created.");
        QTest::newRow("MP, three names, every type, announcements, delay 1500")
            << mpAll() << "mp-all" << forMp;
        QTest::newRow("Engineer, empty mech-dog name, own naming script name")
            << engineer() << "engineer"
            << "Script files for an Engineer have been created.";
        CreateSnapshot announcing = engineer();
        announcing.settings.EngyAnnounce = QStringLiteral("Robby attacks!");
        QTest::newRow("Engineer announcing its attack")
            << announcing << "engineer-announce"
            << "Script files for an Engineer have been created.";

        CreateSnapshot crat = snapshot("Bureaucrat");
        crat.settings.CratPetName = QStringLiteral("Paperclip");
        crat.settings.CratAnnounce = QStringLiteral("Filing a complaint");
        crat.settings.AttackPetName = QStringLiteral("Zapper"); // not the Bureaucrat's pet
        exclude(crat, "BureaucratHelper");
        exclude(crat, "BureaucratMinion");
        QTest::newRow("Bureaucrat with two types left out")
            << crat << "bureaucrat"
            << "Script files for a Bureaucrat have been created.";

        CreateSnapshot follow = snapshot("MP");
        follow.settings.AttackPetName = QStringLiteral("Zapper");
        follow.settings.MezzPetName = QStringLiteral("Sandman");
        follow.settings.FollowOrBehind = true;
        follow.settings.NewHealPetDelay = QStringLiteral("2000");
        exclude(follow, "AngerManifestation");
        exclude(follow, "Tumulten");
        QTest::newRow("MP attack and mezz pets that follow") << follow << "mp-follow" << forMp;

        QTest::newRow("MP heal pet, delay 0") << healOnly("0") << "heal-nodelay" << forMp;
        QTest::newRow("MP heal pet, delay 0.0 is no delay")
            << healOnly("0.0") << "heal-nodelay" << forMp;
        CreateSnapshot delayed = healOnly("1500");
        delayed.settings.MPHealAnnounce = QStringLiteral("Healing you");
        QTest::newRow("MP heal pet, delay 1500 and an announcement")
            << delayed << "heal-delay1500" << forMp;
        CreateSnapshot negative = healOnly("-5");
        negative.settings.FollowOrBehind = true;
        QTest::newRow("MP heal pet, delay -5 is written as it is")
            << negative << "heal-delay-5" << forMp;
    }

    void filesAreByteExact() {
        QFETCH(CreateSnapshot, snap);
        QFETCH(QString, scenario);
        QFETCH(QString, successText);
        TestFolder folder;
        installGame(folder);
        RecordingSink sink;
        QVERIFY(runCreateFiles(snap, sink));
        QCOMPARE(sink.messages, (QList<Message>{success(qPrintable(successText))}));
        compareWithExpected(folder, scenario);
    }

    void automatonRenameLineIs45Bytes() {
        TestFolder folder;
        installGame(folder);
        RecordingSink sink;
        QVERIFY(runCreateFiles(engineer(), sink));
        const QByteArray naming = folder.read(kScripts + QStringLiteral("engyname"));
        const QByteArray first = naming.left(naming.indexOf("\r\n") + 2);
        QCOMPARE(first, QByteArray("/pet \"Engineer Automaton I\" rename \"Robby\" \r\n"));
        QCOMPARE(first.size(), 45);
    }

    void noIncludedTypeLeavesAnEmptyNamingScript() {
        TestFolder folder;
        installGame(folder);
        folder.write(kScripts + QStringLiteral("petnaming"), kOld);
        CreateSnapshot snap = snapshot("Engineer");
        snap.settings.EngyPetName = QStringLiteral("Robby");
        snap.selection.include.fill(false);
        RecordingSink sink;
        QVERIFY(runCreateFiles(snap, sink));
        QVERIFY(folder.exists(kScripts + QStringLiteral("petnaming")));
        QCOMPARE(folder.read(kScripts + QStringLiteral("petnaming")), QByteArray());
    }

    // A Meta-Physicist who only names a heal pet keeps the attack pet's and mezz pet's old
    // scripts; the attack script falls back to the plain "/pet attack".
    void scriptsOfUnnamedPetsAreLeftAlone() {
        TestFolder folder;
        installGame(folder);
        for (const char* name : {"petstop", "petmezz", "mezzstop", "petattack"}) {
            folder.write(kScripts + QLatin1String(name), kOld);
        }
        RecordingSink sink;
        QVERIFY(runCreateFiles(healOnly("0"), sink));
        QCOMPARE(folder.read(kScripts + QStringLiteral("petstop")), kOld);
        QCOMPARE(folder.read(kScripts + QStringLiteral("petmezz")), kOld);
        QCOMPARE(folder.read(kScripts + QStringLiteral("mezzstop")), kOld);
        QCOMPARE(folder.read(kScripts + QStringLiteral("petattack")),
                 QByteArray("/pet attack\r\n"));
    }

    void twoRunsGiveTheSameFiles() {
        TestFolder folder;
        installGame(folder);
        RecordingSink sink;
        QVERIFY(runCreateFiles(mpAll(), sink));
        const QMap<QString, QByteArray> first = contents(folder);
        QVERIFY(runCreateFiles(mpAll(), sink));
        QCOMPARE(contents(folder), first);
        QCOMPARE(sink.messages.size(), 2);
    }

    // Script names the player set to the same text are allowed; the later step's file wins.
    void sameNameLaterFileWins_data() {
        QTest::addColumn<QString>("namingName");
        QTest::addColumn<QByteArray>("finalBytes");
        QTest::newRow("naming script named like the attack script")
            << "petattack" << QByteArray("/pet \"Bureaucrat Worker\" rename \"Droidy\" \r\n");
        QTest::newRow("naming script named like the launcher")
            << "glimmbar" << QByteArray("/showfile glimmbarhelp.txt\r\n");
    }

    void sameNameLaterFileWins() {
        QFETCH(QString, namingName);
        QFETCH(QByteArray, finalBytes);
        TestFolder folder;
        installGame(folder);
        CreateSnapshot snap = snapshot("Bureaucrat");
        snap.settings.CratPetName = QStringLiteral("Droidy");
        snap.settings.Naming = namingName;
        snap.selection.include.fill(false);
        snap.selection
            .include[static_cast<std::size_t>(petTypeIndex(QStringLiteral("BureaucratWorker")))] =
            true;
        RecordingSink sink;
        QVERIFY(runCreateFiles(snap, sink));
        QCOMPARE(folder.read(kScripts + namingName), finalBytes);
    }

    void refusalsWriteNothing_data() {
        QTest::addColumn<CreateSnapshot>("snap");
        QTest::addColumn<int>("messageCount");
        QTest::addColumn<QString>("textPart");

        CreateSnapshot snap = snapshot("MP");
        QTest::newRow("MP without a name") << snap << 1 << "name at least one pet";
        snap = mpAll();
        snap.settings.AttackPetName = QStringLiteral("Zap");
        snap.settings.HealPetName = QStringLiteral("Doc");
        QTest::newRow("MP, two short names") << snap << 2 << "less than four characters";
        snap = engineer();
        snap.settings.EngyPetName.clear();
        QTest::newRow("Engineer without a robot name") << snap << 1 << "main robot";
        snap = mpAll();
        snap.settings.LastModeUsedMEC = QStringLiteral("Mp");
        QTest::newRow("profession in another letter case") << snap << 0 << "";

        snap = mpAll();
        snap.settings.ScriptsDirName = QStringLiteral("game\\nowhere\\");
        QTest::newRow("scripts folder missing")
            << snap << 1 << "scripts folder \"game\\nowhere\\\"";
        snap.settings.ScriptsDirName = kNoScriptsDir;
        QTest::newRow("no game folder chosen") << snap << 1 << "scripts folder \"(None)\"";
        snap.settings.ScriptsDirName = QStringLiteral("other\\scripts\\");
        QTest::newRow("help folder missing") << snap << 1 << "help folder";

        const std::pair<const char*, QString> badNames[] = {
            {"script name empty", QString()},
            {"script name is .", QStringLiteral(".")},
            {"script name is ..", QStringLiteral("..")},
            {"script name with a slash", QStringLiteral("a/b")},
            {"script name with a backslash", QStringLiteral("..\\anarchy.exe")},
            {"script name with a colon", QStringLiteral("c:pet")},
            {"script name with a star", QStringLiteral("pet*")},
            {"script name with a question mark", QStringLiteral("pet?")},
            {"script name with a double quote", QStringLiteral("pet\"")},
            {"script name with <", QStringLiteral("<pet")},
            {"script name with >", QStringLiteral("pet>")},
            {"script name with |", QStringLiteral("pet|x")},
            {"script name with a tab", QStringLiteral("pet\tx")},
            {"script name CON", QStringLiteral("CON")},
            {"script name nul.txt", QStringLiteral("nul.txt")},
            {"script name com1", QStringLiteral("com1")},
            {"script name LPT9", QStringLiteral("LPT9")},
            {"script name outside Windows-1252", QStringLiteral("pet\u4E00")},
        };
        for (const auto& [row, name] : badNames) {
            snap = mpAll();
            snap.settings.Healme = name;
            QTest::newRow(row) << snap << 1 << "Name of Pet Heal Me script";
        }

        snap = mpAll();
        snap.settings.AttackPetName = QStringLiteral("Zap\u4E00per");
        QTest::newRow("pet name outside Windows-1252")
            << snap << 1 << "The name of your attack pet holds the character \u4E00";
        snap = engineer();
        snap.settings.RememberMezz = true;
        snap.settings.MezzPetName = QStringLiteral("Sand\u0416");
        QTest::newRow("remembered name of another profession outside Windows-1252")
            << snap << 1 << "your mezz pet";
        snap = engineer();
        snap.settings.CratAnnounce = QStringLiteral("\u263A");
        QTest::newRow("announcement outside Windows-1252") << snap << 1 << "Bureaucrat pet's";
        snap = engineer();
        snap.settings.EngyAnnounce = QStringLiteral("two\nlines");
        QTest::newRow("announcement with a line break") << snap << 1 << "line break";

        for (const char* delay : {"", "abc", "1,5", "15 00", "inf"}) {
            snap = mpAll();
            snap.settings.NewHealPetDelay = QLatin1String(delay);
            QTest::newRow(qPrintable(QStringLiteral("heal delay \"%1\"").arg(QLatin1String(delay))))
                << snap << 1 << "is not a number";
        }
    }

    void refusalsWriteNothing() {
        QFETCH(CreateSnapshot, snap);
        QFETCH(int, messageCount);
        QFETCH(QString, textPart);
        TestFolder folder;
        installGame(folder);
        for (const char* name : {"petattack", "petnaming", "petheal", "glimmbar"}) {
            folder.write(kScripts + QLatin1String(name), kOld);
        }
        folder.write(kHelpFile, kOld);
        const QMap<QString, QByteArray> before = contents(folder);

        RecordingSink sink;
        QVERIFY(!runCreateFiles(snap, sink));
        QCOMPARE(sink.messages.size(), messageCount);
        for (const Message& m : sink.messages) {
            QCOMPARE(m.title, QStringLiteral("Glimmbar"));
            QCOMPARE(m.icon, MessageIcon::Critical);
            QVERIFY2(m.text.contains(textPart), qPrintable(m.text));
        }
        QCOMPARE(contents(folder), before);
    }

    // Odd values that this run does not write into a script are no reason to refuse.
    void unusedOddValuesAreAccepted_data() {
        QTest::addColumn<CreateSnapshot>("snap");
        CreateSnapshot snap = engineer();
        snap.settings.NewHealPetDelay = QStringLiteral("soon");
        QTest::newRow("delay that is no number, no heal pet") << snap;
        snap = engineer();
        snap.settings.MezzPetName = QStringLiteral("Sand\u0416"); // typed, not remembered
        QTest::newRow("unwritable name neither used nor remembered") << snap;
        snap = healOnly(" 1500 ");
        QTest::newRow("delay with blanks around it") << snap;
    }

    void unusedOddValuesAreAccepted() {
        QFETCH(CreateSnapshot, snap);
        TestFolder folder;
        installGame(folder);
        RecordingSink sink;
        QVERIFY(runCreateFiles(snap, sink));
        QCOMPARE(sink.messages.size(), 1);
        QCOMPARE(sink.messages[0].icon, MessageIcon::Information);
    }

    // Tests run as root, so a folder standing where a file must go is what makes a write fail.
    void writeFailureStopsTheRun_data() {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("notWritten");
        QTest::addColumn<bool>("settingsSaved");
        QTest::newRow("mezz script")
            << "game/scripts/petmezz" << QStringList{"petattack", "petnaming"}
            << QStringList{"mezzstop", "petheal", "glimmbar"} << false;
        QTest::newRow("launcher script")
            << "game/scripts/glimmbar" << QStringList{"pethealme"}
            << QStringList{"../cd_image/text/help/glimmbarhelp.txt"} << true;
        QTest::newRow("settings file")
            << "glimmbar.cfg" << QStringList{"pethealme"} << QStringList{"glimmbar"} << false;
    }

    void writeFailureStopsTheRun() {
        QFETCH(QString, blocked);
        QFETCH(QStringList, written);
        QFETCH(QStringList, notWritten);
        QFETCH(bool, settingsSaved);
        TestFolder folder;
        installGame(folder);
        const QByteArray oldSettings = folder.read(kSettingsFileName);
        if (blocked == kSettingsFileName) {
            QVERIFY(QFile::remove(folder.filePath(kSettingsFileName)));
        }
        QVERIFY(QDir(folder.path()).mkpath(blocked));
        QVERIFY(QDir(folder.path()).mkpath(blocked + QStringLiteral("/inside")));

        RecordingSink sink;
        QVERIFY(!runCreateFiles(mpAll(), sink));
        QCOMPARE(sink.messages.size(), 1);
        const Message& m = sink.messages[0];
        QCOMPARE(m.title, QStringLiteral("Glimmbar"));
        QCOMPARE(m.icon, MessageIcon::Critical);
        QVERIFY2(m.text.contains(QFileInfo(blocked).fileName() + QLatin1Char('"')),
                 qPrintable(m.text));
        QVERIFY2(m.text.contains(QStringLiteral("could not write")), qPrintable(m.text));

        for (const QString& name : written) {
            QVERIFY2(folder.exists(kScripts + name), qPrintable(name));
        }
        for (const QString& name : notWritten) {
            QVERIFY2(!folder.exists(kScripts + name), qPrintable(name));
        }
        if (blocked != kSettingsFileName) {
            QCOMPARE(folder.read(kSettingsFileName),
                     settingsSaved ? encodeLines(mpAll().settings.lines()) : oldSettings);
        }
    }

    void planListsEveryStepInOrder() {
        const std::vector<OutputFile> files = planCreateFiles(mpAll());
        QStringList paths;
        for (const OutputFile& f : files) {
            paths.append(f.gamePath);
        }
        const QString d = kScriptsDirText + QLatin1Char('\\');
        QCOMPARE(paths, (QStringList{d + "petattack", d + "petnaming", d + "petattack",
                                     d + "petstop", d + "petmezz", d + "mezzstop", d + "petheal",
                                     d + "pethealme", "glimmbar.cfg", d + "glimmbar",
                                     "game\\scripts\\..\\cd_image\\text\\help\\glimmbarhelp.txt"}));
        QCOMPARE(files[0].bytes, QByteArray("/pet attack\r\n"));
        QVERIFY(files[8].isSettingsFile);
    }
};

QTEST_GUILESS_MAIN(TestScriptWriter)
#include "test_scriptwriter.moc"
