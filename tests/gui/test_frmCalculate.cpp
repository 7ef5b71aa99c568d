#include "ui/frmCalculate.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

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

// The four result lines, best pet first.
QStringList results(QWidget& window) {
    return {labelText(window, "labelBestPetName"), labelText(window, "labelBestPetSkill"),
            labelText(window, "labelNextPetName"), labelText(window, "labelNextPetSkill")};
}

// What the result lines say until a calculation is made.
const QStringList kNoResults = {
    QString(), QString(),
    QStringLiteral("If one value is lower than the other, enter the lower of the two to see"),
    QStringLiteral("the name and QL of the best pet you can use, and the next one in the line.")};

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

} // namespace

class TestFrmCalculate : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void cleanup() { QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0); }

    // Without data files, calculating names the category's own missing file and changes
    // nothing on screen; before any category is chosen it does nothing at all.
    void theNamingWindowsProfessionIsPreselected_data() {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("profession"); // -1: none chosen
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("missing");
        // "Time & Space" with one ampersand, shown as it is, underlining nothing.
        const QString mc = QStringLiteral("Please enter your Matter Creation and Time & Space "
                                          "skills, or select a different pet type.");
        QTest::newRow("MP") << "Option1" << int(Profession::MP) << mc << "MPAPETS.TXT";
        QTest::newRow("Engy") << "Option4" << int(Profession::Engineer) << mc << "ENGYPETS.TXT";
        QTest::newRow("Crat") << "Option5" << int(Profession::Bureaucrat) << mc << "CRATPETS.TXT";
        QTest::newRow("none")
            << "" << -1
            << QStringLiteral("First, select a pet type from the choices listed at the right.")
            << QString();
    }
    void theNamingWindowsProfessionIsPreselected() {
        QFETCH(QString, checked);
        QFETCH(int, profession);
        QFETCH(QString, prompt);
        QFETCH(QString, missing);
        TestFolder folder;
        OpenCalculator open(profession < 0 ? std::nullopt
                                           : std::optional(static_cast<Profession>(profession)));
        for (const QRadioButton* option : open.window.findChildren<QRadioButton*>()) {
            QCOMPARE(option->isChecked(), option->objectName() == checked);
        }
        QCOMPARE(labelText(open.window, "labelSkillText"), prompt);
        QCOMPARE(open.window.windowTitle(), QStringLiteral("Calculate Pet"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(open.window, "txtMCTS"));

        calculate(open.window, "12345");
        QList<Message> expected;
        if (!missing.isEmpty()) {
            expected.append(
                {QStringLiteral("A required file, %1, is missing. Please re-install Glimmbar")
                     .arg(missing),
                 QStringLiteral("A required file is missing!"), MessageIcon::Exclamation});
        }
        QCOMPARE(open.dialogs.messages, expected);
        QCOMPARE(child<QLineEdit>(open.window, "txtMCTS")->text(), QStringLiteral("12345"));
        QCOMPARE(results(open.window), kNoResults);
    }

    void aCalculationShowsTheResultsWithOneAmpersand() {
        TestFolder folder;
        folder.write(QStringLiteral("engypets.txt"), kEngyTable);
        OpenCalculator open(Profession::Engineer);
        frmCalculate& window = open.window;
        calculate(window, "300");
        QCOMPARE(results(window),
                 QStringList({"The best pet you can currently use is Gladiatorbot Shell (QL 12).",
                              "This nano requires MC/T&S skills of at least 250 to create the "
                              "shell, and 200 to prevent OE.",
                              "The next pet up from this is Warbot Shell (QL 40).",
                              "This nano requires MC/T&S skills of at least 600 to create the "
                              "shell, and 480 to prevent OE."}));

        // Five digits are too many: the box is corrected and no pet is usable.
        calculate(window, "12345");
        QCOMPARE(child<QLineEdit>(window, "txtMCTS")->text(), QStringLiteral("0"));
        const QStringList tooLow = results(window);
        QCOMPARE(tooLow.mid(0, 2), QStringList({"Your skills are too low to use any pets.", " "}));

        // Another category asks for its own skill and keeps the results until the next
        // calculation.
        QTest::mouseClick(child<QRadioButton>(window, "Option2"), Qt::LeftButton);
        QCOMPARE(labelText(window, "labelSkillText"),
                 QStringLiteral("Please enter your Biological Metamorphosis and Time & Space "
                                "skills, or select a different pet type."));
        QCOMPARE(results(window), tooLow);
        QVERIFY(open.dialogs.messages.isEmpty());
    }

    // Tab goes from the skill box to the two buttons, then to the categories; Close unloads
    // the window.
    void tabOrderAndClose() {
        RecordingDialogs dialogs;
        QPointer<frmCalculate> window = new frmCalculate(Profession::MP, dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (const char* next : {"Command1", "cmdClosethis", "Option1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
        QTest::mouseClick(child<QPushButton>(*window, "cmdClosethis"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
    }

    // The real message box is parented to the calculator while it shows the missing-file
    // message, and to nothing once the calculator is gone: a later message from another
    // window must not be parented to a window that no longer exists.
    void theMissingFileMessageIsARealMessageBox() {
        TestFolder folder;
        QtDialogs dialogs;
        QPointer<frmCalculate> window = new frmCalculate(Profession::Bureaucrat, dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
            QCOMPARE(box->parentWidget(), window.data());
            box->accept();
        });
        calculate(*window, "100");
        QCOMPARE(shown, QStringLiteral("A required file is missing!|A required file, "
                                       "CRATPETS.TXT, is missing. Please re-install Glimmbar"));
        window->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(dialogs.parentWindow() == nullptr);
    }
};

QTEST_MAIN(TestFrmCalculate)
#include "test_frmCalculate.moc"
