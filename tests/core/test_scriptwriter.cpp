#include "scriptgen/CreateCommand.h"
#include "scriptgen/ScriptWriter.h"

#include "RecordingSink.h"
#include "TestFolder.h"

#include <QDir>
#include <QMap>
#include <QTest>

using namespace glimmbar;

Q_DECLARE_METATYPE(glimmbar::CreateSnapshot)

namespace {

const QString kScripts = QStringLiteral("game/scripts/");
const QByteArray kOld = "old contents\r\n";

// A game installation with its scripts and help folders, and last run's settings file.
struct GameFolder : TestFolder {
    GameFolder() {
        QVERIFY(QDir(path()).mkpath(QStringLiteral("game/scripts")));
        QVERIFY(QDir(path()).mkpath(QStringLiteral("game/cd_image/text/help")));
        QVERIFY(QDir(path()).mkpath(QStringLiteral("other/scripts")));
        write(kSettingsFileName, encodeLines(Settings::defaults().lines()));
    }
};

// Every pet type included. The stored scripts folder is Windows-style text relative to the
// working folder, so the saved glimmbar.cfg has the same bytes on every machine.
CreateSnapshot snapshot(const char* profession) {
    CreateSnapshot snap{Settings::defaults(), PetSelection{}};
    snap.selection.include.fill(true);
    snap.settings.ScriptsDirName = QStringLiteral("game\\scripts\\");
    snap.settings.LastModeUsedMEC = QLatin1String(profession);
    return snap;
}

template <typename T> CreateSnapshot with(CreateSnapshot snap, T Settings::*field, T value) {
    snap.settings.*field = value;
    return snap;
}

// Three MP names (the heal name with a colour code), the robot ticked with an empty name, the
// mech dog unticked, the droid ticked, every announcement and a heal delay.
CreateSnapshot mpAll() {
    CreateSnapshot snap = snapshot("MP");
    Settings& s = snap.settings;
    s.AttackPetName = QStringLiteral("Zapper");
    s.HealPetName = QStringLiteral("Doc") + QChar(16) + QChar(6) + QStringLiteral("Holly");
    s.MezzPetName = QStringLiteral("Sandman");
    s.RememberAttack = s.RememberMezz = s.RememberEngy = s.RememberCrat = true;
    s.MechdogPetName = QStringLiteral("Rex");
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
    CreateSnapshot snap = with(snapshot("Engineer"), &Settings::EngyPetName, QString("Robby"));
    return with(snap, &Settings::Naming, QStringLiteral("engyname"));
}

CreateSnapshot healOnly(const char* delay) {
    CreateSnapshot snap = with(snapshot("MP"), &Settings::HealPetName, QString("Medic"));
    return with(snap, &Settings::NewHealPetDelay, QString::fromLatin1(delay));
}

void exclude(CreateSnapshot& snap, const char* key) {
    snap.selection.include[static_cast<std::size_t>(petTypeIndex(QLatin1String(key)))] = false;
}

} // namespace

class TestScriptWriter : public QObject {
    Q_OBJECT

private slots:
    void filesAreByteExact_data() {
        QTest::addColumn<CreateSnapshot>("snap");
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("who");
        const QString mp = QStringLiteral(" Meta-Physicist");
        const QString engy = QStringLiteral("n Engineer");

        QTest::newRow("MP, three names, every type, announcements, delay 1500")
            << mpAll() << "mp-all" << mp;
        QTest::newRow("Engineer, empty mech-dog name, own naming script name")
            << engineer() << "engineer" << engy;
        QTest::newRow("Engineer announcing its attack")
            << with(engineer(), &Settings::EngyAnnounce, QString("Robby attacks!"))
            << "engineer-announce" << engy;

        CreateSnapshot crat = snapshot("Bureaucrat");
        crat.settings.CratPetName = QStringLiteral("Paperclip");
        crat.settings.CratAnnounce = QStringLiteral("Filing a complaint");
        crat.settings.AttackPetName = QStringLiteral("Zapper"); // not the Bureaucrat's pet
        exclude(crat, "BureaucratHelper");
        exclude(crat, "BureaucratMinion");
        QTest::newRow("Bureaucrat with two types left out") << crat << "bureaucrat"
                                                            << " Bureaucrat";

        CreateSnapshot follow = with(snapshot("MP"), &Settings::FollowOrBehind, true);
        follow.settings.AttackPetName = QStringLiteral("Zapper");
        follow.settings.MezzPetName = QStringLiteral("Sandman");
        follow.settings.NewHealPetDelay = QStringLiteral("2000");
        exclude(follow, "AngerManifestation");
        exclude(follow, "Tumulten");
        QTest::newRow("MP attack and mezz pets that follow") << follow << "mp-follow" << mp;

        QTest::newRow("MP heal pet, delay 0") << healOnly("0") << "heal-nodelay" << mp;
        QTest::newRow("MP heal pet, delay 0.0 is no delay")
            << healOnly("0.0") << "heal-nodelay" << mp;
        QTest::newRow("MP heal pet, delay 1500 and an announcement")
            << with(healOnly("1500"), &Settings::MPHealAnnounce, QString("Healing you"))
            << "heal-delay1500" << mp;
        QTest::newRow("MP heal pet that follows, delay -5 is written as it is")
            << with(healOnly("-5"), &Settings::FollowOrBehind, true) << "heal-delay-5" << mp;
    }

    // Two runs in a row give the same files and each its own success message.
    void filesAreByteExact() {
        QFETCH(CreateSnapshot, snap);
        QFETCH(QString, scenario);
        QFETCH(QString, who);
        GameFolder folder;
        RecordingSink sink;
        QVERIFY(runCreateFiles(snap, sink));
        const QMap<QString, QByteArray> written = folderContents(folder.path());
        const QMap<QString, QByteArray> expected =
            folderContents(QStringLiteral(GLIMMBAR_TEST_DATA "/scriptgen/") + scenario);
        QVERIFY(!expected.isEmpty());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QVERIFY2(written.contains(it.key()), qPrintable(it.key() + " was not written"));
            QVERIFY2(written.value(it.key()) == it.value(), qPrintable(it.key() + " differs"));
        }
        QVERIFY(runCreateFiles(snap, sink));
        QCOMPARE(folderContents(folder.path()), written);
        const Message success{
            QStringLiteral("Script files for a") + who + QStringLiteral(" have been created."),
            QStringLiteral("Glimmbar has created your files!"), MessageIcon::Information};
        QCOMPARE(sink.messages, (QList<Message>{success, success}));
    }

    // The game reads these two lines by their exact length.
    void engineerLinesHaveTheirExactLength() {
        GameFolder folder;
        RecordingSink sink;
        QVERIFY(runCreateFiles(engineer(), sink));
        const QByteArray naming = folder.read(kScripts + QStringLiteral("engyname"));
        const QByteArray first = naming.left(naming.indexOf("\r\n") + 2);
        QCOMPARE(first, QByteArray("/pet \"Engineer Automaton I\" rename \"Robby\" \r\n"));
        QCOMPARE(first.size(), 45);
        QCOMPARE(folder.read(kScripts + QStringLiteral("petattack")).size(), 13);
    }

    // A Meta-Physicist who only names a heal pet keeps the attack pet's and mezz pet's old
    // scripts (the attack script falls back to the plain "/pet attack"); with no pet type
    // included the naming script is emptied rather than left renaming.
    void scriptsOfUnnamedPetsAreLeftAlone() {
        GameFolder folder;
        for (const char* name : {"petstop", "petmezz", "mezzstop", "petattack", "petnaming"}) {
            folder.write(kScripts + QLatin1String(name), kOld);
        }
        CreateSnapshot snap = healOnly("0");
        snap.selection.include.fill(false);
        RecordingSink sink;
        QVERIFY(runCreateFiles(snap, sink));
        for (const char* name : {"petstop", "petmezz", "mezzstop"}) {
            QCOMPARE(folder.read(kScripts + QLatin1String(name)), kOld);
        }
        QCOMPARE(folder.read(kScripts + QStringLiteral("petattack")),
                 QByteArray("/pet attack\r\n"));
        QVERIFY(folder.exists(kScripts + QStringLiteral("petnaming")));
        QCOMPARE(folder.read(kScripts + QStringLiteral("petnaming")), QByteArray());
    }

    // Script names the player set to the same text are allowed; the later step's file wins.
    void sameNameLaterFileWins() {
        GameFolder folder;
        CreateSnapshot snap =
            with(snapshot("Bureaucrat"), &Settings::CratPetName, QString("Droidy"));
        RecordingSink sink;
        QVERIFY(runCreateFiles(with(snap, &Settings::Naming, QString("glimmbar")), sink));
        QCOMPARE(folder.read(kScripts + QStringLiteral("glimmbar")),
                 QByteArray("/showfile glimmbarhelp.txt\r\n"));
    }

    // One row for each kind of refusal, then the odd values that are no reason to refuse
    // because this run writes them nowhere.
    void refusalsWriteNothing_data() {
        QTest::addColumn<CreateSnapshot>("snap");
        QTest::addColumn<int>("messageCount");
        QTest::addColumn<QString>("textPart");
        using S = Settings;

        QTest::newRow("MP without a name") << snapshot("MP") << 1 << "name at least one pet";
        QTest::newRow("MP, two short names")
            << with(with(mpAll(), &S::AttackPetName, QString("Zap")), &S::HealPetName,
                    QString("Doc"))
            << 2 << "less than four characters";
        QTest::newRow("profession in another letter case")
            << with(mpAll(), &S::LastModeUsedMEC, QString("Mp")) << 0 << "";
        QTest::newRow("scripts folder missing")
            << with(mpAll(), &S::ScriptsDirName, QString("game\\nowhere\\")) << 1
            << "scripts folder \"game\\nowhere\\\"";
        QTest::newRow("help folder missing")
            << with(mpAll(), &S::ScriptsDirName, QString("other\\scripts\\")) << 1 << "help folder";
        // An empty name, a path out of the scripts folder, a Windows device, a character the
        // game's scripts cannot hold.
        for (const QString name : {"", "..\\anarchy.exe", "nul.txt", "pet\u4E00"}) {
            QTest::newRow(qPrintable(QStringLiteral("script name \"%1\"").arg(name)))
                << with(mpAll(), &S::Healme, name) << 1 << "Name of Pet Heal Me script";
        }
        QTest::newRow("pet name outside Windows-1252")
            << with(mpAll(), &S::AttackPetName, QString("Zap\u4E00per")) << 1
            << "The name of your attack pet holds the character \u4E00";
        QTest::newRow("remembered name of another profession outside Windows-1252")
            << with(with(engineer(), &S::RememberMezz, true), &S::MezzPetName,
                    QString("Sand\u0416"))
            << 1 << "your mezz pet";
        QTest::newRow("announcement with a line break")
            << with(engineer(), &S::EngyAnnounce, QString("two\nlines")) << 1 << "line break";
        QTest::newRow("heal delay empty")
            << with(mpAll(), &S::NewHealPetDelay, QString()) << 1 << "is not a number";

        const QString created = QStringLiteral("have been created.");
        QTest::newRow("accepted: delay that is no number, no heal pet")
            << with(engineer(), &S::NewHealPetDelay, QString("soon")) << 1 << created;
        QTest::newRow("accepted: unwritable name neither used nor remembered")
            << with(engineer(), &S::MezzPetName, QString("Sand\u0416")) << 1 << created;
        QTest::newRow("accepted: delay with blanks around it")
            << healOnly(" 1500 ") << 1 << created;
    }

    void refusalsWriteNothing() {
        QFETCH(CreateSnapshot, snap);
        QFETCH(int, messageCount);
        QFETCH(QString, textPart);
        const bool accepted = textPart.endsWith(QLatin1String("created."));
        GameFolder folder;
        for (const char* name : {"petattack", "petnaming", "petheal", "glimmbar"}) {
            folder.write(kScripts + QLatin1String(name), kOld);
        }
        folder.write(QStringLiteral("game/cd_image/text/help/glimmbarhelp.txt"), kOld);
        const QMap<QString, QByteArray> before = folderContents(folder.path());

        RecordingSink sink;
        QCOMPARE(runCreateFiles(snap, sink), accepted);
        QCOMPARE(sink.messages.size(), messageCount);
        for (const Message& m : sink.messages) {
            QCOMPARE(m.icon, accepted ? MessageIcon::Information : MessageIcon::Critical);
            if (!accepted) {
                QCOMPARE(m.title, QStringLiteral("Glimmbar"));
            }
            QVERIFY2(m.text.contains(textPart), qPrintable(m.text));
        }
        if (!accepted) {
            QCOMPARE(folderContents(folder.path()), before);
        }
    }

    // Tests run as root, so a folder standing where a file must go is what makes a write fail.
    // The files before it are written, the ones after it and glimmbar.cfg are not.
    void writeFailureStopsTheRun() {
        GameFolder folder;
        const QByteArray oldSettings = folder.read(kSettingsFileName);
        QVERIFY(QDir(folder.path()).mkpath(kScripts + QStringLiteral("petmezz/inside")));

        RecordingSink sink;
        QVERIFY(!runCreateFiles(mpAll(), sink));
        QCOMPARE(sink.messages.size(), 1);
        const Message& m = sink.messages[0];
        QCOMPARE(m.title, QStringLiteral("Glimmbar"));
        QCOMPARE(m.icon, MessageIcon::Critical);
        QVERIFY2(m.text.contains(QStringLiteral("petmezz\"")), qPrintable(m.text));
        QVERIFY2(m.text.contains(QStringLiteral("could not write")), qPrintable(m.text));
        QVERIFY(folder.exists(kScripts + QStringLiteral("petnaming")));
        QVERIFY(!folder.exists(kScripts + QStringLiteral("mezzstop")));
        QCOMPARE(folder.read(kSettingsFileName), oldSettings);
    }
};

QTEST_GUILESS_MAIN(TestScriptWriter)
#include "test_scriptwriter.moc"
