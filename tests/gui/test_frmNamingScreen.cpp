#include "ui/frmNamingScreen.h"

#include "GuiTestRules.h"
#include "ProgramLoop.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace glimmbar;

namespace {

// The game's colour codes: the character 16, then the colour number.
QString codes(std::initializer_list<int> numbers) {
    QString text;
    for (int number : numbers) {
        text += QString(QChar(16)) + QChar(number);
    }
    return text;
}

// The naming window as the player meets it, in a fresh working folder whose glimmbar.cfg is a
// first run's with some lines replaced (line 1 is the header). With a game, game/ holds the
// stored scripts folder and every pet type is selected.
struct OpenWindow {
    TestFolder folder;
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    std::unique_ptr<frmNamingScreen> window;

    explicit OpenWindow(QMap<int, QByteArray> lines = {}, bool withGame = false) {
        if (withGame) {
            folder.write("game/anarchy.exe", "MZ");
            QDir(folder.path()).mkpath("game/scripts");
            QDir(folder.path()).mkpath("game/cd_image/text/help");
            lines[3] = (folder.path() + "/game\\scripts\\").toLocal8Bit();
            folder.write(kPetSelectionFileName, QByteArray("1\r\n").repeated(56));
        }
        QByteArray bytes;
        const QStringList defaults = Settings::defaults().lines();
        for (int line = 1; line <= defaults.size(); ++line) {
            bytes += lines.value(line, encodeLines({defaults[line - 1]}).chopped(2)) + "\r\n";
        }
        folder.write(kSettingsFileName, bytes);
        window = std::make_unique<frmNamingScreen>(settings, selection, dialogs);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename T = QWidget> T* find(const QString& name) const {
        T* child = window->findChild<T*>(name);
        return child != nullptr ? child : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QLineEdit* box(const QString& pet) const { return find<QLineEdit>("txt" + pet + "PetName"); }
    void click(const QString& name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    void typeInto(const QString& pet, const QString& text) const {
        QTest::mouseClick(box(pet), Qt::LeftButton);
        QTRY_VERIFY(box(pet)->hasFocus());
        QTest::keyClicks(box(pet), text);
    }
    QStringList shownBoxes() const {
        QStringList shown;
        for (const QString pet : {"Attack", "Heal", "Mezz", "Engy", "Mechdog", "Crat"}) {
            shown << (box(pet)->isVisible() ? pet : QString());
        }
        return shown.join(' ').simplified().split(' ');
    }
    QByteArray cfgLines(int first, int count) const {
        return folder.read(kSettingsFileName).split('\n').mid(first - 1, count).join('\n');
    }
};

} // namespace

class TestFrmNamingScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    // Remembered names come back only for the flag "1"; every way of picking a profession (the
    // stored one, an access key, a click, a screen reader's toggle, a program) shows its rows
    // and points the colour buttons at its first box.
    void professionsShowTheirRowsHoweverTheyArePicked() {
        OpenWindow open({{4, "Bureaucrat"}, {6, " 1"}, {7, "Lost"}, {16, "1"}, {17, "Droid"}});
        QCOMPARE(open.shownBoxes(), QStringList{"Crat"});
        QCOMPARE(open.box("Crat")->text(), QString("Droid"));
        QVERIFY(open.find<QCheckBox>("chkRememberCrat")->isChecked());
        QTRY_VERIFY(open.box("Crat")->hasFocus());
        open.key(Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(open.shownBoxes(), (QStringList{"Attack", "Heal", "Mezz"}));
        QCOMPARE(open.box("Attack")->text(), QString());
        QVERIFY(!open.find<QCheckBox>("chkRememberAttack")->isChecked());
        QAccessible::queryAccessibleInterface(open.find("Option2"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(open.shownBoxes(), (QStringList{"Engy", "Mechdog"}));
        open.click("PutInRed");
        QCOMPARE(open.box("Engy")->text(), codes({24}));
        open.find<QRadioButton>("Option3")->setChecked(true);
        QCOMPARE(open.shownBoxes(), QStringList{"Crat"});
        open.click("PutInTan");
        QCOMPARE(open.box("Crat")->text(), "Droid" + codes({17}));
        QCOMPARE(open.settings.LastModeUsedMEC, QString("Bureaucrat"));
    }

    // The colour buttons append to the box last left, whatever its caret; the box then shows
    // the name as the game will under it, and Backspace and Delete take out whole codes.
    void coloursGoToTheBoxLastTypedInAndShowAsInTheGame() {
        OpenWindow open;
        QLineEdit* heal = open.box("Heal");
        auto* preview = open.find<QLabel>("labelHealPetPreview");
        open.typeInto("Heal", "Doc");
        QVERIFY(!preview->isVisible());
        open.key(Qt::Key_Home);
        open.key(Qt::Key_Right, Qt::ShiftModifier);
        for (const QString colour : {"LightBlue", "Green", "DarkBlue", "DarkGreen", "Tan", "Grey",
                                     "Black", "White", "Yellow", "Red", "Teal", "Pink"}) {
            open.click("PutIn" + colour);
        }
        QCOMPARE(heal->text(), "Doc" + codes({1, 8, 13, 6, 17, 25, 11, 15, 16, 24, 22, 9}));
        QTRY_VERIFY(heal->hasFocus());
        QCOMPARE(heal->cursorPosition(), int(heal->text().size()));
        QTest::keyClicks(heal, "R&x");
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->text().count("<span"), 2);
        QVERIFY(preview->text().contains("color:#9c00ff;\">R&amp;x</span>"));
        for (int i = 0; i < 4; ++i) {
            open.key(Qt::Key_Backspace);
        }
        open.key(Qt::Key_Home);
        open.key(Qt::Key_End);
        for (int i = 0; i < 9; ++i) {
            open.key(Qt::Key_Left);
        }
        open.key(Qt::Key_Delete); // from inside the Black code
        QCOMPARE(heal->text(), "Doc" + codes({1, 8, 13, 6, 17, 25, 15, 16, 24, 22}));
        open.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(heal->text(), "Doc" + codes({1, 8, 13, 6, 17, 25, 11, 15, 16, 24, 22}));

        // Enter presses the focused colour button; colour faces insert the same codes.
        open.find("PutInRed")->setFocus();
        open.key(Qt::Key_Return);
        QTRY_VERIFY(heal->text().endsWith(codes({22, 24})));
        open.click("cmdTextOrColors");
        auto* red = open.find<QPushButton>("PutInRed");
        QCOMPARE(red->text(), QString());
        QCOMPARE(red->grab().toImage().pixelColor(6, 6), QColor(Qt::red));
        open.click("PutInRed");
        QVERIFY(heal->text().endsWith(codes({24, 24})));
        open.click("cmdTextOrColors");
        QCOMPARE(red->text(), QString("Red"));
        QCOMPARE(open.find<QPushButton>("cmdTextOrColors")->text(),
                 QString("Click here to show buttons as colors"));
    }

    // Create Files (Alt+C) refuses short names without touching a file, then writes the
    // scripts and remembers the ticked names, a 40,000-character one whole.
    void createFilesRefusesShortNamesThenWritesAndRemembers() {
        const QByteArray longName(40000, 'L');
        OpenWindow open({{6, "1"}, {7, longName}}, true);
        QCOMPARE(open.box("Attack")->text().size(), longName.size());
        open.typeInto("Heal", "Al");
        const auto before = folderContents(open.folder.path());
        open.key(Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(open.dialogs.messages.size(), 1);
        QVERIFY(open.dialogs.messages[0].text.startsWith("Your healpet has"));
        QCOMPARE(folderContents(open.folder.path()), before);

        open.typeInto("Heal", "ly");
        open.click("PutInRed");
        open.click("chkRememberHeal");
        open.key(Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(open.dialogs.messages.size(), 2);
        QCOMPARE(open.dialogs.messages[1].title, QString("Glimmbar has created your files!"));
        QVERIFY(open.folder.read("game/scripts/petnaming").contains("\"" + longName + "\""));
        QCOMPARE(open.cfgLines(6, 4), "1\r\n" + longName + "\r\n1\r\nAlly\x10\x18\r");
    }

    // Enter on About opens it once; Exit or the frame ends the program with every window and
    // keeps nothing typed since the last Create Files.
    void exitEndsTheProgramWithItsWindows_data() {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Exit button") << true;
        QTest::newRow("window frame") << false;
    }
    void exitEndsTheProgramWithItsWindows() {
        QFETCH(bool, byExit);
        OpenWindow open({{6, "1"}, {7, "Keep"}});
        open.typeInto("Attack", "Lost");
        open.find("cmdAboutButton")->setFocus();
        open.key(Qt::Key_Return);
        open.click("cmdAboutButton");
        open.click("cmdMiscButton");
        open.click("cmdCalculate");
        const auto shown = [] {
            const QWidgetList all = QApplication::topLevelWidgets();
            return std::count_if(all.begin(), all.end(), [](QWidget* w) { return w->isVisible(); });
        };
        QTRY_COMPARE(shown(), 4);
        const QByteArray before = open.folder.read(kSettingsFileName);
        QCOMPARE(runUntilTheProgramEnds(
                     [&] { byExit ? open.click("cmdExit") : void(open.window->close()); }),
                 0);
        QCOMPARE(open.folder.read(kSettingsFileName), before);
        QCOMPARE(shown(), 0);
    }
};

QTEST_MAIN(TestFrmNamingScreen)
#include "test_frmNamingScreen.moc"
