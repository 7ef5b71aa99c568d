#include "ui/frmOptions.h"

#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace glimmbar;

namespace {

// A settings file a player could have: an old header and version, a game folder, a profession,
// remembered names and a custom set of Options values.
QByteArray storedSettingsFile() {
    // clang-format off
    return crlf({"Old Header", "V1.4.0", "C:\\Games\\AO\\scripts\\", "Engineer", "500",
                 "1", "Zapper", "0", "Empty", "0", "Empty", "1", "Robbie", "0", "Empty", "0", "Empty",
                 "mynaming", "myattack", "myheal", "myhealme", "mymezz", "mystop", "mymezzstop",
                 "Attack!", "Healing you", "Sleep now", "Bot attacks", "Droid fights",
                 "0"});
    // clang-format on
}

// 56 flags with a few types left out, so a save that rewrites them from scratch shows.
QByteArray storedSelectionFile() {
    QByteArray bytes;
    for (int line = 1; line <= kPetTypeCount; ++line) {
        bytes += (line == 5 || line == 20 || line == 44) ? "0\r\n" : "1\r\n";
    }
    return bytes;
}

QList<QByteArray> fileLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    for (QByteArray& line : lines) {
        line.chop(line.endsWith('\r') ? 1 : 0);
    }
    return lines;
}

template <typename T> T* find(QWidget* window, const QString& name) {
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr) {
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    }
    return widget;
}

QCheckBox* includeBox(QWidget* window, const QString& key) {
    return find<QCheckBox>(window, QStringLiteral("chkInclude") + key);
}

// The pet types whose include boxes are clear, in catalogue order.
QStringList untickedBoxes(QWidget* window) {
    QStringList unticked;
    for (const PetType& type : petTypes()) {
        if (!includeBox(window, QLatin1String(type.key))->isChecked()) {
            unticked.append(QLatin1String(type.key));
        }
    }
    return unticked;
}

// The same for a set of keys, in catalogue order.
QStringList inCatalogueOrder(const QSet<QString>& keys) {
    QStringList ordered;
    for (const PetType& type : petTypes()) {
        if (keys.contains(QLatin1String(type.key))) {
            ordered.append(QLatin1String(type.key));
        }
    }
    return ordered;
}

void replaceText(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void selectTab(QWidget* window, int index) {
    QTabBar* bar = find<QTabWidget>(window, QStringLiteral("tbsOptions"))->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// A check box answers clicks on its box and caption only, and its row may be wider than
// that, so a player aims at the box.
void clickButton(QAbstractButton* button) {
    const QPoint at = qobject_cast<QCheckBox*>(button) != nullptr
                          ? QPoint(button->height() / 2, button->height() / 2)
                          : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void click(QWidget* window, const QString& name) {
    clickButton(find<QAbstractButton>(window, name));
}

} // namespace

class TestFrmOptions : public QObject {
    Q_OBJECT

    // Everything a test needs: the stored files, the records loaded from them as the naming
    // window loads them, and the window.
    struct Fixture {
        TestFolder folder;
        Settings settings;
        PetSelection selection;
        RecordingDialogs dialogs;
        QPointer<frmOptions> window;

        Fixture() {
            folder.write(kSettingsFileName, storedSettingsFile());
            folder.write(kPetSelectionFileName, storedSelectionFile());
            LoadSettings(settings);
        }
        ~Fixture() { delete window; }

        bool open() {
            window = new frmOptions(settings, selection, dialogs);
            window->show();
            return QTest::qWaitForWindowActive(window);
        }
        QLineEdit* box(const char* name) const {
            return find<QLineEdit>(window, QString::fromLatin1(name));
        }
        QByteArray settingsBytes() const { return folder.read(kSettingsFileName); }
        QByteArray selectionBytes() const { return folder.read(kPetSelectionFileName); }
    };

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void opensAsAFixedCentredDialogOnTheFirstTab() {
        Fixture f;
        QVERIFY(f.open());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Options"));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        const Qt::WindowFlags flags = f.window->windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        const QPoint offCentre =
            f.window->frameGeometry().center() - f.window->screen()->geometry().center();
        // The frame's width is not known before the first show; a few pixels are allowed.
        QVERIFY2(offCentre.manhattanLength() <= 6, "the window is not centred on the screen");

        auto* tabs = find<QTabWidget>(f.window, QStringLiteral("tbsOptions"));
        const QStringList captions = {
            QStringLiteral("&Scripting Options"), QStringLiteral("&Pet Announcements"),
            QStringLiteral("&MP Pet Selections"), QStringLiteral("&Engy/Crat Pet Selections")};
        QCOMPARE(tabs->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(tabs->tabText(i), captions[i]);
            QCOMPARE(tabs->tabToolTip(i), QStringLiteral("Set Options for Group %1").arg(i + 1));
        }
        QCOMPARE(tabs->currentIndex(), 0);
        // Every caption whole, no scrolling tab strip.
        QVERIFY(tabs->tabBar()->rect().contains(tabs->tabBar()->tabRect(3)));
        QVERIFY(find<QWidget>(f.window, QStringLiteral("picOptions0"))->isVisible());
        QCOMPARE(
            f.window->findChildren<QCheckBox*>(QRegularExpression(QStringLiteral("^chkInclude")))
                .size(),
            kPetTypeCount);
        QCOMPARE(includeBox(f.window, QStringLiteral("MilitaryGradePredatorM30"))->text(),
                 QStringLiteral("Military-Grade Predator M-30"));
    }

    void showsTheStoredValues() {
        Fixture f;
        f.settings.FollowOrBehind = true;
        QVERIFY(f.open());
        // clang-format off
        const QList<QPair<const char*, const char*>> shown = {
            {"txtScriptsDirName", "C:\\Games\\AO\\scripts\\"}, {"txtNewHealPetDelay", "500"},
            {"txtNaming", "mynaming"}, {"txtAttack", "myattack"}, {"txtBehind", "mystop"},
            {"txtHeal", "myheal"}, {"txtHealme", "myhealme"}, {"txtMezz", "mymezz"},
            {"txtMezzBehind", "mymezzstop"}, {"txtMPAttackAnnounce", "Attack!"},
            {"txtMPHealAnnounce", "Healing you"}, {"txtMPMezzAnnounce", "Sleep now"},
            {"txtEngyAnnounce", "Bot attacks"}, {"txtCratAnnounce", "Droid fights"}};
        // clang-format on
        for (const auto& [control, text] : shown) {
            QCOMPARE(f.box(control)->text(), QString::fromLatin1(text));
        }
        QVERIFY(find<QCheckBox>(f.window, QStringLiteral("chkFollowOrBehind"))->isChecked());
        // The include boxes come from petselect.cfg, read as the window opens.
        QCOMPARE(untickedBoxes(f.window),
                 QStringList({"FrenzyEmbodiment", "Belamorte", "UpgradedPredatorM30"}));
    }

    void closingWithoutOkKeepsTheStoredValues_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "cancel";
        QTest::newRow("Esc key") << "esc";
        QTest::newRow("close box") << "close";
    }
    void closingWithoutOkKeepsTheStoredValues() {
        QFETCH(QString, how);
        Fixture f;
        const Settings before = f.settings;
        QVERIFY(f.open());
        QSignalSpy closed(f.window.data(), &frmOptions::closedForGood);
        replaceText(f.box("txtNaming"), QStringLiteral("othername"));
        click(f.window, QStringLiteral("chkFollowOrBehind"));
        selectTab(f.window, 2);
        click(f.window, QStringLiteral("chkIncludeAngerManifestation"));

        if (how == QLatin1String("cancel")) {
            click(f.window, QStringLiteral("cmdCancel"));
        } else if (how == QLatin1String("esc")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            f.window->close();
        }
        QTRY_VERIFY(f.window.isNull());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(f.settingsBytes(), storedSettingsFile());
        QCOMPARE(f.selectionBytes(), storedSelectionFile());
        QCOMPARE(f.settings, before);

        QVERIFY(f.open());
        QCOMPARE(f.box("txtNaming")->text(), QStringLiteral("mynaming"));
        QVERIFY(!find<QCheckBox>(f.window, QStringLiteral("chkFollowOrBehind"))->isChecked());
        QVERIFY(includeBox(f.window, QStringLiteral("AngerManifestation"))->isChecked());
        f.window->close();
    }

    void okWritesOnlyTheOptionsLines() {
        Fixture f;
        // What the naming window holds but has not stored yet: OK must not write it.
        f.settings.LastModeUsedMEC = QStringLiteral("Bureaucrat");
        f.settings.RememberHeal = true;
        f.settings.HealPetName = QStringLiteral("Unsaved");
        QVERIFY(f.open());
        QSignalSpy closed(f.window.data(), &frmOptions::closedForGood);

        replaceText(f.box("txtScriptsDirName"), QStringLiteral("D:\\Elsewhere\\scripts\\"));
        const QList<QPair<const char*, const char*>> typed = {
            {"txtNaming", "n1"},         {"txtAttack", "a1"},
            {"txtHeal", "h1"},           {"txtHealme", "hm1"},
            {"txtMezz", "m1"},           {"txtBehind", "b1"},
            {"txtMezzBehind", "mb1"},    {"txtNewHealPetDelay", "2000"},
            {"txtMPAttackAnnounce", ""}, {"txtMPHealAnnounce", "Heal & hold"},
        };
        for (const auto& [name, text] : typed) {
            replaceText(f.box(name), QString::fromLatin1(text));
        }
        selectTab(f.window, 1);
        replaceText(f.box("txtMPMezzAnnounce"), QStringLiteral("zz"));
        replaceText(f.box("txtEngyAnnounce"), QStringLiteral("go bot"));
        replaceText(f.box("txtCratAnnounce"), QStringLiteral("go droid"));
        selectTab(f.window, 0);
        click(f.window, QStringLiteral("chkFollowOrBehind"));
        selectTab(f.window, 2);
        click(f.window, QStringLiteral("chkIncludeAngerManifestation"));
        click(f.window, QStringLiteral("chkIncludeFrenzyEmbodiment"));

        click(f.window, QStringLiteral("cmdOK"));
        QTRY_VERIFY(f.window.isNull());
        QCOMPARE(closed.size(), 1);
        QVERIFY(f.dialogs.messages.isEmpty());

        // Line 1 gets the program's header, lines 5 and 18 to 30 what was typed; the folder
        // (line 3), the profession and the remember pairs stay as stored.
        QList<QByteArray> expected = fileLines(storedSettingsFile());
        expected[0] = "Glimmbar Config File";
        expected[4] = "2000";
        const QList<QByteArray> typedLines = {"n1",     "a1",       "h1", "hm1",         "m1",
                                              "b1",     "mb1",      "",   "Heal & hold", "zz",
                                              "go bot", "go droid", "1"};
        std::copy(typedLines.begin(), typedLines.end(), expected.begin() + 17);
        QCOMPARE(fileLines(f.settingsBytes()), expected);
        QVERIFY(f.settingsBytes().endsWith("go droid\r\n1\r\n"));

        const QList<QByteArray> flags = fileLines(f.selectionBytes());
        QCOMPARE(flags.size(), kPetTypeCount);
        for (int line = 1; line <= kPetTypeCount; ++line) {
            const bool left = line == 1 || line == 20 || line == 44;
            QCOMPARE(flags[line - 1], left ? QByteArray("0") : QByteArray("1"));
        }

        // The one record now holds the saved values, and what the naming window had not
        // stored is still only in memory.
        QCOMPARE(f.settings.TitleString, QStringLiteral("Glimmbar Config File"));
        QCOMPARE(f.settings.Naming, QStringLiteral("n1"));
        QCOMPARE(f.settings.NewHealPetDelay, QStringLiteral("2000"));
        QVERIFY(f.settings.FollowOrBehind);
        QCOMPARE(f.settings.ScriptsDirName, QStringLiteral("C:\\Games\\AO\\scripts\\"));
        QCOMPARE(f.settings.LastModeUsedMEC, QStringLiteral("Bureaucrat"));
        QCOMPARE(f.settings.HealPetName, QStringLiteral("Unsaved"));
        QVERIFY(!f.selection.isIncluded(QStringLiteral("AngerManifestation")));
        QVERIFY(f.selection.isIncluded(QStringLiteral("FrenzyEmbodiment")));

        QVERIFY(f.open());
        QCOMPARE(f.box("txtScriptsDirName")->text(), QStringLiteral("C:\\Games\\AO\\scripts\\"));
        QCOMPARE(f.box("txtNewHealPetDelay")->text(), QStringLiteral("2000"));
        f.window->close();
    }

    void toggleButtonsSwitchTheirOwnGroupOnly_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("untickFirst");
        QTest::addColumn<bool>("ticksAll");
        // The stored file leaves FrenzyEmbodiment, Belamorte and UpgradedPredatorM30 out, so
        // three groups start half ticked and are decided by their deciding member alone.
        for (const ToggleGroup& group : toggleGroups()) {
            QTest::newRow(group.buttonName)
                << QString::fromLatin1(group.buttonName) << QStringList() << false;
        }
        QTest::newRow("attack greater, bottom row clear")
            << "cmdToggleMPAGreater" << QStringList{"MetaphysicalDemon"} << true;
        QTest::newRow("attack greater, only bottom row ticked")
            << "cmdToggleMPAGreater" << QStringList{"EnmityPersonification"} << false;
        QTest::newRow("heal lesser, top row clear")
            << "cmdToggleMPHLesser" << QStringList{"Medinos"} << true;
    }
    void toggleButtonsSwitchTheirOwnGroupOnly() {
        QFETCH(QString, button);
        QFETCH(QStringList, untickFirst);
        QFETCH(bool, ticksAll);
        const ToggleGroup* group = findToggleGroup(button);
        QVERIFY(group != nullptr);
        QSet<QString> members;
        for (int i = 0; i < group->memberCount; ++i) {
            members.insert(QLatin1String(petTypes()[std::size_t(group->firstMember + i)].key));
        }
        Fixture f;
        QVERIFY(f.open());
        selectTab(f.window, roleProfession(group->role) == Profession::MP ? 2 : 3);
        for (const QString& key : untickFirst) {
            clickButton(includeBox(f.window, key));
        }
        const QStringList before = untickedBoxes(f.window);
        const QSet<QString> beforeSet(before.begin(), before.end());
        const QStringList allTicked = inCatalogueOrder(beforeSet - members);
        const QStringList allClear = inCatalogueOrder(beforeSet + members);

        click(f.window, button);
        QCOMPARE(untickedBoxes(f.window), ticksAll ? allTicked : allClear);
        click(f.window, button);
        QCOMPARE(untickedBoxes(f.window), ticksAll ? allClear : allTicked);

        // Toggling changes the screen only.
        QCOMPARE(f.selectionBytes(), storedSelectionFile());
        f.window->close();
    }

    void ctrlTabMovesForwardAndWraps_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("from a script name box") << "txtNaming";
        QTest::newRow("from the Ok button") << "cmdOK";
        QTest::newRow("from the tab strip") << "";
    }
    void ctrlTabMovesForwardAndWraps() {
        QFETCH(QString, focus);
        Fixture f;
        QVERIFY(f.open());
        auto* tabs = find<QTabWidget>(f.window, QStringLiteral("tbsOptions"));
        QWidget* start = focus.isEmpty() ? tabs->tabBar() : find<QWidget>(f.window, focus);
        start->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), start);

        const auto showsOnly = [&](int index) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->widget(i)->isVisible() != (i == index)) {
                    return false;
                }
            }
            return tabs->currentIndex() == index;
        };
        for (const int next : {1, 2, 3, 0, 1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            QVERIFY2(showsOnly(next), qPrintable(QStringLiteral("expected tab %1").arg(next)));
        }
        for (const int key : {int(Qt::Key_Backtab), int(Qt::Key_Tab)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                            Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(showsOnly(1));
        }
        f.window->close();
    }

    void enterPressesNoButton_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focus");
        QTest::newRow("in a script name box") << 0 << "txtNaming";
        QTest::newRow("on the follow box") << 0 << "chkFollowOrBehind";
        QTest::newRow("on Ok") << 0 << "cmdOK";
        QTest::newRow("on Cancel") << 0 << "cmdCancel";
        QTest::newRow("on a toggle button") << 2 << "cmdToggleMPALesser";
        QTest::newRow("on an include box") << 3 << "chkIncludeBureaucratWorker";
    }
    void enterPressesNoButton() {
        QFETCH(int, tab);
        QFETCH(QString, focus);
        Fixture f;
        QVERIFY(f.open());
        selectTab(f.window, tab);
        replaceText(f.box("txtNaming"), QStringLiteral("typed"));
        QWidget* target = find<QWidget>(f.window, focus);
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        const QStringList before = untickedBoxes(f.window);
        const bool follow =
            find<QCheckBox>(f.window, QStringLiteral("chkFollowOrBehind"))->isChecked();

        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        QCoreApplication::processEvents();

        QVERIFY(!f.window.isNull());
        QVERIFY(f.window->isVisible());
        QCOMPARE(untickedBoxes(f.window), before);
        QCOMPARE(find<QCheckBox>(f.window, QStringLiteral("chkFollowOrBehind"))->isChecked(),
                 follow);
        QCOMPARE(f.box("txtNaming")->text(), QStringLiteral("typed"));
        QCOMPARE(f.settingsBytes(), storedSettingsFile());
        QCOMPARE(f.selectionBytes(), storedSelectionFile());
        f.window->close();
    }

    void applyToGivesWhatIsOnScreen() {
        Fixture f;
        const Settings stored = f.settings;
        QVERIFY(f.open());
        replaceText(f.box("txtNaming"), QStringLiteral("newnaming"));
        replaceText(f.box("txtNewHealPetDelay"), QStringLiteral("abc"));
        replaceText(f.box("txtScriptsDirName"), QStringLiteral("X:\\nowhere\\"));
        click(f.window, QStringLiteral("chkFollowOrBehind"));
        selectTab(f.window, 1);
        replaceText(f.box("txtCratAnnounce"), QStringLiteral("bzzt"));
        selectTab(f.window, 3);
        click(f.window, QStringLiteral("cmdToggleMechdogAll"));

        Settings target = stored;
        target.LastModeUsedMEC = QStringLiteral("MP");
        target.AttackPetName = QStringLiteral("Kept");
        PetSelection selection;
        f.window->applyTo(target, selection);

        Settings expected = stored;
        expected.LastModeUsedMEC = QStringLiteral("MP");
        expected.AttackPetName = QStringLiteral("Kept");
        expected.Naming = QStringLiteral("newnaming");
        expected.NewHealPetDelay = QStringLiteral("abc");
        expected.FollowOrBehind = true;
        expected.CratAnnounce = QStringLiteral("bzzt");
        QCOMPARE(target.lines(), expected.lines());
        QCOMPARE(target, expected);

        PetSelection expectedSelection;
        LoadPetSelection(expectedSelection);
        for (const PetType& type : roleTypes(PetRole::Mechdog)) {
            // Predator M-30 was ticked, so the whole mechdog group is cleared.
            expectedSelection
                .include[static_cast<std::size_t>(petTypeIndex(QLatin1String(type.key)))] = false;
        }
        QCOMPARE(selection, expectedSelection);

        // Nothing was stored and the shared record is as it was.
        QCOMPARE(f.settings, stored);
        QCOMPARE(f.settingsBytes(), storedSettingsFile());
        QCOMPARE(f.selectionBytes(), storedSelectionFile());
        f.window->close();
    }

    void aFailedSaveKeepsTheWindowOpen_data() {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("settings file") << kSettingsFileName;
        QTest::newRow("pet selection file") << kPetSelectionFileName;
    }
    void aFailedSaveKeepsTheWindowOpen() {
        QFETCH(QString, blocked);
        Fixture f;
        const Settings stored = f.settings;
        QVERIFY(f.open());
        replaceText(f.box("txtNaming"), QStringLiteral("keepme"));
        selectTab(f.window, 2);
        click(f.window, QStringLiteral("chkIncludeAngerManifestation"));

        // A folder standing where the file must go stops even root from writing it.
        const QByteArray original = f.folder.read(blocked);
        QVERIFY(QFile::remove(f.folder.filePath(blocked)));
        QVERIFY(QDir(f.folder.path()).mkdir(blocked));
        click(f.window, QStringLiteral("cmdOK"));

        QCOMPARE(f.dialogs.messages.size(), 1);
        const Message& message = f.dialogs.messages[0];
        QCOMPARE(message.title, QStringLiteral("Glimmbar"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY2(message.text.contains(blocked), qPrintable(message.text));
        QVERIFY(!f.window.isNull());
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.box("txtNaming")->text(), QStringLiteral("keepme"));
        QVERIFY(!includeBox(f.window, QStringLiteral("AngerManifestation"))->isChecked());
        if (blocked == kSettingsFileName) {
            // Nothing is half-saved: the selection is written only after the settings.
            QCOMPARE(f.settings, stored);
            QCOMPARE(f.selectionBytes(), storedSelectionFile());
        }
        QVERIFY(f.selection.isIncluded(QStringLiteral("AngerManifestation")));

        // Once the player clears the way, the same OK goes through.
        QVERIFY(QDir(f.folder.path()).rmdir(blocked));
        f.folder.write(blocked, original);
        click(f.window, QStringLiteral("cmdOK"));
        QTRY_VERIFY(f.window.isNull());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(fileLines(f.settingsBytes()).value(17), QByteArray("keepme"));
        QCOMPARE(fileLines(f.selectionBytes()).value(0), QByteArray("0"));
    }

    // The same failure through the program's own message box, to prove the seam reaches it.
    void aFailedSaveShowsARealMessageBox() {
        TestFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(kSettingsFileName));
        Settings settings = Settings::defaults();
        PetSelection selection;
        QtDialogs dialogs;
        QPointer<frmOptions> window = new frmOptions(settings, selection, dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));

        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &poll, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll.stop();
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        poll.start(10);
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            // The headless platform cannot size a message box's native window; no fault of ours.
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        }
        click(window, QStringLiteral("cmdOK"));

        QCOMPARE(title, QStringLiteral("Glimmbar"));
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY2(text.contains(kSettingsFileName), qPrintable(text));
        QVERIFY(!window.isNull());
        QVERIFY(window->isVisible());
        window->close();
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestFrmOptions)
#include "test_frmOptions.moc"
