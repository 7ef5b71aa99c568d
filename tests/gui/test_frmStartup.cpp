#include "ui/frmStartup.h"

#include "ui/frmBrowseFolder.h"
#include "ui/frmNamingScreen.h"

#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QTest>

using namespace glimmbar;

class TestFrmStartup : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void firstStartOpensTheWelcomeWindow() {
        TestFolder folder;
        Settings settings;
        PetSelection selection;
        RecordingDialogs dialogs;
        frmStartup startup(settings, selection, dialogs);
        QVERIFY(startup.Form_Load());
        QWidget* window = startup.firstWindow();
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(qobject_cast<frmBrowseFolder*>(window) != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Welcome to Glimmbar!"));
        QVERIFY(dialogs.messages.isEmpty());
        window->close();
        QTRY_VERIFY(startup.firstWindow() == nullptr);
    }

    void aStoredGameOpensTheNamingWindow() {
        TestFolder folder;
        folder.write(QStringLiteral("Game/anarchy.exe"), "MZ");
        Settings stored = Settings::defaults();
        stored.ScriptsDirName = QDir::toNativeSeparators(folder.path() + "/Game/scripts/");
        stored.ScriptsDirName.replace(QLatin1Char('/'), QLatin1Char('\\'));
        QVERIFY(SaveSettings(stored));
        Settings settings;
        PetSelection selection;
        RecordingDialogs dialogs;
        frmStartup startup(settings, selection, dialogs);
        QVERIFY(startup.Form_Load());
        QVERIFY(qobject_cast<frmNamingScreen*>(startup.firstWindow()) != nullptr);
        QCOMPARE(startup.firstWindow()->windowTitle(), QStringLiteral("Glimmbar"));
        delete startup.firstWindow();
    }

    void anUnwritableFolderIsReportedAndStops() {
        TestFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("petselect.cfg")));
        Settings settings;
        PetSelection selection;
        RecordingDialogs dialogs;
        frmStartup startup(settings, selection, dialogs);
        QVERIFY(!startup.Form_Load());
        QVERIFY(startup.firstWindow() == nullptr);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.contains(QLatin1String("petselect.cfg")));
    }
};

QTEST_MAIN(TestFrmStartup)
#include "test_frmStartup.moc"
