#include "ui/frmCalculate.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

using namespace glimmbar;

namespace {

QWidget* control(QWidget* window, const char* name) {
    QWidget* found = window->findChild<QWidget*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}

// What the player sees: which category is selected, the prompt as the skill box announces it
// to a screen reader, the box's text and the four result lines.
QStringList screen(QWidget* window) {
    QStringList seen;
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        if (option->isChecked()) {
            seen << option->text();
        }
    }
    seen << QAccessible::queryAccessibleInterface(control(window, "txtMCTS"))
                ->text(QAccessible::Name)
         << qobject_cast<QLineEdit*>(control(window, "txtMCTS"))->text();
    for (const char* name :
         {"labelBestPetName", "labelBestPetSkill", "labelNextPetName", "labelNextPetSkill"}) {
        seen << qobject_cast<QLabel*>(control(window, name))->text();
    }
    return seen;
}

void type(QWidget* window, const char* skill) {
    auto* box = qobject_cast<QLineEdit*>(control(window, "txtMCTS"));
    box->clear();
    QTest::keyClicks(box, QLatin1String(skill));
}

const QString kMC = QStringLiteral(
    "Please enter your Matter Creation and Time & Space skills, or select a different pet type.");
const QStringList kHint = {
    QStringLiteral("If one value is lower than the other, enter the lower of the two to see"),
    QStringLiteral("the name and QL of the best pet you can use, and the next one in the line.")};

} // namespace

class TestFrmCalculate : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0); }

    // An Engineer opens the calculator, tabs into the categories, picks the mechdog by its
    // access key, calculates with Enter, then tries a category whose table is missing.
    void anEngineerCalculatesAMechdog() {
        TestFolder folder;
        QVERIFY(QFile::copy(QStringLiteral(GLIMMBAR_SOURCE_DIR "/data/engydogs.txt"),
                            folder.filePath("engydogs.txt")));
        RecordingDialogs dialogs;
        QPointer<frmCalculate> window = new frmCalculate(Profession::Engineer, dialogs);
        const auto closeOnFailure = qScopeGuard([&] { delete window; });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(screen(window),
                 (QStringList{"&Engineer Pet", kMC, "", "", ""} + kHint));
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), control(window, "Option4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // the arrows move the selection
        QCOMPARE(screen(window).mid(0, 2),
                 QStringList({"Meta-Physicist &Mezz Pet",
                              QStringLiteral("Please enter your Matter Metamorphosis and Time & "
                                             "Space skills, or select a different pet type.")}));
        // A screen reader's toggle action and the program select as a click does.
        QAccessible::queryAccessibleInterface(control(window, "Option2"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(screen(window).value(1),
                 QStringLiteral("Please enter your Biological Metamorphosis and Time & Space "
                                "skills, or select a different pet type."));
        qobject_cast<QRadioButton*>(control(window, "Option1"))->setChecked(true);
        QCOMPARE(screen(window).mid(0, 2), QStringList({"Meta-Physicist &Attack Pet", kMC}));

        QTest::keyClick(window, Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QRadioButton*>(control(window, "Option6"))->isChecked());
        type(window, "1300");
        control(window, "Command1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QStringList shown = {
            "Engineer Mech&dog",
            kMC,
            "1300",
            "The best pet you can currently use is Advanced Predator M-30 (QL 203).",
            "This nano requires MC/T&S skills of at least 1285 to create the shell, and 1028 to "
            "prevent OE.",
            "The next pet up from this is Semi-Sentient Predator M-30 (QL 207).",
            "This nano requires MC/T&S skills of at least 1464 to create the shell, and 1171 to "
            "prevent OE."};
        QTRY_COMPARE(screen(window), shown);

        // No table for MP heal pets: the message names it and the window keeps what it showed.
        QTest::mouseClick(control(window, "Option2"), Qt::LeftButton);
        type(window, "12345");
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        QCOMPARE(
            dialogs.messages,
            QList<Message>({{"A required file, MPHPETS.TXT, is missing. Please re-install Glimmbar",
                             "A required file is missing!", MessageIcon::Exclamation}}));
        QCOMPARE(screen(window).mid(2), (QStringList{"12345"} + shown.mid(3)));

        control(window, "cmdClosethis")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QTRY_VERIFY(window.isNull());
    }

    // With no profession chosen nothing is selected and Calculate does nothing at all.
    void withoutACategoryCalculateDoesNothing() {
        TestFolder folder;
        RecordingDialogs dialogs;
        frmCalculate window(std::nullopt, dialogs);
        window.show();
        type(&window, "12345");
        QTest::mouseClick(control(&window, "Command1"), Qt::LeftButton);
        QCOMPARE(screen(&window),
                 (QStringList{"First, select a pet type from the choices listed at the right.",
                              "12345", "", ""} +
                  kHint));
        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestFrmCalculate)
#include "test_frmCalculate.moc"
