#include "ui/frmCalculate.h"

#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace glimmbar;

namespace {

// A small Engineer table: no-pet placeholder, two shells, end placeholder, end record.
const QByteArray kEngyTable =
    crlf({"test table", "(none)", "-2", "0", "Gladiatorbot Shell", "12", "250", "Warbot Shell",
          "40", "600", "(last)", "-1", "9999", "end", "-1", "9999"});

template <typename T> T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}

QString labelText(QWidget& window, const char* name) {
    return child<QLabel>(window, name)->text();
}

void calculate(QWidget& window, const char* skill) {
    QLineEdit* box = child<QLineEdit>(window, "txtMCTS");
    box->clear();
    QTest::keyClicks(box, QLatin1String(skill));
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
}

// The calculator as the naming window opens it: shown and exposed.
struct OpenCalculator {
    RecordingDialogs dialogs;
    frmCalculate window;

    explicit OpenCalculator(std::optional<Profession> profession)
        : window(profession, dialogs) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

const QString kHintFirst =
    QStringLiteral("If one value is lower than the other, enter the lower of the two to see");

} // namespace

class TestFrmCalculate : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void cleanup() { QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0); }

    void theNamingWindowsProfessionIsPreselected_data() {
        QTest::addColumn<int>("profession"); // -1: none chosen
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("prompt");
        const QString mc = QStringLiteral("Please enter your Matter Creation and Time & Space "
                                          "skills, or select a different pet type.");
        QTest::newRow("MP: attack pets") << int(Profession::MP) << "Option1"
                                         << "MPAttack" << mc;
        QTest::newRow("Engineer") << int(Profession::Engineer) << "Option4"
                                  << "Engy" << mc;
        QTest::newRow("Bureaucrat") << int(Profession::Bureaucrat) << "Option5"
                                    << "Crat" << mc;
        QTest::newRow("none") << -1 << ""
                              << "EmptyDefault"
                              << "First, select a pet type from the choices listed at the right.";
    }
    void theNamingWindowsProfessionIsPreselected() {
        QFETCH(int, profession);
        QFETCH(QString, checked);
        QFETCH(QString, key);
        QFETCH(QString, prompt);
        RecordingDialogs dialogs;
        frmCalculate window(profession < 0 ? std::nullopt
                                           : std::optional(static_cast<Profession>(profession)),
                            dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QRadioButton* option : window.findChildren<QRadioButton*>()) {
            QCOMPARE(option->isChecked(), option->objectName() == checked);
        }
        QCOMPARE(window.petTypeKey(), key);
        QCOMPARE(labelText(window, "labelSkillText"), prompt);
        QCOMPARE(window.windowTitle(), QStringLiteral("Calculate Pet"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(window, "txtMCTS"));
    }

    void choosingACategorySetsThePrompt() {
        OpenCalculator open(Profession::MP);
        frmCalculate& window = open.window;
        QTest::mouseClick(child<QRadioButton>(window, "Option2"), Qt::LeftButton);
        QCOMPARE(labelText(window, "labelSkillText"),
                 QStringLiteral("Please enter your Biological Metamorphosis and Time & Space "
                                "skills, or select a different pet type."));
        QCOMPARE(window.petTypeKey(), QStringLiteral("Heal"));
    }

    void calculateBeforeAnyCategoryDoesNothing() {
        TestFolder folder;
        folder.write(QStringLiteral("engypets.txt"), kEngyTable);
        OpenCalculator open(std::nullopt);
        frmCalculate& window = open.window;
        calculate(window, "12345");
        QCOMPARE(child<QLineEdit>(window, "txtMCTS")->text(), QStringLiteral("12345"));
        QCOMPARE(labelText(window, "labelBestPetName"), QString());
        QCOMPARE(labelText(window, "labelNextPetName"), kHintFirst);
        QVERIFY(open.dialogs.messages.isEmpty());
    }

    void aCalculationShowsTheResultsWithOneAmpersand() {
        TestFolder folder;
        folder.write(QStringLiteral("engypets.txt"), kEngyTable);
        OpenCalculator open(Profession::Engineer);
        frmCalculate& window = open.window;
        calculate(window, "300");
        QCOMPARE(labelText(window, "labelBestPetName"),
                 QStringLiteral("The best pet you can currently use is Gladiatorbot Shell (QL "
                                "12)."));
        QCOMPARE(labelText(window, "labelBestPetSkill"),
                 QStringLiteral("This nano requires MC/T&S skills of at least 250 to create the "
                                "shell, and 200 to prevent OE."));
        QCOMPARE(labelText(window, "labelNextPetName"),
                 QStringLiteral("The next pet up from this is Warbot Shell (QL 40)."));

        // Five digits are too many: the box is corrected and no pet is usable.
        calculate(window, "12345");
        QCOMPARE(child<QLineEdit>(window, "txtMCTS")->text(), QStringLiteral("0"));
        QCOMPARE(labelText(window, "labelBestPetName"),
                 QStringLiteral("Your skills are too low to use any pets."));
        QCOMPARE(labelText(window, "labelBestPetSkill"), QStringLiteral(" "));

        // Another category keeps the results until the next calculation.
        QTest::mouseClick(child<QRadioButton>(window, "Option5"), Qt::LeftButton);
        QCOMPARE(labelText(window, "labelBestPetName"),
                 QStringLiteral("Your skills are too low to use any pets."));
        QVERIFY(open.dialogs.messages.isEmpty());
    }

    void aMissingDataFileIsReportedAndChangesNothing() {
        TestFolder folder;
        OpenCalculator open(Profession::Engineer);
        frmCalculate& window = open.window;
        calculate(window, "12345");
        QCOMPARE(open.dialogs.messages.size(), 1);
        QCOMPARE(open.dialogs.messages[0].text,
                 QStringLiteral("A required file, ENGYPETS.TXT, is missing. Please re-install "
                                "Glimmbar"));
        QCOMPARE(open.dialogs.messages[0].title, QStringLiteral("A required file is missing!"));
        QCOMPARE(open.dialogs.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(child<QLineEdit>(window, "txtMCTS")->text(), QStringLiteral("12345"));
        QCOMPARE(labelText(window, "labelNextPetName"), kHintFirst);
    }

    void closeUnloadsTheWindow() {
        RecordingDialogs dialogs;
        auto* window = new frmCalculate(Profession::MP, dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QPointer<frmCalculate> alive(window);
        QTest::mouseClick(child<QPushButton>(*window, "cmdClosethis"), Qt::LeftButton);
        QTRY_VERIFY(alive.isNull());
    }

    void tabGoesFromTheSkillBoxToTheButtons() {
        OpenCalculator open(Profession::MP);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdClosethis"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1"));
    }
};

QTEST_MAIN(TestFrmCalculate)
#include "test_frmCalculate.moc"
