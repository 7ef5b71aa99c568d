// Players edit glimmbar.cfg by hand, copy it between machines and keep old installs for years.
// Whatever the settings files hold, the program starts, opens the window its rules give, and
// its next save writes a well-formed thirty-line file.
#include "ui/frmBrowseFolder.h"
#include "ui/frmNamingScreen.h"
#include "ui/frmStartup.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using namespace glimmbar;

namespace {

// Root reads every file whatever its permissions. To meet an unreadable file as a player
// does, the test gives up root's file-permission override for a while.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride() {
#ifdef Q_OS_LINUX
        if (geteuid() == 0 && syscall(SYS_capget, &m_header, m_saved) == 0) {
            __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
            lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
            m_lowered = syscall(SYS_capset, &m_header, lowered) == 0;
        }
#endif
    }
    ~WithoutPermissionOverride() {
#ifdef Q_OS_LINUX
        if (m_lowered) {
            syscall(SYS_capset, &m_header, m_saved);
        }
#endif
    }
    WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
    WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

private:
#ifdef Q_OS_LINUX
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_lowered = false;
#endif
};

// The game below the working folder, and line 3 as the folder window stores it.
QByteArray makeGame(const TestFolder& folder) {
    folder.write(QStringLiteral("game/anarchy.exe"), "MZ");
    QDir(folder.path()).mkpath(QStringLiteral("game/scripts"));
    QDir(folder.path()).mkpath(QStringLiteral("game/cd_image/text/help"));
    return (folder.path() + QStringLiteral("/game\\scripts\\")).toLocal8Bit();
}

// A settings file with the given lines, each ended by CR LF.
QByteArray lines(const QList<QByteArray>& content) {
    QByteArray bytes;
    for (const QByteArray& line : content) {
        bytes += line + "\r\n";
    }
    return bytes;
}

bool wellFormed(const QByteArray& settings) {
    return settings.count("\r\n") == kSettingsLineCount &&
           settings.count('\n') == kSettingsLineCount && settings.endsWith("\r\n");
}

// The program as main() starts it, over the files in the working folder.
struct Program {
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    frmStartup startup{settings, selection, dialogs};

    ~Program() {
        // One window may take others with it, so ask afresh each time.
        while (!QApplication::topLevelWidgets().isEmpty()) {
            delete QApplication::topLevelWidgets().constFirst();
        }
    }
    QWidget* start() {
        if (!startup.Form_Load()) {
            return nullptr;
        }
        QWidget* window = startup.firstWindow();
        window->activateWindow();
        return QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }
};

void click(QWidget* window, const char* name) {
    QPushButton* button = window->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(button != nullptr, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    // Files without a usable game folder: the welcome window opens, and choosing the game
    // stores it in a whole file.
    void noUsableFolderAsksForTheGame_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("3 lines") << lines({"Glimmbar Config File", "V1.5.1", "(None)"});
        QTest::newRow("NUL bytes") << QByteArray("\0\0\0\r\n\0\r\n\0x\r\n", 11);
        QTest::newRow("no line ends") << QByteArray(5000, 'x');
        QTest::newRow("CR only") << QByteArray("a\rb\rc\r");
    }
    void noUsableFolderAsksForTheGame() {
        QFETCH(QByteArray, bytes);
        TestFolder folder;
        makeGame(folder);
        folder.write(kSettingsFileName, bytes);
        Program program;
        QWidget* first = program.start();
        QVERIFY(qobject_cast<frmBrowseFolder*>(first) != nullptr);
        // An existing file is never rewritten by start-up.
        QCOMPARE(folder.read(kSettingsFileName), bytes);

        program.dialogs.answerFolder(folder.filePath(QStringLiteral("game")));
        click(first, "cmdBrowse");
        QTRY_VERIFY(static_cast<frmBrowseFolder*>(first)->namingWindow() != nullptr);
        QVERIFY(wellFormed(folder.read(kSettingsFileName)));
        QVERIFY(program.dialogs.messages.isEmpty());
    }

    // Files whose game folder is usable but whose other lines are hostile: the naming window
    // opens, and Create Files saves a whole file.
    void hostileLinesStillNameThePets_data() {
        QTest::addColumn<QList<QByteArray>>("content"); // "GAME" stands for the scripts folder
        QByteArray high;
        for (int b = 128; b < 256; ++b) {
            high += static_cast<char>(b);
        }
        QList<QByteArray> fiveHundred{"Glimmbar Config File", "V1.5.1", "GAME", "MP"};
        for (int i = 4; i < 500; ++i) {
            fiveHundred << QByteArray::number(i);
        }
        QTest::newRow("500 lines") << fiveHundred;
        QTest::newRow("100,000-character line") << QList<QByteArray>{
            QByteArray(100000, 'h'), "V1", "GAME", "MP", "0", "1", QByteArray(100000, 'n')};
        QTest::newRow("NUL and high bytes") << QList<QByteArray>{
            QByteArray("a\0b", 3), high, "GAME", "MP", high, "1", "Zap", "0", QByteArray("\0", 1)};
        QTest::newRow("LF only, short") << QList<QByteArray>{"x\ny\nGAME\nMP"};
    }
    void hostileLinesStillNameThePets() {
        QFETCH(QList<QByteArray>, content);
        TestFolder folder;
        const QByteArray game = makeGame(folder);
        for (QByteArray& line : content) {
            line.replace("GAME", game);
        }
        folder.write(kSettingsFileName, lines(content));
        Program program;
        QWidget* first = program.start();
        QVERIFY(qobject_cast<frmNamingScreen*>(first) != nullptr);

        // Lines a short or odd file left empty are put right in the Options window, as the
        // refusal tells the player; its OK writes a whole file.
        click(first, "cmdMiscButton");
        QWidget* options = nullptr;
        QTRY_VERIFY((options = QApplication::activeWindow()) != first && options != nullptr);
        for (const char* box : {"txtNaming", "txtAttack", "txtBehind", "txtHeal", "txtHealme",
                                "txtMezz", "txtMezzBehind"}) {
            QLineEdit* edit = options->findChild<QLineEdit*>(QLatin1String(box));
            edit->setText(QLatin1String(box).mid(3).toString().toLower());
        }
        options->findChild<QLineEdit*>(QStringLiteral("txtNewHealPetDelay"))
            ->setText(QStringLiteral("0"));
        click(options, "cmdOK");
        QVERIFY(wellFormed(folder.read(kSettingsFileName)));

        first->findChild<QLineEdit*>(QStringLiteral("txtAttackPetName"))
            ->setText(QStringLiteral("Firebrand"));
        click(first, "cmdCreateFile");
        QCOMPARE(program.dialogs.messages.last().icon, MessageIcon::Information);
        QVERIFY(wellFormed(folder.read(kSettingsFileName)));
    }

    // A scripts-folder line that names a file: the game is found above it, so the naming
    // window opens, but Create Files refuses the folder and writes nothing.
    void aScriptsLineNamingAFile() {
        TestFolder folder;
        makeGame(folder);
        folder.write(QStringLiteral("game/notes.txt"), "not a folder");
        const QByteArray line3 =
            (folder.path() + QStringLiteral("/game\\notes.txt\\")).toLocal8Bit();
        Settings stored = Settings::defaults();
        folder.write(kSettingsFileName, encodeLines(stored.lines()).replace("(None)", line3));
        const QByteArray before = folder.read(kSettingsFileName);
        Program program;
        QWidget* first = program.start();
        QVERIFY(qobject_cast<frmNamingScreen*>(first) != nullptr);
        first->findChild<QLineEdit*>(QStringLiteral("txtAttackPetName"))
            ->setText(QStringLiteral("Firebrand"));
        click(first, "cmdCreateFile");
        QCOMPARE(program.dialogs.messages.size(), 1);
        QCOMPARE(program.dialogs.messages[0].icon, MessageIcon::Critical);
        QCOMPARE(folder.read(kSettingsFileName), before);
        QCOMPARE(folder.read(QStringLiteral("game/notes.txt")), QByteArray("not a folder"));
    }

#ifdef Q_OS_UNIX
    // An unreadable petselect.cfg: the program starts with no pet type included, and the
    // next Create Files still saves a whole settings file.
    void anUnreadablePetSelection() {
        TestFolder folder;
        const QByteArray game = makeGame(folder);
        folder.write(kSettingsFileName,
                     encodeLines(Settings::defaults().lines()).replace("(None)", game));
        folder.write(kPetSelectionFileName, QByteArray("1\r\n").repeated(56));
        QFile::setPermissions(folder.filePath(kPetSelectionFileName), QFileDevice::Permissions());
        WithoutPermissionOverride asAPlayer;
        if (QFile(folder.filePath(kPetSelectionFileName)).open(QIODevice::ReadOnly)) {
            QSKIP("this user can read a file without read permission");
        }
        Program program;
        QWidget* first = program.start();
        QVERIFY(qobject_cast<frmNamingScreen*>(first) != nullptr);
        QCOMPARE(program.selection, PetSelection{});
        first->findChild<QLineEdit*>(QStringLiteral("txtAttackPetName"))
            ->setText(QStringLiteral("Firebrand"));
        click(first, "cmdCreateFile");
        QCOMPARE(program.dialogs.messages.size(), 1);
        QCOMPARE(program.dialogs.messages[0].icon, MessageIcon::Information);
        QVERIFY(wellFormed(folder.read(kSettingsFileName)));
        // With no type included, the naming script is empty.
        QCOMPARE(folder.read(QStringLiteral("game/scripts/petnaming")), QByteArray());
    }
#endif
};

QTEST_MAIN(TestHostileFiles)
#include "test_hostileFiles.moc"
