// Every window's fixed texts, word for word and with their access keys, against one table
// (tests/data/texts/window-texts.tsv), and every caption whole at the font sizes players use: 8
// points as the windows were drawn, 9 (Qt's default here), 11 (a usual Linux desktop) and 14.
// Each window opens afresh, as the program makes it.
#include "ui/AboutWindow.h"
#include "ui/CalculatorWindow.h"
#include "ui/NamingWindow.h"
#include "ui/OptionsWindow.h"
#include "ui/WelcomeWindow.h"

#include "GuiTestRules.h"
#include "ProgramState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include <memory>
#include <optional>

using namespace glimmbar;

namespace {

const QStringList kWindows = {"frmBrowseFolder", "frmNamingScreen", "frmCalculate", "frmNewAbout",
                              "frmOptions"};

// One window as the program opens it, with a first-run working folder of its own.
struct OpenWindow : ProgramState {
    std::unique_ptr<QWidget> window;

    explicit OpenWindow(const QString& name, const QList<GameInstall>& installs = {}) {
        QVERIFY(createDefaultSettings() && createDefaultPetSelection(selection));
        QVERIFY(loadSettings(settings));
        if (name == QLatin1String("frmBrowseFolder")) {
            // With no game found (as the texts table has it), Ok opens the folder dialog and no
            // list is offered.
            window = std::make_unique<WelcomeWindow>(settings, dialogs, installs);
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

// The shown controls of `window` whose caption is cut or that stick out of their parent. A
// button's caption has to fit where its style draws it: beside a check or radio indicator,
// inside a push button's frame.
QStringList cutCaptions(const QWidget& window, int points) {
    QStringList cut;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QString where =
            QStringLiteral("%1 pt %2/%3 ").arg(points).arg(window.objectName(), w->objectName());
        const QString caption =
            w->property("text").toString().replace("&&", "\x01").remove('&').replace('\x01', '&');
        QSize need;
        QRect room = w->rect();
        if (!w->isVisible()) {
            continue;
        } else if (!w->parentWidget()->rect().contains(w->geometry())) {
            cut << where + "outside its parent";
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            need =
                label->wordWrap() ? QSize(0, label->heightForWidth(w->width())) : label->sizeHint();
        } else if (qobject_cast<const QAbstractButton*>(w) != nullptr && !caption.isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(w);
            room = w->style()->subElementRect(
                qobject_cast<const QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                : qobject_cast<const QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_PushButtonContents,
                &option, w);
            need = w->fontMetrics().size(0, caption);
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const int width = w->fontMetrics().horizontalAdvance(tabs->tabText(i).remove('&'));
                if (width > tabs->tabRect(i).width() || !w->rect().contains(tabs->tabRect(i))) {
                    cut << where + tabs->tabText(i);
                }
            }
        }
        if (need.width() > room.width() || need.height() > room.height()) {
            cut << where + caption;
        }
    }
    return cut;
}

} // namespace

class TestWindowTexts : public GuiTest {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion("1.05.03"); }

    // No two captions of a window share an access key.
    void everyTextAsDesigned_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected");
        static const QRegularExpression caption(QStringLiteral("^(text|label|tabText/.*)$"));
        QMap<QString, QString> captionsByKey; // window and access key -> the caption's row
        for (const QStringList& field : dataTable("texts/window-texts.tsv", "\t")) {
            QVERIFY2(field.size() == 4, qPrintable(field.join(QLatin1Char('\t'))));
            const QString name = (field[1].isEmpty() ? field[0] : field[0] + '/' + field[1]) +
                                 QLatin1Char(' ') + field[2];
            const QString text = QString(field[3]).replace("\\s", " ").replace("\\n", "\n");
            const QString key = field[0] + QKeySequence::mnemonic(text).toString();
            if (key != field[0] && caption.match(field[2]).hasMatch()) {
                QVERIFY2(!captionsByKey.contains(key),
                         qPrintable(name + ", " + captionsByKey[key]));
                captionsByKey.insert(key, name);
            }
            QTest::newRow(qPrintable(name)) << field[0] << field[1] << field[2] << text;
        }
        QVERIFY(!captionsByKey.isEmpty());
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
    }

    // The welcome window lists two games found.
    void everyCaptionFitsItsControl() {
        const QFont before = QApplication::font();
        const QList<GameInstall> installs{
            {"/home/player/.local/share/Steam/steamapps/common/Anarchy Online", "Steam"},
            {"/home/player/.wine/drive_c/Funcom/Anarchy Online", "Wine"}};
        QStringList cut;
        for (int points : {8, 9, 11, 14}) {
            QApplication::setFont(QFont(before.family(), points));
            for (const QString& name : kWindows) {
                OpenWindow open(name, installs);
                open.window->show();
                cut << cutCaptions(*open.window, points);
                for (QTabWidget* tabs : open.window->findChildren<QTabWidget*>()) {
                    for (int tab = 1; tab < tabs->count(); ++tab) {
                        tabs->setCurrentIndex(tab);
                        cut << cutCaptions(*open.window, points);
                    }
                }
            }
        }
        QApplication::setFont(before);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestWindowTexts)
#include "test_windowtexts.moc"
