#include "ui/frmNamingScreen.h"

#include "GuiTestRules.h"
#include "ProgramLoop.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <algorithm>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace glimmbar;

namespace {

// The six pet rows, top to bottom in the settings file; each has a txt…PetName box and a
// chkRemember… box.
const QStringList kRows = {"Attack", "Heal", "Mezz", "Engy", "Mechdog", "Crat"};

QString nameBox(const QString& row) {
    return "txt" + row + "PetName";
}

// The colour the player sees on a button, away from its caption and frame.
QColor faceColour(QWidget* button) {
    return button->grab().toImage().pixelColor(6, 6);
}

// The game's colour codes: the character 16, then the colour number.
QString colourCode(std::initializer_list<int> numbers) {
    QString codes;
    for (int number : numbers) {
        codes += QString(QChar(16)) + QChar(number);
    }
    return codes;
}

// glimmbar.cfg as a first run writes it, with some lines replaced (line 1 is the header).
void writeSettings(const QMap<int, QByteArray>& changed) {
    QByteArray bytes;
    const QStringList lines = Settings::defaults().lines();
    for (int line = 1; line <= lines.size(); ++line) {
        bytes += changed.contains(line) ? changed[line] : encodeLines({lines[line - 1]}).chopped(2);
        bytes += "\r\n";
    }
    QFile file(kSettingsFileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// How many windows of the program named `name` are on screen; all of them when empty.
int visibleWindows(const QString& name = {}) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [&](const QWidget* w) {
        return w->isVisible() && (name.isEmpty() || w->objectName() == name);
    }));
}

// The naming window as the player meets it (shown, exposed and active), in a fresh working
// folder. With a game, a game folder below it, game/, holds the stored scripts folder; a pet
// selection is written as petselect.cfg.
struct OpenWindow {
    TestFolder folder;
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    std::unique_ptr<frmNamingScreen> window;

    explicit OpenWindow(QMap<int, QByteArray> lines = {}, bool withGame = false,
                        const QByteArray& petSelection = {}) {
        if (withGame) {
            folder.write("game/anarchy.exe", "MZ");
            QDir(folder.path()).mkpath("game/scripts");
            QDir(folder.path()).mkpath("game/cd_image/text/help");
            lines[3] = (folder.path() + "/game\\scripts\\").toLocal8Bit();
        }
        if (!petSelection.isEmpty()) {
            folder.write(kPetSelectionFileName, petSelection);
        }
        writeSettings(lines);
        LoadSettings(settings);
        LoadPetSelection(selection);
        window = std::make_unique<frmNamingScreen>(settings, selection, dialogs);
        QObject::connect(window.get(), &frmNamingScreen::closed, qApp, &QCoreApplication::quit);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename T> T* find(const QString& name) const {
        T* child = window->findChild<T*>(name);
        if (child == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return child;
    }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    void click(const QString& name) const {
        QTest::mouseClick(find<QWidget>(name), Qt::LeftButton);
    }
    void typeInto(const QString& boxName, const QString& text) const {
        click(boxName);
        QTRY_VERIFY(box(boxName)->hasFocus());
        QTest::keyClicks(box(boxName), text);
    }
    QStringList visibleNameBoxes() const {
        QStringList shown;
        for (const QString& row : kRows) {
            if (box(nameBox(row))->isVisible()) {
                shown << nameBox(row);
            }
        }
        return shown;
    }
};

} // namespace

class TestFrmNamingScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    // Which flag lines count as ticked is pinned on the file itself in test_settings
    // (oddFlagLines); here the box and the tick show what was loaded. A stored profession
    // other than the first shows its own rows and points the colours at its first box.
    void aRememberedNameIsShownOnlyForFlagOne_data() {
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<QByteArray>("storedName");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("flag 1") << QByteArray("1") << QByteArray("Grimlock") << "Grimlock" << true;
        QTest::newRow("flag 0") << QByteArray("0") << QByteArray("Grimlock") << "" << false;
        QTest::newRow("leading blank") << QByteArray(" 1") << QByteArray("Grimlock") << "" << false;
        QTest::newRow("Empty as a ticked name")
            << QByteArray("1") << QByteArray("Empty") << "Empty" << true;
        QTest::newRow("colour codes and code page text")
            << QByteArray("1") << QByteArray("\x10\x18Z\xe9ro") << colourCode({24}) + "Z\u00e9ro"
            << true;
    }
    void aRememberedNameIsShownOnlyForFlagOne() {
        QFETCH(QByteArray, flag);
        QFETCH(QByteArray, storedName);
        QFETCH(QString, shownName);
        QFETCH(bool, ticked);
        // The Bureaucrat pair (lines 16 and 17), so the attack row's position is not assumed.
        OpenWindow open({{4, "Bureaucrat"}, {16, flag}, {17, storedName}});
        QCOMPARE(open.box("txtCratPetName")->text(), shownName);
        QCOMPARE(open.find<QCheckBox>("chkRememberCrat")->isChecked(), ticked);
        QVERIFY(open.find<QRadioButton>("Option3")->isChecked());
        QCOMPARE(open.visibleNameBoxes(), QStringList{"txtCratPetName"});
        QTRY_COMPARE(QApplication::focusWidget(), open.box("txtCratPetName"));
        QCOMPARE(open.window->lastFocusedBox(), QString("crat"));
    }

    // A profession the program does not know (the file's case matters) shows no rows, and the
    // colours have no box to go to.
    void anUnknownProfessionShowsNoRows() {
        OpenWindow open({{4, "mp"}});
        for (const QString option : {"Option1", "Option2", "Option3"}) {
            QVERIFY(!open.find<QRadioButton>(option)->isChecked());
        }
        QCOMPARE(open.visibleNameBoxes(), QStringList{});
        QCOMPARE(open.window->lastFocusedBox(), QString());
        QCOMPARE(open.window->namingSnapshot().LastModeUsedMEC, QString("mp"));
        open.click("PutInRed");
        for (const QString& row : kRows) {
            QCOMPARE(open.box(nameBox(row))->text(), QString());
        }
    }

    // The snapshot is filled through the same row table that loads the boxes, so this also
    // shows that every box belongs to its own settings lines.
    void switchingProfessionsKeepsEveryNameAndTick() {
        OpenWindow open;
        open.typeInto("txtAttackPetName", "Blaze");
        open.typeInto("txtHealPetName", "Mender");
        open.click("chkRememberHeal");
        open.typeInto("txtMezzPetName", "Dozer");
        open.click("Option3");
        QCOMPARE(open.visibleNameBoxes(), QStringList{"txtCratPetName"});
        open.typeInto("txtCratPetName", "Clerk");
        open.click("chkRememberCrat");
        open.click("Option2");
        open.typeInto("txtMechdogPetName", "Rover");
        open.click("chkRememberMechdog");
        open.click("Option1");
        QCOMPARE(open.window->lastFocusedBox(), QString("attack"));
        open.click("Option3");
        QCOMPARE(open.window->lastFocusedBox(), QString("crat"));

        const Settings s = open.window->namingSnapshot();
        QCOMPARE(s.LastModeUsedMEC, QString("Bureaucrat"));
        QCOMPARE((QStringList{s.AttackPetName, s.HealPetName, s.MezzPetName, s.EngyPetName,
                              s.MechdogPetName, s.CratPetName}),
                 (QStringList{"Blaze", "Mender", "Dozer", "", "Rover", "Clerk"}));
        QCOMPARE((QList<bool>{s.RememberAttack, s.RememberHeal, s.RememberMezz, s.RememberEngy,
                              s.RememberMechdog, s.RememberCrat}),
                 (QList<bool>{false, true, false, false, true, true}));
        // Selecting a profession stores nothing.
        QCOMPARE(ReadScriptsDirName(), QString("(None)"));
        QCOMPARE(readTextLines(kSettingsFileName).value()[3], QString("MP"));
    }

    // Every colour button adds its code at the end of the box last typed in, whatever the
    // caret or selection, and the caret follows so typing carries on after the codes.
    void theColoursAreAppendedToTheBoxLastTypedIn() {
        OpenWindow open;
        QLineEdit* heal = open.box("txtHealPetName");
        open.typeInto("txtHealPetName", "Doc");
        QTest::keyClick(heal, Qt::Key_Home);
        QTest::keyClick(heal, Qt::Key_Right, Qt::ShiftModifier);
        for (const QString colour : {"LightBlue", "Green", "DarkBlue", "DarkGreen", "Tan", "Grey",
                                     "Black", "White", "Yellow", "Red", "Teal", "Pink"}) {
            open.click("PutIn" + colour);
        }
        QCOMPARE(heal->text(), "Doc" + colourCode({1, 8, 13, 6, 17, 25, 11, 15, 16, 24, 22, 9}));
        QCOMPARE(open.box("txtAttackPetName")->text(), QString());
        QTRY_VERIFY(heal->hasFocus());
        QCOMPARE(heal->cursorPosition(), int(heal->text().size()));
        QVERIFY(!heal->hasSelectedText());
        QTest::keyClicks(heal, "x");
        QVERIFY(heal->text().endsWith(colourCode({9}) + "x"));
    }

    void theColourTargetFollowsSelectionsAndFocusLosses() {
        OpenWindow open;
        open.typeInto("txtMezzPetName", "Zzz");
        // The access key selects the profession while the mezz box still has the focus; the
        // box hidden by the switch must not become the target.
        QTest::keyClick(open.window.get(), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(open.find<QRadioButton>("Option3")->isChecked());
        QTRY_COMPARE(open.window->lastFocusedBox(), QString("crat"));
        open.click("PutInTan");
        QCOMPARE(open.box("txtCratPetName")->text(), colourCode({17}));
        QCOMPARE(open.box("txtMezzPetName")->text(), QString("Zzz"));

        open.click("Option2");
        QCOMPARE(open.window->lastFocusedBox(), QString("engy"));
        // Leaving a box by Tab makes it the target, not only the first box of the profession.
        open.typeInto("txtMechdogPetName", "Rex");
        QTest::keyClick(open.box("txtMechdogPetName"), Qt::Key_Tab);
        QTRY_VERIFY(open.find<QCheckBox>("chkRememberMechdog")->hasFocus());
        QCOMPARE(open.window->lastFocusedBox(), QString("mechdog"));
        open.click("PutInGreen");
        QCOMPARE(open.box("txtMechdogPetName")->text(), "Rex" + colourCode({8}));
        QCOMPARE(open.box("txtEngyPetName")->text(), QString());
    }

    void theStyleToggleSwitchesFacesAndBack() {
        OpenWindow open;
        auto* toggle = open.find<QPushButton>("cmdTextOrColors");
        auto* red = open.find<QPushButton>("PutInRed");
        const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
        QCOMPARE(toggle->text(), QString("Click here to show buttons as colors"));

        open.click("cmdTextOrColors");
        QCOMPARE(toggle->text(), QString("Click here to show buttons as text"));
        QCOMPARE(red->text(), QString());
        QCOMPARE(faceColour(red), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(faceColour(open.find<QPushButton>("PutInGrey")), menu);
        // Colour faces insert the same codes.
        open.typeInto("txtAttackPetName", "Abc");
        open.click("PutInPink");
        QCOMPARE(open.box("txtAttackPetName")->text(), "Abc" + colourCode({9}));

        open.click("cmdTextOrColors");
        QCOMPARE(toggle->text(), QString("Click here to show buttons as colors"));
        QCOMPARE(red->text(), QString("Red"));
        QCOMPARE(faceColour(red), menu);
        QCOMPARE(red->accessibleName(), QString("Red"));
    }

    // Row by row, each name box before its Remember box, then into the professions at the
    // selected one and on to the colour block.
    void tabGoesRowByRowThroughTheShownRows() {
        OpenWindow open;
        const QStringList chain = {"txtAttackPetName", "chkRememberAttack", "txtHealPetName",
                                   "chkRememberHeal",  "txtMezzPetName",    "chkRememberMezz",
                                   "Option1",          "cmdTextOrColors",   "PutInLightBlue"};
        for (const QString& name : chain) {
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void theAboutWindowOpensOnceAndGoesWithTheProgram_data() {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Exit button") << true;
        QTest::newRow("window frame") << false;
    }
    void theAboutWindowOpensOnceAndGoesWithTheProgram() {
        QFETCH(bool, byExit);
        OpenWindow open({{6, "1"}, {7, "Keep"}});
        open.typeInto("txtHealPetName", "Lost");
        open.click("chkRememberHeal");
        open.click("cmdAboutButton");
        open.click("cmdAboutButton");
        QTRY_COMPARE(visibleWindows("frmNewAbout"), 1);
        const QByteArray before = open.folder.read(kSettingsFileName);
        const int exitCode = runUntilTheProgramEnds([&] {
            if (byExit) {
                open.click("cmdExit");
            } else {
                open.window->close();
            }
        });
        QCOMPARE(exitCode, 0);
        // Nothing typed since the last Create Files is kept, and every window of the program
        // is closed (the Options window made hidden with the naming window included).
        QCOMPARE(open.folder.read(kSettingsFileName), before);
        QTRY_COMPARE(visibleWindows(), 0);
    }

    // Short names are refused one message per row in row order, and not one file is touched.
    // Once they are put right, the scripts are written and the ticked names remembered; a name
    // whose tick the player removed is still used for the scripts but forgotten.
    void createFilesRefusesShortNamesThenWritesAndRemembers() {
        OpenWindow open({{6, "1"}, {7, "Olden"}}, true, QByteArray("1\r\n").repeated(56));
        QCOMPARE(open.find<QPushButton>("cmdCreateFile")->text(), QString("&Create Files"));
        open.typeInto("txtHealPetName", "Al");
        open.typeInto("txtMezzPetName", "Cy");
        const auto before = folderContents(open.folder.path());
        open.click("cmdCreateFile");
        QCOMPARE(open.dialogs.messages.size(), 2);
        QVERIFY(open.dialogs.messages[0].text.startsWith(QLatin1String("Your healpet has")));
        QVERIFY(open.dialogs.messages[1].text.startsWith(QLatin1String("Your mezz pet has")));
        QCOMPARE(open.dialogs.messages[0].title, QString("Glimmbar"));
        QCOMPARE(folderContents(open.folder.path()), before);

        open.dialogs.messages.clear();
        open.box("txtHealPetName")->clear();
        open.box("txtMezzPetName")->clear();
        open.typeInto("txtHealPetName", "Mender");
        open.click("chkRememberHeal");
        open.click("chkRememberAttack");
        open.click("cmdCreateFile");
        QCOMPARE(open.dialogs.messages.size(), 1);
        QCOMPARE(open.dialogs.messages[0].title, QString("Glimmbar has created your files!"));
        QCOMPARE(open.dialogs.messages[0].icon, MessageIcon::Information);
        QVERIFY(open.folder.read("game/scripts/petnaming").contains("rename \"Olden\" \r\n"));
        QVERIFY(open.folder.exists("game/cd_image/text/help/glimmbarhelp.txt"));
        QCOMPARE(open.folder.read(kSettingsFileName).split('\n').mid(5, 4),
                 (QList<QByteArray>{"0\r", "Empty\r", "1\r", "Mender\r"})); // lines 6 to 9
        QCOMPARE(open.settings.HealPetName, QString("Mender"));
    }

    // Without the Options window ever opened, Create Files renames only the stored selection.
    // While Options is open, Create Files uses what it shows, saved or not, and stores it.
    void createFilesUsesTheStoredSelectionThenTheOpenOptionsWindow() {
        OpenWindow open({}, true, "0\r\n" + QByteArray("1\r\n").repeated(55));
        const QString scripts = open.folder.filePath("game/scripts/");
        open.typeInto("txtAttackPetName", "Biter");
        open.click("cmdCreateFile");
        const QByteArray lines = open.folder.read("game/scripts/petnaming");
        QVERIFY(!lines.contains("Anger Manifestation"));
        QVERIFY(lines.startsWith("/pet \"Fury Externalization\" rename \"Biter\" \r\n"));

        QVERIFY(QFile::remove(scripts + "petattack"));
        open.click("cmdMiscButton");
        QWidget* options = nullptr;
        QTRY_VERIFY((options = QApplication::activeWindow()) != nullptr &&
                    options->objectName() == QString("frmOptions"));
        options->findChild<QLineEdit*>("txtAttack")->setText("bite");
        open.click("cmdCreateFile");
        QCOMPARE(open.dialogs.messages.size(), 2);
        QVERIFY(QFileInfo::exists(scripts + "bite"));
        QVERIFY(!QFileInfo::exists(scripts + "petattack"));
        QCOMPARE(open.folder.read(kSettingsFileName).split('\n').value(18), QByteArray("bite\r"));
        QVERIFY(options->isVisible());
    }

    // The calculator starts on the naming window's profession.
    void optionsAndCalculatorOpenOnceAndComeToTheFront() {
        OpenWindow open({{4, "Engineer"}});
        open.click("cmdMiscButton");
        open.click("cmdMiscButton");
        QTRY_COMPARE(visibleWindows("frmOptions"), 1);
        open.click("cmdCalculate");
        open.click("cmdCalculate");
        QTRY_COMPARE(visibleWindows("frmCalculate"), 1);
        QTRY_COMPARE(QApplication::activeWindow()->objectName(), QString("frmCalculate"));
        QVERIFY(QApplication::activeWindow()->findChild<QRadioButton*>("Option4")->isChecked());
    }
};

QTEST_MAIN(TestFrmNamingScreen)
#include "test_frmNamingScreen.moc"
