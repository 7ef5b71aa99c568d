#include "ui/frmOptions.h"

#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
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
// clang-format off
const QStringList kStoredLines = {
    "Old Header", "V1.4.0", "C:\\Games\\AO\\scripts\\", "Engineer", "500",
    "1", "Zapper", "0", "Empty", "0", "Empty", "1", "Robbie", "0", "Empty", "0", "Empty",
    "mynaming", "myattack", "myheal", "myhealme", "mymezz", "mystop", "mymezzstop",
    "Attack!", "Healing you", "Sleep now", "Bot attacks", "Droid fights", "0"};
// clang-format on
const QStringList kStoredUnticked = {"FrenzyEmbodiment", "Belamorte", "UpgradedPredatorM30"};

QByteArray crlfLines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

// The 56 flags with the given lines left out; the stored file leaves out the three types
// above, so a save that rewrites them from scratch shows.
QByteArray selectionFile(std::initializer_list<int> leftOut = {5, 20, 44}) {
    QByteArray bytes;
    for (int line = 1; line <= kPetTypeCount; ++line) {
        bytes += std::count(leftOut.begin(), leftOut.end(), line) > 0 ? "0\r\n" : "1\r\n";
    }
    return bytes;
}

template <typename T = QWidget> T* find(QWidget* window, const QString& name) {
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr) {
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    }
    return widget;
}

// The pet types whose include boxes are clear, in catalogue order.
QStringList untickedBoxes(QWidget* window) {
    QStringList unticked;
    for (const PetType& type : petTypes()) {
        const QString key = QLatin1String(type.key);
        if (!find<QCheckBox>(window, QStringLiteral("chkInclude") + key)->isChecked()) {
            unticked.append(key);
        }
    }
    return unticked;
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
void click(QWidget* window, const QString& name) {
    auto* button = find<QAbstractButton>(window, name);
    const int half = button->height() / 2;
    QTest::mouseClick(button, Qt::LeftButton, {},
                      qobject_cast<QCheckBox*>(button) ? QPoint(half, half)
                                                       : button->rect().center());
}

} // namespace

class TestFrmOptions : public QObject {
    Q_OBJECT

    // The stored files, the records loaded from them as the naming window loads them, and
    // the window.
    struct Fixture {
        TestFolder folder;
        Settings settings;
        PetSelection selection;
        RecordingDialogs dialogs;
        QPointer<frmOptions> window;

        Fixture() {
            folder.write(kSettingsFileName, crlfLines(kStoredLines));
            folder.write(kPetSelectionFileName, selectionFile());
            LoadSettings(settings);
        }
        ~Fixture() { delete window; }

        bool open(DialogSeam* seam = nullptr) {
            window = new frmOptions(settings, selection, seam ? *seam : dialogs);
            window->show();
            return QTest::qWaitForWindowActive(window);
        }
        QLineEdit* box(const char* name) const {
            return find<QLineEdit>(window, QString::fromLatin1(name));
        }
        bool filesUntouched() const {
            return folder.read(kSettingsFileName) == crlfLines(kStoredLines) &&
                   folder.read(kPetSelectionFileName) == selectionFile();
        }
    };

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    // Nothing but OK stores anything: not Enter, which presses no button, not Ctrl+Tab, which
    // goes forward and wraps (Ctrl+Shift+Tab goes nowhere), and not Cancel, Esc or the close
    // box, after which the next opening shows the stored values again.
    void closingWithoutOkKeepsTheStoredValues_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter on Cancel, Cancel button") << "cmdCancel" << 0 << "cancel";
        QTest::newRow("Enter in a script name box, Esc key") << "txtNaming" << 0 << "esc";
        QTest::newRow("Enter on Ok, close box") << "cmdOK" << 0 << "close";
        QTest::newRow("Enter on a toggle button, Esc key") << "cmdToggleMPALesser" << 2 << "esc";
    }
    void closingWithoutOkKeepsTheStoredValues() {
        QFETCH(QString, focus);
        QFETCH(int, tab);
        QFETCH(QString, how);
        Fixture f;
        const Settings before = f.settings;
        QVERIFY(f.open());
        QSignalSpy closed(f.window.data(), &frmOptions::closedForGood);
        selectTab(f.window, tab);
        QWidget* target = find(f.window, focus);
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        QCoreApplication::processEvents();
        // OK would rewrite the header line, Cancel would close, a toggle would clear boxes.
        QVERIFY(!f.window.isNull() && f.window->isVisible());
        QCOMPARE(untickedBoxes(f.window), kStoredUnticked);
        QVERIFY(f.filesUntouched());
        // Inside the tab pages Ctrl+Tab passes the tab widget first; on the buttons it does not.
        auto* tabs = find<QTabWidget>(f.window, QStringLiteral("tbsOptions"));
        for (int step = 1; step <= 5; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(tabs->currentIndex(), (tab + step) % 4);
            QVERIFY(tabs->currentWidget()->isVisible());
        }
        for (const Qt::Key key : {Qt::Key_Backtab, Qt::Key_Tab}) {
            QTest::keyClick(QApplication::focusWidget(), key,
                            Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(tabs->currentIndex(), (tab + 5) % 4);
        }

        replaceText(f.box("txtNaming"), QStringLiteral("othername"));
        selectTab(f.window, 0);
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
        QVERIFY(f.filesUntouched());
        QCOMPARE(f.settings, before);
        // It opens again fixed in size, centred and on the first tab.
        QVERIFY(f.open());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Options"));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        const QPoint offCentre =
            f.window->frameGeometry().center() - f.window->screen()->geometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 6, "the window is not centred on the screen");
        QCOMPARE(find<QTabWidget>(f.window, QStringLiteral("tbsOptions"))->currentIndex(), 0);
        QCOMPARE(f.box("txtNaming")->text(), QStringLiteral("mynaming"));
        QVERIFY(!find<QCheckBox>(f.window, QStringLiteral("chkFollowOrBehind"))->isChecked());
        QCOMPARE(untickedBoxes(f.window), kStoredUnticked);
        f.window->close();
    }

    void okWritesOnlyTheOptionsLines() {
        Fixture f;
        // What the naming window holds but has not stored yet: OK must not write it.
        f.settings.LastModeUsedMEC = QStringLiteral("Bureaucrat");
        QVERIFY(f.open());
        // The folder box is shown only; the folder is chosen in the folder window.
        replaceText(f.box("txtScriptsDirName"), QStringLiteral("D:\\Elsewhere\\scripts\\"));
        replaceText(f.box("txtNewHealPetDelay"), QStringLiteral("2000"));
        // clang-format off
        const QList<QPair<const char*, const char*>> typed = { // lines 18 to 29
            {"txtNaming", "n1"}, {"txtAttack", "a1"}, {"txtHeal", "h1"}, {"txtHealme", "hm1"},
            {"txtMezz", "m1"}, {"txtBehind", "b1"}, {"txtMezzBehind", "mb1"},
            {"txtMPAttackAnnounce", ""}, {"txtMPHealAnnounce", "Heal & hold"},
            {"txtMPMezzAnnounce", "zz"}, {"txtEngyAnnounce", "go bot"},
            {"txtCratAnnounce", "go droid"}};
        // clang-format on
        for (const auto& [name, text] : typed) {
            replaceText(f.box(name), QString::fromLatin1(text));
        }
        click(f.window, QStringLiteral("chkFollowOrBehind"));
        selectTab(f.window, 2);
        click(f.window, QStringLiteral("chkIncludeAngerManifestation"));
        click(f.window, QStringLiteral("chkIncludeFrenzyEmbodiment"));

        // Create Files takes what is on screen before any OK, and that stores nothing.
        Settings onScreen;
        QVERIFY(LoadSettings(onScreen));
        PetSelection shownSelection;
        f.window->applyTo(onScreen, shownSelection);
        QVERIFY(f.filesUntouched());
        QCOMPARE(f.settings.Naming, QStringLiteral("mynaming"));

        click(f.window, QStringLiteral("cmdOK"));
        QTRY_VERIFY(f.window.isNull());
        QVERIFY(f.dialogs.messages.isEmpty());
        // Lines 5 and 18 to 30 get what is on screen and OK puts the program's header on line
        // 1; the folder (line 3), the profession and the remember pairs stay as stored.
        QStringList expected = kStoredLines;
        expected[4] = QStringLiteral("2000");
        for (qsizetype i = 0; i < typed.size(); ++i) {
            expected[17 + i] = QString::fromLatin1(typed[i].second);
        }
        expected[29] = QStringLiteral("1");
        QCOMPARE(onScreen.lines(), expected);
        expected[0] = QStringLiteral("Glimmbar Config File");
        QCOMPARE(f.folder.read(kSettingsFileName), crlfLines(expected));
        QCOMPARE(f.folder.read(kPetSelectionFileName), selectionFile({1, 20, 44}));
        QCOMPARE(f.selection, shownSelection);
        // The one record holds the saved values; what was not stored is still in memory.
        QCOMPARE(f.settings.Naming, QStringLiteral("n1"));
        QCOMPARE(f.settings.LastModeUsedMEC, QStringLiteral("Bureaucrat"));
    }

    void toggleButtonsSwitchTheirOwnGroupOnly_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("untickFirst");
        QTest::addColumn<bool>("ticksAll");
        // Every button from the stored file; three groups start half ticked with their
        // deciding member ticked, so the first click clears them.
        for (const ToggleGroup& group : toggleGroups()) {
            QTest::newRow(group.buttonName) << QString::fromLatin1(group.buttonName) << "" << false;
        }
        QTest::newRow("attack greater, bottom row decides") << "cmdToggleMPAGreater"
                                                            << "MetaphysicalDemon" << true;
        QTest::newRow("heal lesser, top row decides") << "cmdToggleMPHLesser"
                                                      << "Medinos" << true;
    }
    void toggleButtonsSwitchTheirOwnGroupOnly() {
        QFETCH(QString, button);
        QFETCH(QString, untickFirst);
        QFETCH(bool, ticksAll);
        const ToggleGroup* group = findToggleGroup(button);
        QVERIFY(group != nullptr);
        Fixture f;
        QVERIFY(f.open());
        selectTab(f.window, roleProfession(group->role) == Profession::MP ? 2 : 3);
        if (!untickFirst.isEmpty()) {
            click(f.window, QStringLiteral("chkInclude") + untickFirst);
        }
        const QStringList before = untickedBoxes(f.window);
        const auto withGroup = [&](bool tick) {
            QStringList unticked;
            for (int i = 0; i < kPetTypeCount; ++i) {
                const QString key = QLatin1String(petTypes()[std::size_t(i)].key);
                const bool member =
                    i >= group->firstMember && i < group->firstMember + group->memberCount;
                if (member ? !tick : before.contains(key)) {
                    unticked.append(key);
                }
            }
            return unticked;
        };
        click(f.window, button);
        QCOMPARE(untickedBoxes(f.window), withGroup(ticksAll));
        click(f.window, button);
        QCOMPARE(untickedBoxes(f.window), withGroup(!ticksAll));
        QVERIFY(f.filesUntouched()); // toggling changes the screen only
        f.window->close();
    }

    // Through the program's own message box: each file that cannot be written is named, the
    // window stays open with what is on screen, and once the way is clear the same OK works.
    void aFailedSaveKeepsTheWindowOpen() {
        Fixture f;
        const Settings stored = f.settings;
        QtDialogs realBoxes;
        QVERIFY(f.open(&realBoxes));
        replaceText(f.box("txtNaming"), QStringLiteral("keepme"));
        selectTab(f.window, 2);
        click(f.window, QStringLiteral("chkIncludeAngerManifestation"));

        QList<std::tuple<QString, QMessageBox::Icon, QString>> shown;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &poll, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown.append({box->windowTitle(), box->icon(), box->text()});
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        poll.start(10);
        // The settings file refused first, then the pet selection once the settings went in.
        for (const QString& file : {kSettingsFileName, kPetSelectionFileName}) {
            // A folder standing where the file must go stops even root from writing it.
            const QByteArray original = f.folder.read(file);
            QVERIFY(QFile::remove(f.folder.filePath(file)));
            QVERIFY(QDir(f.folder.path()).mkdir(file));
            if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
                // The headless platform cannot size a message box's window; no fault of ours.
                QTest::ignoreMessage(QtWarningMsg,
                                     "This plugin does not support propagateSizeHints()");
            }
            click(f.window, QStringLiteral("cmdOK"));
            QCOMPARE(shown.size(), file == kSettingsFileName ? 1 : 2);
            const auto& [title, icon, text] = shown.last();
            QCOMPARE(title, QStringLiteral("Glimmbar"));
            QCOMPARE(icon, QMessageBox::Critical);
            QVERIFY2(text.contains(file), qPrintable(text));
            QVERIFY(!f.window.isNull() && f.window->isVisible());
            QCOMPARE(f.box("txtNaming")->text(), QStringLiteral("keepme"));
            QVERIFY(untickedBoxes(f.window).contains(QStringLiteral("AngerManifestation")));
            QVERIFY(f.selection.isIncluded(QStringLiteral("AngerManifestation")));
            if (file == kSettingsFileName) {
                // Nothing is half-saved: the selection is written only after the settings.
                QCOMPARE(f.settings, stored);
                QCOMPARE(f.folder.read(kPetSelectionFileName), selectionFile());
            }
            QVERIFY(QDir(f.folder.path()).rmdir(file));
            f.folder.write(file, original);
        }
        click(f.window, QStringLiteral("cmdOK"));
        QTRY_VERIFY(f.window.isNull());
        QCOMPARE(shown.size(), 2);
        QCOMPARE(f.folder.read(kSettingsFileName).split('\n').value(17), QByteArray("keepme\r"));
        QCOMPARE(f.folder.read(kPetSelectionFileName), selectionFile({1, 5, 20, 44}));
    }
};

QTEST_MAIN(TestFrmOptions)
#include "test_frmOptions.moc"
