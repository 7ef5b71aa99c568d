#include "ui/NamingWindow.h"

#include "GuiTestRules.h"
#include "ProgramState.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include <optional>

using namespace glimmbar;

namespace {

// The game's colour codes: the character 16, then the colour number.
QString codes(std::initializer_list<int> numbers) {
    QString text;
    for (int number : numbers) {
        text += QChar(16) + QString(QChar(number));
    }
    return text;
}

void key(int key, Qt::KeyboardModifiers modifiers = {}, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
}

// One step of the editing cases, on the focused box: a key sequence, or typing or pasting a text.
void press(QLineEdit* box, const QString& step) {
    const QString text = unescaped(step.section(':', 1));
    if (step.startsWith("type:")) {
        QTest::keyClicks(box, text);
    } else if (step.startsWith("paste:")) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keySequence(box, QKeySequence::fromString(step));
    }
}

// The shown top-level window of that name, or nullptr.
QWidget* shownWindow(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// The pet roles as the naming window shows their rows (model/roles.txt): role key,
// profession, the names of its boxes, its picture.
QList<QStringList> roleRows() {
    return dataTable("model/roles.txt");
}

// The naming window as the player meets it, in a fresh working folder whose glimmbar.cfg is a
// first run's with some lines replaced (line 1 is the header) and whose stored scripts folder
// is game/scripts, every pet type selected.
struct OpenWindow : ProgramState {
    std::optional<NamingWindow> window;

    explicit OpenWindow(QMap<int, QByteArray> lines = {}) {
        for (const char* file : {"anarchy.exe", "scripts/.keep", "cd_image/text/help/.keep"}) {
            folder.write(QStringLiteral("game/") + file, {});
        }
        lines[3] = (folder.path() + "/game\\scripts\\").toLocal8Bit();
        folder.write(kPetSelectionFileName, QByteArray("1\r\n").repeated(56));
        QByteArray bytes;
        const QStringList defaults = Settings::defaults().lines();
        for (int line = 1; line <= defaults.size(); ++line) {
            bytes += lines.value(line, encodeLines({defaults[line - 1]}).chopped(2)) + "\r\n";
        }
        folder.write(kSettingsFileName, bytes);
        loadSettings(settings);
        loadPetSelection(selection);
        window.emplace(settings, selection, dialogs);
        QObject::connect(&*window, &NamingWindow::closed, qApp, &QCoreApplication::quit);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*window));
    }
    template <typename T = QWidget> T* find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* box(const QString& pet) const { return find<QLineEdit>("txt" + pet + "PetName"); }
    void click(const QString& name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    void typeInto(const QString& pet, const QString& text) const {
        QTest::mouseClick(box(pet), Qt::LeftButton);
        QTRY_VERIFY(box(pet)->hasFocus());
        QTest::keyClicks(box(pet), text);
    }
    // The pets whose name boxes show, top to bottom as the player sees them.
    QString shownBoxes() const {
        QMap<int, QString> shown;
        for (const QStringList& role : roleRows()) {
            const QString& pet = role[2];
            if (box(pet) != nullptr && box(pet)->isVisible()) {
                shown.insert(box(pet)->mapTo(&*window, QPoint()).y(), pet);
            }
        }
        return shown.values().join(QString());
    }
};

} // namespace

class TestNamingWindow : public GuiTest {
    Q_OBJECT

private slots:
    // Remembered names come back only for the flag "1"; every way of picking a profession (the
    // stored one, an access key, a screen reader's toggle, a program) shows its rows and points
    // the colour buttons at its first box. Every row has its picture. A row is made when its
    // profession first shows; until then Create Files still gets the name and tick stored for it.
    void professionsShowTheirRowsHoweverTheyArePicked() {
        OpenWindow open({{4, "Bureaucrat"},
                         {6, " 1"},
                         {7, "Lost"},
                         {8, "1"},
                         {9, "Zap"},
                         {16, "1"},
                         {17, "Droid"}});
        // Rows hidden, or not made yet, still hold their lines and the captions' width.
        const QSize size = open.window->size();
        QCOMPARE(open.shownBoxes(), QString("Crat"));
        QCOMPARE(open.box("Crat")->text(), QString("Droid"));
        QVERIFY(open.find<QAbstractButton>("chkRememberCrat")->isChecked());
        QTRY_VERIFY(open.box("Crat")->hasFocus());
        QVERIFY(open.box("Heal") == nullptr);
        QCOMPARE(open.window->namingSnapshot().petName(PetRole::Heal), QString("Zap"));
        QVERIFY(open.window->namingSnapshot().remembers(PetRole::Heal));
        key(Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(open.shownBoxes(), QString("AttackHealMezz"));
        QTRY_COMPARE(open.window->size(), size);
        QCOMPARE(open.box("Attack")->text(), QString());
        QCOMPARE(open.box("Heal")->text(), QString("Zap"));
        QVERIFY(!open.find<QAbstractButton>("chkRememberAttack")->isChecked());
        QAccessible::queryAccessibleInterface(open.find("Option2"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(open.shownBoxes(), QString("EngyMechdog"));
        QTRY_COMPARE(open.window->size(), size);
        open.click("PutInRed");
        QCOMPARE(open.box("Engy")->text(), codes({24}));
        open.find<QAbstractButton>("Option3")->setChecked(true);
        QCOMPARE(open.shownBoxes(), QString("Crat"));
        open.click("PutInTan");
        QCOMPARE(open.box("Crat")->text(), "Droid" + codes({17}));
        QCOMPARE(roleRows().size(), qsizetype(kRoleCount));
        for (const QStringList& role : roleRows()) {
            QCOMPARE(open.find<QLabel>(role[3])->pixmap().size(), QSize(32, 32));
        }
    }

    // Tab visits what shows as the player reads it, and comes round again: the rows in line
    // order, the selected profession, the colour block, the button row. Rows made when their
    // profession first shows (here the Engineer's, after two others) take their place too.
    void tabGoesRoundTheShownControlsInReadingOrder() {
        OpenWindow open({{4, "Bureaucrat"}});
        QStringList rest = {"cmdTextOrColors"};
        for (const GameColour& colour : gameColours()) {
            rest << "PutIn" + QString(colour.name).remove(' ');
        }
        rest += {"cmdAboutButton", "cmdMiscButton", "cmdCalculate", "cmdCreateFile", "cmdExit"};
        const QList<QPair<QString, QString>> professions = {
            {"Option1", "MP"}, {"Option2", "Engineer"}, {"Option3", "Bureaucrat"}};
        for (const auto& [option, profession] : professions) {
            open.find<QAbstractButton>(option)->setChecked(true);
            QStringList expected;
            for (const QStringList& role : roleRows()) {
                if (role[1] == profession) {
                    expected += {"txt" + role[2] + "PetName", "chkRemember" + role[2]};
                }
            }
            expected << option << rest << expected.first();
            open.find(expected.first())->setFocus();
            QStringList visited = {QApplication::focusWidget()->objectName()};
            while (visited.size() < expected.size()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget()->objectName();
            }
            QCOMPARE(visited, expected);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdExit"));
        }
    }

    // A stored profession the program does not know shows no rows and starts at the
    // professions; the lines already have the height the rows will take.
    void anUnknownProfessionShowsNoRows() {
        OpenWindow open({{4, "Warrior"}});
        QCOMPARE(open.shownBoxes(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), open.find("Option1"));
        const QSize size = open.window->size();
        key(Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(open.shownBoxes(), QString("EngyMechdog"));
        QTRY_COMPARE(open.window->size(), size);
    }

    // The colour buttons append to the box last left, whatever its caret; the name shows
    // the name as the game will under it, and Backspace and Delete take out whole codes.
    void coloursGoToTheBoxLastTypedInAndShowAsInTheGame() {
        OpenWindow open;
        QLineEdit* heal = open.box("Heal");
        auto* preview = open.find<QLabel>("labelHealPetPreview");
        open.typeInto("Heal", "Doc");
        QVERIFY(!preview->isVisible());
        key(Qt::Key_Home);
        key(Qt::Key_Right, Qt::ShiftModifier);
        for (const QString colour : {"LightBlue", "Green", "DarkBlue", "DarkGreen", "Tan", "Grey",
                                     "Black", "White", "Yellow", "Red", "Teal", "Pink"}) {
            open.click("PutIn" + colour);
        }
        QCOMPARE(heal->text(), "Doc" + codes({1, 8, 13, 6, 17, 25, 11, 15, 16, 24, 22, 9}));
        QTRY_VERIFY(heal->hasFocus());
        QTest::keyClicks(heal, "R&x");
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->text().count("<span"), 2);
        QVERIFY(preview->text().contains("color:#9c00ff;\">R&amp;x</span>"));
        // Every code reaches the scripts byte for byte: Dark Blue's 13 is no line break.
        open.click("cmdCreateFile");
        QTRY_COMPARE(open.dialogs.messages.size(), 1);
        QVERIFY(
            open.folder.read("game/scripts/petheal").contains('"' + heal->text().toLatin1() + '"'));
        heal->setFocus();
        key(Qt::Key_Backspace, {}, 4);
        key(Qt::Key_Left, {}, 5); // the caret steps over a code as over one character
        key(Qt::Key_Delete);      // the Black code
        QCOMPARE(heal->text(), "Doc" + codes({1, 8, 13, 6, 17, 25, 15, 16, 24, 22}));
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(heal->text(), "Doc" + codes({1, 8, 13, 6, 17, 25, 11, 15, 16, 24, 22}));

        // Enter presses the focused button; colour faces insert the same codes.
        open.find("PutInRed")->setFocus();
        key(Qt::Key_Return);
        QTRY_VERIFY(heal->text().endsWith(codes({22, 24})));
        open.click("cmdTextOrColors");
        QCOMPARE(open.find("PutInRed")->grab().toImage().pixelColor(6, 6), QColor(Qt::red));
        open.click("PutInRed");
        QVERIFY(heal->text().endsWith(codes({24, 24})));
        open.click("cmdTextOrColors"); // back to names on the menu's colour
        QCOMPARE(open.find<QAbstractButton>("PutInRed")->text(), QString("Red"));
        QVERIFY(open.find("PutInRed")->grab().toImage().pixelColor(6, 6) != QColor(Qt::red));
    }

    // No editing key leaves half a colour code that was not in the name as loaded.
    void editingKeepsCodesWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caret");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        for (const QStringList& field : dataTable("colourcodes/editing.txt", " | ")) {
            QVERIFY2(field.size() == 5, qPrintable(field.join(" | ")));
            QTest::newRow(qPrintable(field[0]))
                << unescaped(field[1]) << field[2] << field[3] << unescaped(field[4]);
        }
    }
    void editingKeepsCodesWhole() {
        QFETCH(QString, name);
        QFETCH(QString, caret);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        OpenWindow open({{6, "1"}, {7, name.toLatin1()}});
        QLineEdit* box = open.box("Attack");
        QCOMPARE(box->text(), name);
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        const int start = caret.section('-', 0, 0).toInt();
        box->setCursorPosition(start);
        if (caret.contains('-')) {
            box->setSelection(start, caret.section('-', 1).toInt() - start);
        }
        for (const QString& step : keys.split(' ')) {
            press(box, step);
        }
        QCOMPARE(box->text(), expected);
    }

    // About, Options and the calculator open centred over the naming window wherever it
    // stands; no window of fixed size offers a maximise button.
    void windowsOpenOverTheNamingWindow() {
        OpenWindow open;
        open.window->move(150, 100);
        QVERIFY(!open.window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const QMap<QString, QString> opens{{"cmdAboutButton", "frmNewAbout"},
                                           {"cmdMiscButton", "frmOptions"},
                                           {"cmdCalculate", "frmCalculate"}};
        for (auto it = opens.begin(); it != opens.end(); ++it) {
            open.click(it.key());
            QWidget* opened = shownWindow(it.value());
            QVERIFY2(opened != nullptr, qPrintable(it.value()));
            const QPoint offset =
                opened->frameGeometry().center() - open.window->frameGeometry().center();
            // A few pixels off at most: a window's final size is known only once it shows.
            QVERIFY2(offset.manhattanLength() <= 8, qPrintable(it.value()));
            QVERIFY(!opened->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        }
    }

    // Create Files that stops after saving glimmbar.cfg leaves the window with what the file
    // holds: the Options window's unsaved script name, stored by the run, is what it shows when
    // opened again after Cancel, and what the next run writes.
    void aRunThatStopsAfterTheSettingsKeepsThem() {
        OpenWindow open;
        open.folder.write("game/scripts/glimmbar/inside", {});
        open.typeInto("Attack", "Blaze");
        open.click("cmdMiscButton");
        QWidget* options = shownWindow("frmOptions");
        QVERIFY(options != nullptr);
        options->findChild<QLineEdit*>("txtNaming")->setText("mynames");
        open.click("cmdCreateFile");
        QTRY_COMPARE(open.dialogs.messages.size(), 1);
        QVERIFY(open.dialogs.messages[0].text.startsWith("Glimmbar could not write the file"));
        QVERIFY(open.folder.exists("game/scripts/mynames"));
        QTest::mouseClick(options->findChild<QWidget*>("cmdCancel"), Qt::LeftButton);
        QTRY_VERIFY(shownWindow("frmOptions") == nullptr);
        open.click("cmdMiscButton");
        options = shownWindow("frmOptions");
        QVERIFY(options != nullptr);
        QCOMPARE(options->findChild<QLineEdit*>("txtNaming")->text(), QString("mynames"));
        QCOMPARE(open.window->namingSnapshot().Naming, QString("mynames"));
    }

    // Create Files (Alt+C) writes the scripts and remembers the ticked names whole: a
    // 40,000-character one, after a Dark Blue code whose 13 is no line break. Exit (Alt+X) ends
    // the program.
    void createFilesWritesAndRemembers() {
        const QByteArray longName = "Blaze\x10\x0d" + QByteArray(40000, 'L');
        OpenWindow open({{6, "1"}, {7, longName}});
        QCOMPARE(open.box("Attack")->text(), QString::fromLatin1(longName));
        open.typeInto("Heal", "Ally");
        open.click("PutInRed");
        open.click("chkRememberHeal");
        key(Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(open.dialogs.messages.size(), 1);
        QCOMPARE(open.dialogs.messages[0].title, QString("Glimmbar has created your files!"));
        QVERIFY(open.folder.read("game/scripts/petnaming").contains("\"" + longName + "\""));
        QCOMPARE(open.folder.read("game/scripts/petstop"), "/pet \"" + longName + "\" behind\r\n");
        QCOMPARE(open.folder.read(kSettingsFileName).split('\n').mid(5, 4).join('\n'),
                 "1\r\n" + longName + "\r\n1\r\nAlly\x10\x18\r");
        QSignalSpy ended(&*open.window, &NamingWindow::closed);
        key(Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(ended.size(), 1);
    }
};

QTEST_MAIN(TestNamingWindow)
#include "test_namingwindow.moc"
