// The Options window as a player drives it. Stored, typed and expected files are in
// tests/data/scriptgen/options; the stored Engineer announcement is 40,000 characters long.
#include "ui/frmOptions.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

using namespace glimmbar;

namespace {

QByteArray data(const char* name) {
    QFile file(QStringLiteral(GLIMMBAR_TEST_DATA "/scriptgen/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "name|text" lines of a data file.
QList<QStringList> pairs(const char* name) {
    QList<QStringList> rows;
    for (const QByteArray& line : data(name).split('\n')) {
        if (!line.isEmpty()) {
            rows.append(QString::fromUtf8(line).split(QLatin1Char('|')));
        }
    }
    return rows;
}

struct Fixture {
    TestFolder folder;
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    QPointer<frmOptions> window;

    Fixture() {
        folder.write(kSettingsFileName, data("options/stored.cfg"));
        folder.write(kPetSelectionFileName, data("options/stored.sel"));
        LoadSettings(settings);
    }
    ~Fixture() { delete window; }

    void open() {
        window = new frmOptions(settings, selection, dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    template <typename T = QWidget> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr) {
            qWarning("no control %s", qPrintable(name));
        }
        return widget;
    }
    void showTabOf(QWidget* control) const {
        auto* tabs = find<QTabWidget>(QStringLiteral("tbsOptions"));
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(control)) {
                tabs->setCurrentIndex(i);
            }
        }
    }
    // Shows the tab that holds the control, then clicks it (a check box on its box).
    void click(const QString& name) const {
        auto* button = find<QAbstractButton>(name);
        showTabOf(button);
        const int half = button->height() / 2;
        QTest::mouseClick(button, Qt::LeftButton, {},
                          qobject_cast<QCheckBox*>(button) ? QPoint(half, half)
                                                           : button->rect().center());
    }
    bool filesAsStored() const {
        return folder.read(kSettingsFileName) == data("options/stored.cfg") &&
               folder.read(kPetSelectionFileName) == data("options/stored.sel");
    }
};

} // namespace

class TestFrmOptions : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void closingWithoutOkStoresNothing_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"cmdCancel", "Esc", "close box"}) {
            QTest::newRow(how) << how;
        }
    }
    // Enter presses no button, Ctrl+Tab steps through the tabs and wraps, Ctrl+Shift+Tab goes
    // nowhere; only OK stores anything, and the next opening shows the stored values again.
    void closingWithoutOkStoresNothing() {
        QFETCH(QString, how);
        Fixture f;
        const Settings stored = f.settings;
        f.open();
        f.find<QLineEdit>(QStringLiteral("txtNaming"))->setText(QStringLiteral("other"));
        f.click(QStringLiteral("chkFollowOrBehind"));
        f.click(QStringLiteral("cmdToggleMPALesser"));
        const IncludeFlags shown = [&] {
            Settings s;
            PetSelection p;
            f.window->applyTo(s, p);
            return p.include;
        }();
        auto* tabs = f.find<QTabWidget>(QStringLiteral("tbsOptions"));
        for (const char* name : {"cmdToggleMPALesser", "txtNaming", "cmdOK", "cmdCancel"}) {
            QWidget* target = f.find(QLatin1String(name));
            f.showTabOf(target);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
            const int tab = tabs->currentIndex();
            for (int step = 1; step <= 4; ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
                QCOMPARE(tabs->currentIndex(), (tab + step) % 4);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                            Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(tabs->currentIndex(), tab);
            QVERIFY(f.window->isVisible());
        }
        Settings s;
        PetSelection p;
        f.window->applyTo(s, p);
        QCOMPARE(p.include, shown);
        if (how == QLatin1String("Esc")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (how == QLatin1String("cmdCancel")) {
            f.click(how);
        } else {
            f.window->close();
        }
        QTRY_VERIFY(f.window.isNull());
        QVERIFY(f.filesAsStored());
        QCOMPARE(f.settings, stored);
        f.open();
        QCOMPARE(f.find<QTabWidget>(QStringLiteral("tbsOptions"))->currentIndex(), 0);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("txtNaming"))->text(), stored.Naming);
        QVERIFY(!f.find<QCheckBox>(QStringLiteral("chkFollowOrBehind"))->isChecked());
        f.window->close();
    }

    // Every box is announced by the label beside it; the 40,000-character announcement loads
    // and saves whole; OK stores lines 1, 5 and 18 to 30 and the 56 include flags, nothing else.
    void okStoresWhatIsOnScreen() {
        Fixture f;
        f.settings.LastModeUsedMEC = QStringLiteral("MP"); // not stored yet: OK must not store it
        f.open();
        const QList<QStringList> boxes = pairs("options/box-names.txt");
        QCOMPARE(f.window->findChildren<QLineEdit*>().size(), boxes.size());
        for (const QStringList& box : boxes) {
            auto* edit = f.find<QLineEdit>(box[0]);
            QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), box[1]);
            const auto labels = f.window->findChildren<QLabel*>();
            QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
                return label->buddy() == edit && label->text() == box[1];
            }));
        }
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("txtEngyAnnounce"))->text().size(), 40000);
        for (const QStringList& typed : pairs("options/typed.txt")) {
            auto* edit = f.find<QLineEdit>(typed[0]);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, typed[1]);
        }
        f.click(QStringLiteral("chkFollowOrBehind"));
        // The attack pets' Lesser group is ticked by its top row; every other group is cleared,
        // the attack pets' Greater one by its bottom row although its top row is clear.
        f.click(QStringLiteral("chkIncludeAngerManifestation"));
        for (const ToggleGroup& group : toggleGroups()) {
            f.click(QLatin1String(group.buttonName));
        }
        f.click(QStringLiteral("chkIncludeTumulten"));
        QVERIFY(f.filesAsStored());
        f.click(QStringLiteral("cmdOK"));
        QTRY_VERIFY(f.window.isNull());
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.folder.read(kSettingsFileName), data("options/ok.cfg"));
        QCOMPARE(f.folder.read(kPetSelectionFileName), data("options/ok.sel"));
        QCOMPARE(f.settings.Naming, QStringLiteral("n1"));
        QCOMPARE(f.settings.LastModeUsedMEC, QStringLiteral("MP"));
        QVERIFY(f.selection.include[30] && !f.selection.include[29]);
    }

    // A file that cannot be written is named; the window stays with everything on screen and
    // the record of that file unchanged, and once the way is clear the same OK works.
    void aFailedSaveKeepsTheWindow() {
        Fixture f;
        const Settings stored = f.settings;
        f.open();
        f.find<QLineEdit>(QStringLiteral("txtNaming"))->setText(QStringLiteral("keepme"));
        for (const QString& file : {kSettingsFileName, kPetSelectionFileName}) {
            // A folder standing where the file must go stops even root from writing it.
            const QByteArray original = f.folder.read(file);
            QVERIFY(QFile::remove(f.folder.filePath(file)));
            QVERIFY(QDir(f.folder.path()).mkdir(file));
            f.click(QStringLiteral("cmdOK"));
            QCOMPARE(f.dialogs.messages.size(), file == kSettingsFileName ? 1 : 2);
            const Message& m = f.dialogs.messages.last();
            QVERIFY2(m.text.contains(file) && m.title == QLatin1String("Glimmbar") &&
                         m.icon == MessageIcon::Critical,
                     qPrintable(m.text));
            QVERIFY(f.window->isVisible());
            QCOMPARE(f.find<QLineEdit>(QStringLiteral("txtNaming"))->text(),
                     QStringLiteral("keepme"));
            QCOMPARE(f.settings.Naming,
                     file == kSettingsFileName ? stored.Naming : QStringLiteral("keepme"));
            QVERIFY(QDir(f.folder.path()).rmdir(file));
            f.folder.write(file, original);
        }
        f.click(QStringLiteral("cmdOK"));
        QTRY_VERIFY(f.window.isNull());
        QCOMPARE(f.folder.read(kSettingsFileName).split('\n').value(17), QByteArray("keepme\r"));
    }
};

QTEST_MAIN(TestFrmOptions)
#include "test_frmOptions.moc"
