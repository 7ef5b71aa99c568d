// Every caption of every window whole at the font sizes players use: 8 points as the windows
// were drawn, 9 (Qt's default here), 11 (a usual Linux desktop) and 14.
#include "ui/AboutWindow.h"
#include "ui/CalculatorWindow.h"
#include "ui/NamingWindow.h"
#include "ui/OptionsWindow.h"
#include "ui/WelcomeWindow.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

using namespace glimmbar;

// The shown controls of `window` whose caption is cut or that stick out of their parent. A
// button's caption has to fit where its style draws it: beside a check or radio indicator,
// inside a push button's frame.
static QStringList cutCaptions(const QWidget& window, int points) {
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

class TestCaptions : public GuiTest {
    Q_OBJECT

private slots:
    void everyCaptionFitsItsControl() {
        const QFont before = QApplication::font();
        QCoreApplication::setApplicationVersion("1.05.03");
        QStringList cut;
        for (int points : {8, 9, 11, 14}) {
            QApplication::setFont(QFont(before.family(), points));
            TestFolder folder;
            Settings settings;
            PetSelection selection;
            QVERIFY(createDefaultSettings() && createDefaultPetSelection(selection));
            RecordingDialogs dialogs;
            const QList<GameInstall> installs{
                {QStringLiteral("/home/player/.local/share/Steam/steamapps/common/Anarchy Online"),
                 QStringLiteral("Steam")},
                {QStringLiteral("/home/player/.wine/drive_c/Funcom/Anarchy Online"),
                 QStringLiteral("Wine")}};
            WelcomeWindow welcome(settings, dialogs, installs);
            NamingWindow naming(settings, selection, dialogs);
            CalculatorWindow calculator(std::nullopt, dialogs);
            AboutWindow about;
            QVERIFY(
                about.findChild<QLabel*>("labelAboutText")->text().startsWith("Glimmbar v1.5.3\n"));
            OptionsWindow options(settings, selection, dialogs);
            for (QWidget* window : QWidgetList{&welcome, &naming, &calculator, &about, &options}) {
                window->show();
                cut << cutCaptions(*window, points);
            }
            auto* tabs = options.findChild<QTabWidget*>();
            for (int tab = 1; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                cut << cutCaptions(options, points);
            }
        }
        QApplication::setFont(before);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
