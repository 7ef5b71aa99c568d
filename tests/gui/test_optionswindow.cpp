// The Options window as a player drives it. tests/data/model/options holds the stored and
// expected files (the stored Engineer announcement is 40,000 characters long) and boxes.txt:
// each text box, its label, and what is typed into it.
#include "ui/OptionsWindow.h"

#include "GuiTestRules.h"
#include "ProgramState.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>

using namespace glimmbar;

namespace {

QByteArray data(const char* name) {
    return dataBytes(QStringLiteral("model/options/") + QLatin1String(name));
}

struct Fixture : ProgramState {
    QPointer<OptionsWindow> window;

    Fixture() {
        folder.write(kSettingsFileName, data("stored.cfg"));
        folder.write(kPetSelectionFileName, data("stored.sel"));
        loadSettings(settings);
    }
    ~Fixture() { delete window; }

    void open() {
        window = new OptionsWindow(settings, selection, dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    template <typename T = QWidget> T* find(const QString& n) const {
        return window->findChild<T*>(n);
    }
    QTabWidget* tabs() const { return find<QTabWidget>(QStringLiteral("tbsOptions")); }
    // Shows the tab that holds the control.
    QWidget* reach(const QString& name) const {
        QWidget* control = find(name);
        if (tabs()->indexOf(control->parentWidget()) >= 0) {
            tabs()->setCurrentWidget(control->parentWidget());
        }
        return control;
    }
    // Clicks a button, or a check box on its box, near the left end.
    void click(const QString& name) const {
        QWidget* button = reach(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(1, 1) * (button->height() / 2));
    }
    QString text(const char* box) const { return find<QLineEdit>(QLatin1String(box))->text(); }
    bool ticked(const char* box) const { return find<QCheckBox>(QLatin1String(box))->isChecked(); }
};

} // namespace

class TestOptionsWindow : public GuiTest {
    Q_OBJECT

private slots:
    // Enter in a text box presses no button but presses a focused one; Ctrl+Tab steps through
    // the tabs and wraps, Ctrl+Shift+Tab goes nowhere; Cancel (clicked or by Enter), Esc and the
    // close box store nothing, and the next opening shows the stored values again.
    void closingWithoutOkStoresNothing() {
        Fixture f;
        const Settings stored = f.settings;
        for (const QString how : {"cmdCancel", "Enter on cmdCancel", "Esc", "close box"}) {
            f.open();
            QCOMPARE(f.tabs()->currentIndex(), 0);
            QCOMPARE(f.text("txtNaming"), stored.Naming);
            QVERIFY(f.ticked("chkIncludeAngerManifestation"));
            f.find<QLineEdit>(QStringLiteral("txtNaming"))->setText(QStringLiteral("other"));
            f.reach(QStringLiteral("cmdToggleMPALesser"))->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // clears its boxes
            QTRY_VERIFY(!f.ticked("chkIncludeAngerManifestation"));
            for (const char* name : {"txtNaming", "txtMPAttackAnnounce"}) {
                QWidget* target = f.reach(QLatin1String(name));
                target->setFocus();
                QTest::keyClick(target, Qt::Key_Return);
                QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
                const int tab = f.tabs()->currentIndex();
                for (int step = 1; step <= 4; ++step) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
                    QCOMPARE(f.tabs()->currentIndex(), (tab + step) % 4);
                }
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                                Qt::ControlModifier | Qt::ShiftModifier);
                QCOMPARE(f.tabs()->currentIndex(), tab);
                QVERIFY(f.window->isVisible());
            }
            QVERIFY(!f.ticked("chkIncludeAngerManifestation"));
            if (how == QLatin1String("Enter on cmdCancel")) {
                f.reach(QStringLiteral("cmdCancel"))->setFocus();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            } else if (how == QLatin1String("Esc")) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            } else {
                how == QLatin1String("cmdCancel") ? f.click(how) : void(f.window->close());
            }
            QTRY_VERIFY(f.window.isNull());
            QCOMPARE(f.folder.read(kSettingsFileName), data("stored.cfg"));
            QCOMPARE(f.folder.read(kPetSelectionFileName), data("stored.sel"));
            QCOMPARE(f.settings, stored);
        }
    }

    // Every box is announced by the label beside it, and the 40,000-character announcement
    // loads and saves whole. A file OK cannot write is named, and the window stays with
    // everything on screen; once the way is clear the same OK stores lines 1, 5 and 18 to 30
    // and the 56 include flags, and nothing else.
    void okStoresWhatIsOnScreen() {
        Fixture f;
        f.settings.LastModeUsedMEC = QStringLiteral("MP"); // not stored yet: OK must not store it
        f.open();
        const QList<QStringList> boxes = dataTable(QStringLiteral("model/options/boxes.txt"));
        QCOMPARE(f.window->findChildren<QLineEdit*>().size(), boxes.size());
        for (const QStringList& box : boxes) {
            auto* edit = f.find<QLineEdit>(box[0]);
            QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), box[1]);
            if (box.size() > 2) {
                edit->clear();
                QTest::keyClicks(edit, box[2]);
            }
        }
        f.click(QStringLiteral("chkFollowOrBehind"));
        // The attack pets' Lesser group is ticked by its top row; every other group is cleared,
        // the attack pets' Greater one by its bottom row although its top row is clear.
        f.click(QStringLiteral("chkIncludeAngerManifestation"));
        for (const ToggleGroup& group : toggleGroups()) {
            f.click(QLatin1String(group.buttonName));
        }
        f.click(QStringLiteral("chkIncludeTumulten"));
        const Settings stored = f.settings;
        const PetSelection storedSelection = f.selection;
        for (const QString& file : {kSettingsFileName, kPetSelectionFileName}) {
            // A folder standing where the file must go stops even root from writing it.
            const QByteArray original = f.folder.read(file);
            QVERIFY(QFile::remove(f.folder.filePath(file)));
            QVERIFY(QDir(f.folder.path()).mkdir(file));
            f.click(QStringLiteral("cmdOK"));
            QCOMPARE(f.dialogs.messages.size(), file == kSettingsFileName ? 1 : 2);
            QVERIFY(f.dialogs.messages.last().text.contains(file));
            QVERIFY(f.window->isVisible());
            QCOMPARE(f.text("txtNaming"), QStringLiteral("n1"));
            QCOMPARE(f.settings.Naming, file == kSettingsFileName ? stored.Naming : "n1");
            QCOMPARE(f.selection, storedSelection);
            QVERIFY(QDir(f.folder.path()).rmdir(file));
            f.folder.write(file, original);
        }
        f.reach(QStringLiteral("cmdOK"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(f.window.isNull());
        QCOMPARE(f.folder.read(kSettingsFileName), data("ok.cfg"));
        QCOMPARE(f.folder.read(kPetSelectionFileName), data("ok.sel"));
        QCOMPARE(f.settings.LastModeUsedMEC, "MP");
        QVERIFY(f.selection.include[30]);
    }

    // options/refused.txt: row name|box|typed text|message. A text glimmbar.cfg cannot hold is
    // refused on OK: neither file is written, nothing is taken, and the window stays open with
    // that box shown and focused.
    void okRefusesWhatTheSettingsFileCannotHold_data() {
        QTest::addColumn<QStringList>("row");
        for (const QStringList& row : dataTable(QStringLiteral("model/options/refused.txt"))) {
            QTest::newRow(qPrintable(row[0])) << row;
        }
    }
    void okRefusesWhatTheSettingsFileCannotHold() {
        QFETCH(QStringList, row);
        Fixture f;
        const Settings stored = f.settings;
        f.open();
        auto* box = static_cast<QLineEdit*>(f.reach(row[1]));
        box->clear();
        // As an input method hands over what the player composed.
        QInputMethodEvent composed;
        composed.setCommitString(row[2]);
        QApplication::sendEvent(box, &composed);
        f.click(QStringLiteral("chkIncludeTumulten"));
        f.click(QStringLiteral("cmdOK"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, row[3]);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.tabs()->currentWidget(), box->parentWidget());
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(f.folder.read(kSettingsFileName), data("stored.cfg"));
        QCOMPARE(f.folder.read(kPetSelectionFileName), data("stored.sel"));
        QCOMPARE(f.settings, stored);
    }
};

QTEST_MAIN(TestOptionsWindow)
#include "test_optionswindow.moc"
