// Every fixed text of every window, word for word and with its access key, against one table:
// tests/data/texts/window-texts.tsv. Each row opens its window afresh, as the program makes it.
#include "ui/AboutWindow.h"
#include "ui/CalculatorWindow.h"
#include "ui/NamingWindow.h"
#include "ui/OptionsWindow.h"
#include "ui/WelcomeWindow.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QTabWidget>

#include <memory>
#include <optional>

using namespace glimmbar;

namespace {

// One window as the program opens it, with a first-run working folder of its own.
struct OpenWindow {
    TestFolder folder;
    Settings settings;
    PetSelection selection;
    RecordingDialogs dialogs;
    std::unique_ptr<QWidget> window;

    explicit OpenWindow(const QString& name) {
        QVERIFY(createDefaultSettings() && createDefaultPetSelection(selection));
        QVERIFY(loadSettings(settings));
        if (name == QLatin1String("frmBrowseFolder")) {
            // No game found on this computer: Ok opens the folder dialog, no list is offered.
            window = std::make_unique<WelcomeWindow>(settings, dialogs);
        } else if (name == QLatin1String("frmNamingScreen")) {
            window = std::make_unique<NamingWindow>(settings, selection, dialogs);
            // A pet row is made when its profession first shows.
            for (const char* profession : {"Option2", "Option3", "Option1"}) {
                window->findChild<QAbstractButton*>(QLatin1String(profession))->click();
            }
        } else if (name == QLatin1String("frmCalculate")) {
            // No profession chosen: the prompt keeps its first text.
            window = std::make_unique<CalculatorWindow>(std::nullopt, dialogs);
        } else if (name == QLatin1String("frmNewAbout")) {
            window = std::make_unique<AboutWindow>();
        } else if (name == QLatin1String("frmOptions")) {
            window = std::make_unique<OptionsWindow>(settings, selection, dialogs);
        }
    }
};

// What the player reads as `property` of `control`: a Qt property, "label" for the one label
// tied to the control, or "tabText/N" and "tabToolTip/N" for tab N (from 1) of a tab widget.
// Nothing when the control has no such text.
std::optional<QString> shownText(const QWidget& window, const QWidget& control,
                                 const QString& property) {
    if (property == QLatin1String("label")) {
        QStringList labels;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (label->buddy() == &control) {
                labels << label->text();
            }
        }
        return labels.size() == 1 ? std::optional(labels.front()) : std::nullopt;
    }
    const auto* tabs = qobject_cast<const QTabWidget*>(&control);
    const int tab = property.section(QLatin1Char('/'), 1).toInt() - 1;
    if (tabs != nullptr && tab >= 0 && tab < tabs->count()) {
        if (property.startsWith(QLatin1String("tabText/"))) {
            return tabs->tabText(tab);
        }
        if (property.startsWith(QLatin1String("tabToolTip/"))) {
            return tabs->tabToolTip(tab);
        }
    }
    const QVariant value = control.property(qPrintable(property));
    return value.typeId() == QMetaType::QString ? std::optional(value.toString()) : std::nullopt;
}

// The captions of the window that Alt+`key` reaches: buttons, labels tied to a control, tabs.
QStringList captionsReachedBy(const QWidget& window, const QKeySequence& key) {
    QStringList captions;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        captions << button->text();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            captions << label->text();
        }
    }
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            captions << tabs->tabText(tab);
        }
    }
    captions.removeIf(
        [&](const QString& caption) { return QKeySequence::mnemonic(caption) != key; });
    return captions;
}

} // namespace

class TestWindowTexts : public GuiTest {
    Q_OBJECT

private slots:
    void everyTextAsDesigned_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected");
        const QStringList lines =
            dataLines(QStringLiteral(GLIMMBAR_TEST_DATA "/texts/window-texts.tsv"));
        QVERIFY(!lines.isEmpty());
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1Char('#'))) {
                continue;
            }
            const QStringList field = line.split(QLatin1Char('\t'));
            QVERIFY2(field.size() == 4, qPrintable(line));
            const QString name = (field[1].isEmpty() ? field[0] : field[0] + '/' + field[1]) +
                                 QLatin1Char(' ') + field[2];
            QTest::newRow(qPrintable(name))
                << field[0] << field[1] << field[2] << QString(field[3]).replace("\\s", " ");
        }
    }

    void everyTextAsDesigned() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(QString, expected);
        OpenWindow open(window);
        QVERIFY2(open.window != nullptr, "no such window");
        QCOMPARE(open.window->objectName(), window);
        open.window->show();
        const QWidget* shown =
            control.isEmpty() ? open.window.get() : open.window->findChild<QWidget*>(control);
        QVERIFY2(shown != nullptr, "the window has no control of that name");
        const std::optional<QString> text = shownText(*open.window, *shown, property);
        QVERIFY2(text.has_value(), "the control has no such text");
        QCOMPARE(*text, expected);

        // The access key reaches this caption and nothing else in its window.
        const bool caption = property == QLatin1String("text") ||
                             property == QLatin1String("label") ||
                             property.startsWith(QLatin1String("tabText/"));
        const QKeySequence key = QKeySequence::mnemonic(expected);
        if (caption && !key.isEmpty()) {
            const QStringList reached = captionsReachedBy(*open.window, key);
            QVERIFY2(reached.size() == 1, qPrintable(reached.join(QStringLiteral(", "))));
        }
    }
};

QTEST_MAIN(TestWindowTexts)
#include "test_windowtexts.moc"
