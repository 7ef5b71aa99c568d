#include "ui/CalculatorWindow.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QtTest>
#include <QtWidgets>

using namespace glimmbar;

namespace {

template <typename T = QWidget> T* get(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

// The selected category, the skill box's name for a screen reader, its text, the four results.
QStringList screen(QWidget* window) {
    const QAbstractButton* selected = window->findChild<QButtonGroup*>()->checkedButton();
    QStringList seen{
        selected ? selected->text() : QString(),
        QAccessible::queryAccessibleInterface(get(window, "txtMCTS"))->text(QAccessible::Name),
        get<QLineEdit>(window, "txtMCTS")->text()};
    for (const char* name :
         {"labelBestPetName", "labelBestPetSkill", "labelNextPetName", "labelNextPetSkill"}) {
        seen << get<QLabel>(window, name)->text();
    }
    return seen;
}

QString prompt(const char* skill) {
    return QStringLiteral(
               "Please enter your %1 and Time & Space skills, or select a different pet type.")
        .arg(QLatin1String(skill));
}

} // namespace

class TestCalculatorWindow : public GuiTest {
    Q_OBJECT

private slots:
    // Tab, arrows, an access key and Enter, as an Engineer would; then a missing table.
    void anEngineerCalculatesAMechdog() {
        TestFolder folder;
        QVERIFY(QFile::copy(QStringLiteral(GLIMMBAR_SOURCE_DIR "/data/engydogs.txt"),
                            folder.filePath("engydogs.txt")));
        RecordingDialogs dialogs;
        QPointer<CalculatorWindow> window = new CalculatorWindow(Profession::Engineer, dialogs);
        const auto closeOnFailure = qScopeGuard([&] { delete window; });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // The calculator has a title-bar picture of its own.
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(screen(window).mid(0, 5),
                 QStringList({"&Engineer Pet", prompt("Matter Creation"), "", "", ""}));
        for (const auto key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Up}) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        QCOMPARE(QApplication::focusWidget(), get(window, "Option3"));
        QCOMPARE(screen(window).value(1), prompt("Matter Metamorphosis"));
        get<QRadioButton>(window, "Option2")->setChecked(true); // as a screen reader's toggle
        QCOMPARE(screen(window).value(1), prompt("Biological Metamorphosis"));

        QTest::keyClick(window, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(screen(window).value(0), QStringLiteral("Engineer Mech&dog"));
        QTest::keyClicks(get(window, "txtMCTS"), QStringLiteral("1300"));
        get(window, "Command1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QStringList shown =
            QString::fromUtf8(dataBytes("calculator/mechdog-window.txt")).split('\n');
        QTRY_COMPARE(screen(window), shown.mid(0, 7));

        QTest::mouseClick(get(window, "Option2"), Qt::LeftButton);
        get<QLineEdit>(window, "txtMCTS")->setText(QStringLiteral("12345"));
        QTest::mouseClick(get(window, "Command1"), Qt::LeftButton);
        QCOMPARE(dialogs.messages, QList<Message>({{shown[7], "A required file is missing!",
                                                    MessageIcon::Exclamation}}));
        QCOMPARE(screen(window).mid(2), QStringList{"12345"} + shown.mid(3, 4));
        get(window, "cmdClosethis")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QTRY_VERIFY(window.isNull());
    }

    // With no profession chosen nothing is selected and Calculate does nothing at all.
    void withoutACategoryCalculateDoesNothing() {
        TestFolder folder;
        RecordingDialogs dialogs;
        CalculatorWindow window(std::nullopt, dialogs);
        QTest::keyClicks(get(&window, "txtMCTS"), QStringLiteral("12345"));
        QTest::mouseClick(get(&window, "Command1"), Qt::LeftButton);
        QCOMPARE(screen(&window).mid(0, 4),
                 QStringList({"", "First, select a pet type from the choices listed at the right.",
                              "12345", ""}));
        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "test_calculatorwindow.moc"
