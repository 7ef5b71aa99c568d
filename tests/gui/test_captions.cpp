// Every caption of every window whole at the font sizes players use: 8 points as the windows
// were drawn, 9 (Qt's default here), 11 (a usual Linux desktop) and 14.
#include "ui/frmBrowseFolder.h"
#include "ui/frmCalculate.h"
#include "ui/frmNamingScreen.h"
#include "ui/frmNewAbout.h"
#include "ui/frmOptions.h"

#include "GuiTestRules.h"
#include "RecordingDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

using namespace glimmbar;

namespace {

// Where the style draws a button's caption: beside the indicator of a check or radio box,
// inside the frame of a push button.
QRect captionRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const auto element = qobject_cast<const QCheckBox*>(&button) ? QStyle::SE_CheckBoxContents
                         : qobject_cast<const QRadioButton*>(&button)
                             ? QStyle::SE_RadioButtonContents
                             : QStyle::SE_PushButtonContents;
    return button.style()->subElementRect(element, &option, &button);
}

// The shown controls of `window` whose caption is cut or that stick out of their parent.
QStringList cutCaptions(const QWidget& window) {
    QStringList cut;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        const QString where = window.objectName() + QLatin1Char('/') +
                              w->metaObject()->className() + QLatin1Char(' ') + w->objectName() +
                              QLatin1Char(' ');
        if (!w->parentWidget()->rect().contains(w->geometry())) {
            cut << where + QStringLiteral("outside its parent");
        }
        const QFontMetrics fm = w->fontMetrics();
        QString caption;
        QRect room;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const QSize need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                                 : label->sizeHint();
            if (need.width() > label->width() || need.height() > label->height()) {
                cut << where + label->text();
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            caption = button->text();
            room = captionRoom(*button);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            caption = box->title();
            room = box->rect().adjusted(fm.averageCharWidth(), 0, -fm.averageCharWidth(), 0);
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (fm.horizontalAdvance(tabs->tabText(i).remove(QLatin1Char('&'))) >
                        tabs->tabRect(i).width() ||
                    !tabs->rect().contains(tabs->tabRect(i))) {
                    cut << where + tabs->tabText(i);
                }
            }
        }
        for (const QString& line : caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
                                       .remove(QLatin1Char('&'))
                                       .replace(QLatin1Char('\x01'), QLatin1Char('&'))
                                       .split(QLatin1Char('\n'))) {
            if (!line.isEmpty() &&
                (fm.horizontalAdvance(line) > room.width() || fm.height() > room.height())) {
                cut << where + line;
            }
        }
    }
    return cut;
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void everyCaptionFitsItsControl_data() {
        QTest::addColumn<int>("points");
        for (int points : {8, 9, 11, 14}) {
            QTest::addRow("%d points", points) << points;
        }
    }
    void everyCaptionFitsItsControl() {
        QFETCH(int, points);
        const QFont before = QApplication::font();
        QApplication::setFont(QFont(before.family(), points));
        TestFolder folder;
        QVERIFY(CreateDefaultSettings());
        Settings settings;
        PetSelection selection;
        QVERIFY(CreateDefaultPetSelection(selection));
        RecordingDialogs dialogs;
        frmBrowseFolder welcome(settings, selection, dialogs);
        frmNamingScreen naming(settings, selection, dialogs);
        frmOptions options(settings, selection, dialogs);
        frmCalculate calculator(std::nullopt, dialogs);
        frmNewAbout about;
        QStringList cut;
        for (QWidget* window : QWidgetList{&welcome, &naming, &calculator, &about}) {
            window->show();
            cut << cutCaptions(*window);
        }
        options.show();
        auto* tabs = options.findChild<QTabWidget*>();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            cut << cutCaptions(options);
        }
        QApplication::setFont(before);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
