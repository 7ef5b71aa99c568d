#include "ui/frmNamingScreen.h"

#include "ProgramLoop.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace glimmbar;

namespace {

const QStringList kNameBoxes = {"txtAttackPetName", "txtHealPetName",    "txtMezzPetName",
                                "txtEngyPetName",   "txtMechdogPetName", "txtCratPetName"};
const QStringList kRememberBoxes = {"chkRememberAttack", "chkRememberHeal",    "chkRememberMezz",
                                    "chkRememberEngy",   "chkRememberMechdog", "chkRememberCrat"};

// The colour the player sees on a button, away from its caption and frame.
QColor faceColour(QWidget* button) {
    return button->grab().toImage().pixelColor(6, 6);
}

QString colourCode(int number) {
    return QString(QChar(16)) + QChar(number);
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

// The naming window as the player meets it: shown, exposed and active.
struct OpenWindow {
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    frmNamingScreen window{settings, selection, dialogs};

    OpenWindow() {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    template <typename T> T* find(const QString& name) const {
        T* child = window.findChild<T*>(name);
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
        for (const QString& name : kNameBoxes) {
            if (box(name)->isVisible()) {
                shown << name;
            }
        }
        return shown;
    }
};

// A game folder below the working folder, stored as the settings file's scripts folder.
QString makeGame(const TestFolder& folder) {
    folder.write(QStringLiteral("game/anarchy.exe"), "MZ");
    QDir(folder.path()).mkpath(QStringLiteral("game/scripts"));
    QDir(folder.path()).mkpath(QStringLiteral("game/cd_image/text/help"));
    const QString scripts = folder.path() + QStringLiteral("/game\\scripts\\");
    writeSettings({{3, scripts.toLocal8Bit()}});
    return folder.path() + QStringLiteral("/game/scripts/");
}

// Every file below a folder with its bytes, to see that nothing changed.
QMap<QString, QByteArray> snapshotOf(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?");
    }
    return files;
}

} // namespace

class TestFrmNamingScreen : public QObject {
    Q_OBJECT

private slots:
    // Every warning fails a test, except the offscreen platform saying what a real window
    // system would do (raising a window, sizing a dialog).
    void init() {
        QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support ).*"));
    }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void aRememberFlagMustBeExactlyOne_data() {
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<QByteArray>("storedName");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<bool>("ticked");

        QTest::newRow("flag 1") << QByteArray("1") << QByteArray("Grimlock") << "Grimlock" << true;
        QTest::newRow("flag 0") << QByteArray("0") << QByteArray("Grimlock") << "" << false;
        QTest::newRow("leading blank") << QByteArray(" 1") << QByteArray("Grimlock") << "" << false;
        QTest::newRow("word true") << QByteArray("true") << QByteArray("Grimlock") << "" << false;
        QTest::newRow("empty flag") << QByteArray("") << QByteArray("Grimlock") << "" << false;
        QTest::newRow("Empty as a ticked name")
            << QByteArray("1") << QByteArray("Empty") << "Empty" << true;
        QTest::newRow("ticked empty name") << QByteArray("1") << QByteArray("") << "" << true;
        QTest::newRow("colour codes kept") << QByteArray("1") << QByteArray("\x10\x18Rex\x10\x01")
                                           << colourCode(24) + "Rex" + colourCode(1) << true;
        QTest::newRow("code page text")
            << QByteArray("1") << QByteArray("Z\xe9ro") << "Z\u00e9ro" << true;
    }
    void aRememberFlagMustBeExactlyOne() {
        QFETCH(QByteArray, flag);
        QFETCH(QByteArray, storedName);
        QFETCH(QString, shownName);
        QFETCH(bool, ticked);
        TestFolder folder;
        // The Bureaucrat pair (lines 16 and 17), so the attack row's position is not assumed.
        writeSettings({{16, flag}, {17, storedName}});
        OpenWindow open;
        QCOMPARE(open.box("txtCratPetName")->text(), shownName);
        QCOMPARE(open.find<QCheckBox>("chkRememberCrat")->isChecked(), ticked);
    }

    void everyRowLoadsItsOwnPair() {
        TestFolder folder;
        writeSettings({{4, "Engineer"},
                       {6, "1"},
                       {7, "Ann"},
                       {8, "1"},
                       {9, "Hal"},
                       {10, "1"},
                       {11, "Mez"},
                       {12, "0"},
                       {13, "Rob"},
                       {14, "1"},
                       {15, "Dog"},
                       {16, "1"},
                       {17, "Dro"}});
        OpenWindow open;
        const QStringList expected = {"Ann", "Hal", "Mez", "", "Dog", "Dro"};
        for (qsizetype i = 0; i < kNameBoxes.size(); ++i) {
            QCOMPARE(open.box(kNameBoxes[i])->text(), expected[i]);
            QCOMPARE(open.find<QCheckBox>(kRememberBoxes[i])->isChecked(), !expected[i].isEmpty());
        }
    }

    void theStoredProfessionIsSelected_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QStringList>("shownBoxes");
        QTest::addColumn<QString>("lastFocusedBox");

        QTest::newRow("MP") << QByteArray("MP") << "Option1"
                            << QStringList{"txtAttackPetName", "txtHealPetName", "txtMezzPetName"}
                            << "attack";
        QTest::newRow("Engineer") << QByteArray("Engineer") << "Option2"
                                  << QStringList{"txtEngyPetName", "txtMechdogPetName"} << "engy";
        QTest::newRow("Bureaucrat")
            << QByteArray("Bureaucrat") << "Option3" << QStringList{"txtCratPetName"} << "crat";
        QTest::newRow("lower case mp") << QByteArray("mp") << "" << QStringList{} << "";
        QTest::newRow("long name") << QByteArray("Meta-Physicist") << "" << QStringList{} << "";
    }
    void theStoredProfessionIsSelected() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, radio);
        QFETCH(QStringList, shownBoxes);
        QFETCH(QString, lastFocusedBox);
        TestFolder folder;
        writeSettings({{4, stored}});
        OpenWindow open;
        for (const QString option : {"Option1", "Option2", "Option3"}) {
            QCOMPARE(open.find<QRadioButton>(option)->isChecked(), option == radio);
        }
        QCOMPARE(open.visibleNameBoxes(), shownBoxes);
        QCOMPARE(open.window.lastFocusedBox(), lastFocusedBox);
        if (!shownBoxes.isEmpty()) {
            QTRY_COMPARE(QApplication::focusWidget(), open.box(shownBoxes.first()));
        }
        QCOMPARE(open.window.namingSnapshot().LastModeUsedMEC, QString::fromLatin1(stored));
    }

    void switchingProfessionsKeepsEveryNameAndTick() {
        TestFolder folder;
        writeSettings({});
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
        open.click("Option1");
        QCOMPARE(open.window.lastFocusedBox(), QString("attack"));
        open.click("Option3");
        QCOMPARE(open.window.lastFocusedBox(), QString("crat"));

        const Settings snapshot = open.window.namingSnapshot();
        QCOMPARE(snapshot.LastModeUsedMEC, QString("Bureaucrat"));
        QCOMPARE(snapshot.AttackPetName, QString("Blaze"));
        QCOMPARE(snapshot.HealPetName, QString("Mender"));
        QCOMPARE(snapshot.MezzPetName, QString("Dozer"));
        QCOMPARE(snapshot.EngyPetName, QString());
        QCOMPARE(snapshot.MechdogPetName, QString("Rover"));
        QCOMPARE(snapshot.CratPetName, QString("Clerk"));
        QCOMPARE(snapshot.RememberAttack, false);
        QCOMPARE(snapshot.RememberHeal, true);
        QCOMPARE(snapshot.RememberCrat, true);
        QCOMPARE(open.box("txtAttackPetName")->text(), QString("Blaze"));
        // Selecting a profession stores nothing.
        QCOMPARE(open.settings.LastModeUsedMEC, QString("Bureaucrat"));
        QCOMPARE(ReadScriptsDirName(), QString("(None)"));
        QCOMPARE(readTextLines(kSettingsFileName).value()[3], QString("MP"));
    }

    void theSnapshotCarriesWhatIsOnScreen() {
        TestFolder folder;
        writeSettings({{3, "C:\\AO\\scripts\\"}, {6, "1"}, {7, "Old"}, {18, "mynaming"}});
        OpenWindow open;
        open.box("txtAttackPetName")->clear();
        open.typeInto("txtAttackPetName", "New");
        open.click("chkRememberAttack");
        open.typeInto("txtMezzPetName", "Typed");
        const Settings snapshot = open.window.namingSnapshot();
        QCOMPARE(snapshot.AttackPetName, QString("New"));
        QCOMPARE(snapshot.RememberAttack, false);
        QCOMPARE(snapshot.MezzPetName, QString("Typed"));
        QCOMPARE(snapshot.RememberMezz, false);
        QCOMPARE(snapshot.ScriptsDirName, QString("C:\\AO\\scripts\\"));
        QCOMPARE(snapshot.Naming, QString("mynaming"));
        // The loaded record itself still holds what the file remembered.
        QCOMPARE(open.settings.AttackPetName, QString("Old"));
    }

    void aColourGoesToTheBoxLastTypedIn_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("number");
        QTest::newRow("Light Blue") << "PutInLightBlue" << 1;
        QTest::newRow("Green") << "PutInGreen" << 8;
        QTest::newRow("Dark Blue") << "PutInDarkBlue" << 13;
        QTest::newRow("Dark Green") << "PutInDarkGreen" << 6;
        QTest::newRow("Tan") << "PutInTan" << 17;
        QTest::newRow("Grey") << "PutInGrey" << 25;
        QTest::newRow("Black") << "PutInBlack" << 11;
        QTest::newRow("White") << "PutInWhite" << 15;
        QTest::newRow("Yellow") << "PutInYellow" << 16;
        QTest::newRow("Red") << "PutInRed" << 24;
        QTest::newRow("Teal") << "PutInTeal" << 22;
        QTest::newRow("Pink") << "PutInPink" << 9;
    }
    void aColourGoesToTheBoxLastTypedIn() {
        QFETCH(QString, button);
        QFETCH(int, number);
        TestFolder folder;
        writeSettings({});
        OpenWindow open;
        open.typeInto("txtHealPetName", "Doc");
        open.click(button);
        QCOMPARE(open.box("txtHealPetName")->text(), "Doc" + colourCode(number));
        QCOMPARE(open.box("txtAttackPetName")->text(), QString());
        QTRY_VERIFY(open.box("txtHealPetName")->hasFocus());
    }

    void aColourIsAppendedWhateverTheCaret() {
        TestFolder folder;
        writeSettings({});
        OpenWindow open;
        QLineEdit* attack = open.box("txtAttackPetName");
        open.typeInto("txtAttackPetName", "Rexo");
        QTest::keyClick(attack, Qt::Key_Home);
        QTest::keyClick(attack, Qt::Key_Right, Qt::ShiftModifier);
        open.click("PutInRed");
        open.click("PutInRed");
        QCOMPARE(attack->text(), "Rexo" + colourCode(24) + colourCode(24));
        QTRY_VERIFY(attack->hasFocus());
        QCOMPARE(attack->cursorPosition(), int(attack->text().size()));
        QVERIFY(!attack->hasSelectedText());
        // Typing on carries on after the code, as the player sees the caret.
        QTest::keyClicks(attack, "x");
        QVERIFY(attack->text().endsWith(colourCode(24) + "x"));
    }

    void twoColoursInARowGoToTheSameBox() {
        TestFolder folder;
        writeSettings({});
        OpenWindow open;
        open.typeInto("txtMezzPetName", "Zzz");
        open.click("PutInDarkBlue");
        open.click("PutInYellow");
        QCOMPARE(open.box("txtMezzPetName")->text(), "Zzz" + colourCode(13) + colourCode(16));
        QCOMPARE(open.window.lastFocusedBox(), QString("mezz"));
    }

    void leavingABoxMakesItTheColourTarget() {
        TestFolder folder;
        writeSettings({});
        OpenWindow open;
        open.typeInto("txtHealPetName", "Doc");
        QTest::keyClick(open.box("txtHealPetName"), Qt::Key_Tab);
        QTRY_VERIFY(open.find<QCheckBox>("chkRememberHeal")->hasFocus());
        QCOMPARE(open.window.lastFocusedBox(), QString("heal"));
        // A profession selection points the colours at that profession's first box.
        open.click("Option2");
        QCOMPARE(open.window.lastFocusedBox(), QString("engy"));
        open.click("PutInGreen");
        QCOMPARE(open.box("txtEngyPetName")->text(), colourCode(8));
        QCOMPARE(open.box("txtHealPetName")->text(), QString("Doc"));
    }

    void switchingAwayFromAFocusedBoxTargetsTheNewProfession() {
        TestFolder folder;
        writeSettings({});
        OpenWindow open;
        open.typeInto("txtMezzPetName", "Zzz");
        // The access key selects the profession while the mezz box still has the focus.
        QTest::keyClick(&open.window, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(open.find<QRadioButton>("Option3")->isChecked());
        QTRY_COMPARE(open.window.lastFocusedBox(), QString("crat"));
        open.click("PutInTan");
        QCOMPARE(open.box("txtCratPetName")->text(), colourCode(17));
        QCOMPARE(open.box("txtMezzPetName")->text(), QString("Zzz"));
    }

    void noProfessionMeansNoColourTarget() {
        TestFolder folder;
        writeSettings({{4, "Fixer"}});
        OpenWindow open;
        open.click("PutInRed");
        for (const QString& name : kNameBoxes) {
            QCOMPARE(open.box(name)->text(), QString());
        }
    }

    void theStyleToggleSwitchesFacesAndBack() {
        TestFolder folder;
        writeSettings({});
        OpenWindow open;
        auto* toggle = open.find<QPushButton>("cmdTextOrColors");
        auto* red = open.find<QPushButton>("PutInRed");
        auto* grey = open.find<QPushButton>("PutInGrey");
        auto* pink = open.find<QPushButton>("PutInPink");
        const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
        QCOMPARE(toggle->text(), QString("Click here to show buttons as colors"));
        QCOMPARE(red->text(), QString("Red"));

        open.click("cmdTextOrColors");
        QCOMPARE(toggle->text(), QString("Click here to show buttons as text"));
        QCOMPARE(red->text(), QString());
        QCOMPARE(faceColour(red), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(faceColour(pink), QColor(0x9C, 0x00, 0xFF));
        QCOMPARE(faceColour(grey), menu);
        // Colour faces insert the same codes.
        open.typeInto("txtAttackPetName", "Abc");
        open.click("PutInPink");
        QCOMPARE(open.box("txtAttackPetName")->text(), "Abc" + colourCode(9));

        open.click("cmdTextOrColors");
        QCOMPARE(toggle->text(), QString("Click here to show buttons as colors"));
        QCOMPARE(red->text(), QString("Red"));
        QCOMPARE(pink->text(), QString("Pink"));
        QCOMPARE(faceColour(red), menu);
        QCOMPARE(faceColour(pink), menu);
        QCOMPARE(red->accessibleName(), QString("Red"));
    }

    void theButtonsCarryTheirCaptionsAndTips_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("About") << "cmdAboutButton"
                               << "&About"
                               << "About this program";
        QTest::newRow("Options") << "cmdMiscButton"
                                 << "&Options"
                                 << "";
        QTest::newRow("Calculate") << "cmdCalculate"
                                   << "Calc&ulate"
                                   << "";
        QTest::newRow("Create Files") << "cmdCreateFile"
                                      << "&Create Files"
                                      << "Create the pet name files";
        QTest::newRow("Exit") << "cmdExit"
                              << "E&xit"
                              << "Exit the program";
        QTest::newRow("Meta-Physicist") << "Option1"
                                        << "&Meta-Physicist"
                                        << "";
        QTest::newRow("Engineer") << "Option2"
                                  << "&Engineer"
                                  << "";
        QTest::newRow("Bureaucrat") << "Option3"
                                    << "&Bureaucrat"
                                    << "";
    }
    void theButtonsCarryTheirCaptionsAndTips() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        TestFolder folder;
        writeSettings({});
        OpenWindow open;
        auto* control = open.find<QAbstractButton>(button);
        QCOMPARE(control->text(), caption);
        QCOMPARE(control->toolTip(), toolTip);
        QCOMPARE(open.window.windowTitle(), QString("Glimmbar"));
    }

    void tabGoesRowByRowThroughTheShownRows_data() {
        QTest::addColumn<QByteArray>("profession");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("MP") << QByteArray("MP")
                            << QStringList{
                                   "txtAttackPetName", "chkRememberAttack", "txtHealPetName",
                                   "chkRememberHeal",  "txtMezzPetName",    "chkRememberMezz",
                                   "Option1",          "cmdTextOrColors",   "PutInLightBlue"};
        QTest::newRow("Engineer") << QByteArray("Engineer")
                                  << QStringList{"txtEngyPetName",    "chkRememberEngy",
                                                 "txtMechdogPetName", "chkRememberMechdog",
                                                 "Option2",           "cmdTextOrColors"};
        QTest::newRow("Bureaucrat")
            << QByteArray("Bureaucrat")
            << QStringList{"txtCratPetName", "chkRememberCrat", "Option3", "cmdTextOrColors"};
    }
    void tabGoesRowByRowThroughTheShownRows() {
        QFETCH(QByteArray, profession);
        QFETCH(QStringList, chain);
        TestFolder folder;
        writeSettings({{4, profession}});
        OpenWindow open;
        for (qsizetype i = 0; i < chain.size(); ++i) {
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), chain[i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void theArrowKeysMoveBetweenProfessions() {
        TestFolder folder;
        writeSettings({{4, "Engineer"}});
        OpenWindow open;
        open.find<QRadioButton>("Option2")->setFocus();
        QTest::keyClick(open.find<QRadioButton>("Option2"), Qt::Key_Right);
        QTRY_VERIFY(open.find<QRadioButton>("Option3")->isChecked());
        QCOMPARE(open.visibleNameBoxes(), QStringList{"txtCratPetName"});
        QTest::keyClick(open.find<QRadioButton>("Option3"), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QString("cmdTextOrColors"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QString("Option3"));
    }

    void eachNameBoxIsNamedAfterItsRow() {
        TestFolder folder;
        writeSettings({});
        OpenWindow open;
        const QStringList labels = {"Attack Pet",     "Heal Pet",         "Mezz Pet",
                                    "Engineer Robot", "Engineer Mechdog", "Bureaucrat Droid"};
        for (qsizetype i = 0; i < kNameBoxes.size(); ++i) {
            QCOMPARE(open.box(kNameBoxes[i])->accessibleName(), labels[i]);
            QCOMPARE(open.box(kNameBoxes[i])->font().pointSize(), 12);
        }
    }

    void theAboutWindowOpensOnceAndGoesWithTheProgram_data() {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Exit button") << true;
        QTest::newRow("window frame") << false;
    }
    void theAboutWindowOpensOnceAndGoesWithTheProgram() {
        QFETCH(bool, byExit);
        TestFolder folder;
        writeSettings({{6, "1"}, {7, "Keep"}});
        OpenWindow open;
        open.typeInto("txtHealPetName", "Lost");
        open.click("chkRememberHeal");
        open.click("cmdAboutButton");
        open.click("cmdAboutButton");
        const auto aboutWindows = [] {
            int count = 0;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                count += window->objectName() == "frmNewAbout" && window->isVisible() ? 1 : 0;
            }
            return count;
        };
        QTRY_COMPARE(aboutWindows(), 1);
        const QByteArray before = folder.read(kSettingsFileName);
        const int exitCode = runUntilTheProgramEnds([&] {
            if (byExit) {
                open.click("cmdExit");
            } else {
                open.window.close();
            }
        });
        QCOMPARE(exitCode, 0);
        QVERIFY(!open.window.isVisible());
        QTRY_COMPARE(aboutWindows(), 0);
        // Nothing typed since the last Create Files is kept.
        QCOMPARE(folder.read(kSettingsFileName), before);
        // Every window of the program is closed (the Options window made hidden with the
        // naming window included).
        const auto anyVisible = [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::any_of(windows.begin(), windows.end(),
                               [](const QWidget* w) { return w->isVisible(); });
        };
        QTRY_VERIFY(!anyVisible());
    }
    void createFilesRefusesShortNamesAndWritesNothing() {
        TestFolder folder;
        makeGame(folder);
        OpenWindow open;
        open.typeInto(QStringLiteral("txtAttackPetName"), QStringLiteral("Bo"));
        open.typeInto(QStringLiteral("txtHealPetName"), QStringLiteral("Al"));
        open.typeInto(QStringLiteral("txtMezzPetName"), QStringLiteral("Cy"));
        const auto before = snapshotOf(folder.path());
        open.click(QStringLiteral("cmdCreateFile"));
        QCOMPARE(open.dialogs.messages.size(), 3);
        QVERIFY(open.dialogs.messages[0].text.startsWith(QLatin1String("Your attack pet has")));
        QVERIFY(open.dialogs.messages[1].text.startsWith(QLatin1String("Your healpet has")));
        QVERIFY(open.dialogs.messages[2].text.startsWith(QLatin1String("Your mezz pet has")));
        QCOMPARE(open.dialogs.messages[0].title, QStringLiteral("Glimmbar"));
        QCOMPARE(snapshotOf(folder.path()), before);
    }

    void createFilesWritesTheScriptsAndRemembersTheNames() {
        TestFolder folder;
        const QString scripts = makeGame(folder);
        OpenWindow open;
        open.typeInto(QStringLiteral("txtHealPetName"), QStringLiteral("Mender"));
        open.click(QStringLiteral("chkRememberHeal"));
        open.click(QStringLiteral("cmdCreateFile"));
        QCOMPARE(open.dialogs.messages.size(), 1);
        QCOMPARE(open.dialogs.messages[0].title,
                 QStringLiteral("Glimmbar has created your files!"));
        QCOMPARE(open.dialogs.messages[0].icon, MessageIcon::Information);
        QVERIFY(QFile(scripts + QStringLiteral("petnaming"))
                    .open(QIODevice::ReadOnly)); // the naming script exists
        QVERIFY(QFileInfo::exists(folder.path() +
                                  QStringLiteral("/game/cd_image/text/help/glimmbarhelp.txt")));
        const QList<QByteArray> saved = folder.read(kSettingsFileName).split('\n');
        QCOMPARE(saved.value(7), QByteArray("1\r"));
        QCOMPARE(saved.value(8), QByteArray("Mender\r"));
        QCOMPARE(open.settings.HealPetName, QStringLiteral("Mender"));
    }

    // Without the Options window ever opened, Create Files renames only the stored selection.
    void createFilesUsesTheStoredPetSelection() {
        TestFolder folder;
        const QString scripts = makeGame(folder);
        folder.write(kPetSelectionFileName, "0\r\n" + QByteArray("1\r\n").repeated(55));
        OpenWindow open;
        open.typeInto(QStringLiteral("txtAttackPetName"), QStringLiteral("Biter"));
        open.click(QStringLiteral("cmdCreateFile"));
        QFile naming(scripts + QStringLiteral("petnaming"));
        QVERIFY(naming.open(QIODevice::ReadOnly));
        const QByteArray lines = naming.readAll();
        QVERIFY(!lines.contains("Anger Manifestation"));
        QVERIFY(lines.startsWith("/pet \"Fury Externalization\" rename \"Biter\" \r\n"));
    }

    // While Options is open, Create Files uses what it shows, saved or not, and stores it.
    void createFilesUsesTheOpenOptionsWindow() {
        TestFolder folder;
        const QString scripts = makeGame(folder);
        OpenWindow open;
        open.typeInto(QStringLiteral("txtAttackPetName"), QStringLiteral("Biter"));
        open.click(QStringLiteral("cmdMiscButton"));
        QWidget* options = nullptr;
        QTRY_VERIFY((options = QApplication::activeWindow()) != nullptr &&
                    options->objectName() == QStringLiteral("frmOptions"));
        QLineEdit* attack = options->findChild<QLineEdit*>(QStringLiteral("txtAttack"));
        QVERIFY(attack != nullptr);
        attack->setText(QStringLiteral("bite"));
        open.click(QStringLiteral("cmdCreateFile"));
        QCOMPARE(open.dialogs.messages.size(), 1);
        QVERIFY(QFileInfo::exists(scripts + QStringLiteral("bite")));
        QVERIFY(!QFileInfo::exists(scripts + QStringLiteral("petattack")));
        QCOMPARE(folder.read(kSettingsFileName).split('\n').value(18), QByteArray("bite\r"));
        QVERIFY(options->isVisible());
    }

    void optionsAndCalculatorOpenOnceAndComeToTheFront() {
        TestFolder folder;
        writeSettings({{4, "Engineer"}});
        OpenWindow open;
        const auto windowsNamed = [](const char* name) {
            int count = 0;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                count += w->objectName() == QLatin1String(name) && w->isVisible() ? 1 : 0;
            }
            return count;
        };
        open.click(QStringLiteral("cmdMiscButton"));
        open.click(QStringLiteral("cmdMiscButton"));
        QTRY_COMPARE(windowsNamed("frmOptions"), 1);
        open.click(QStringLiteral("cmdCalculate"));
        open.click(QStringLiteral("cmdCalculate"));
        QTRY_COMPARE(windowsNamed("frmCalculate"), 1);
        // The calculator starts on the naming window's profession.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmCalculate")) {
                QVERIFY(w->findChild<QRadioButton*>(QStringLiteral("Option4"))->isChecked());
            }
        }
    }
};

QTEST_MAIN(TestFrmNamingScreen)
#include "test_frmNamingScreen.moc"
