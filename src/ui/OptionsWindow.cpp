#include "ui/OptionsWindow.h"

#include "ui/EnterKey.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace glimmbar {

namespace {

struct TabSpec {
    const char* caption;
    const char* toolTip;
};

constexpr std::array<TabSpec, 4> kTabs = {{
    {"&Scripting Options", "Set Options for Group 1"},
    {"&Pet Announcements", "Set Options for Group 2"},
    {"&MP Pet Selections", "Set Options for Group 3"},
    {"&Engy/Crat Pet Selections", "Set Options for Group 4"},
}};

const QString kSelectionHeading =
    QStringLiteral("Pet types with a checkbox will be included in the pet renaming file");

// Switching tabs from the keyboard belongs to the window (Ctrl+Tab forward, wrapping, and
// nothing back), so the tab widget's own Ctrl+Tab / Ctrl+Shift+Tab handling is passed up.
class OptionsTabs final : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool tabKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (tabKey && event->modifiers().testFlag(Qt::ControlModifier)) {
            event->ignore();
            return;
        }
        QTabWidget::keyPressEvent(event);
    }
};

// The boxes hold names and texts of any length: a long one stored in glimmbar.cfg must load
// and save whole, not cut at Qt's default limit.
QLineEdit* makeTextBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

// A label the player reads beside a box, tied to it, so a screen reader announces the box by
// the same words.
QLabel* labelFor(const QString& caption, QWidget* box) {
    auto* label = new QLabel(caption);
    label->setBuddy(box);
    return label;
}

// No button of this window is the default: a player finishing a script name with Enter must
// not save or toggle anything by accident. Enter on a focused button still presses it.
QPushButton* makeButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

OptionsWindow::OptionsWindow(Settings& settings, PetSelection& selection, DialogSeam& dialogs,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , m_settings(settings)
    , m_selection(selection)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    m_tabs = new OptionsTabs;
    m_tabs->setObjectName(QStringLiteral("tbsOptions"));
    // All four captions stay whole; the window grows to fit them rather than scroll.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);
    const std::array<QWidget*, 4> panels = {
        buildScriptingPanel(),
        buildAnnouncementsPanel(),
        buildSelectionPanel("labelMPPetsHeader", rolesOnOptionsTab(OptionsPetTab::MP)),
        buildSelectionPanel("labelEngyCratPetHeader", rolesOnOptionsTab(OptionsPetTab::EngyCrat)),
    };
    for (std::size_t i = 0; i < panels.size(); ++i) {
        panels[i]->setObjectName(QStringLiteral("picOptions%1").arg(i));
        const int tab = m_tabs->addTab(panels[i], QLatin1String(kTabs[i].caption));
        m_tabs->setTabToolTip(tab, QLatin1String(kTabs[i].toolTip));
    }

    auto* cmdOK = makeButton(QStringLiteral("cmdOK"), QStringLiteral("&Ok"));
    auto* cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    connect(cmdOK, &QPushButton::clicked, this, &OptionsWindow::saveAndClose);
    connect(cmdCancel, &QPushButton::clicked, this, &OptionsWindow::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Fix the size before the window exists on screen, so it is never seen resizing.
    adjustSize();
    pressFocusedButtonOnEnter(*this);

    showStoredValues();
}

void OptionsWindow::showStoredValues() {
    m_txtScriptsDirName->setText(m_settings.ScriptsDirName);
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        m_text[i]->setText(m_settings.*optionsTexts()[i].field);
    }
    m_chkFollowOrBehind->setChecked(m_settings.FollowOrBehind);

    // An unreadable file leaves the flags as they were.
    loadPetSelection(m_selection);
    showFlags(m_selection.include);

    m_tabs->setCurrentIndex(0);
}

QWidget* OptionsWindow::buildScriptingPanel() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);

    m_txtScriptsDirName = makeTextBox(QStringLiteral("txtScriptsDirName"));
    grid->addWidget(
        labelFor(QStringLiteral("Anarchy Online Scripts Directory"), m_txtScriptsDirName), 0, 0, 1,
        2);
    grid->addWidget(m_txtScriptsDirName, 1, 0, 1, 2);

    int row = 2;
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        const OptionsText& option = optionsTexts()[i];
        if (option.tab == OptionsTab::Scripting) {
            m_text[i] = makeTextBox(QLatin1String(option.boxName));
            grid->addWidget(m_text[i], row, 0);
            grid->addWidget(labelFor(QLatin1String(option.caption), m_text[i]), row, 1);
            ++row;
        }
    }

    m_chkFollowOrBehind = new QCheckBox(QStringLiteral("Use /pet follow instead of /pet behind"));
    m_chkFollowOrBehind->setObjectName(QStringLiteral("chkFollowOrBehind"));
    grid->addWidget(m_chkFollowOrBehind, row, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* OptionsWindow::buildAnnouncementsPanel() {
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        const OptionsText& option = optionsTexts()[i];
        if (option.tab == OptionsTab::Announcements) {
            m_text[i] = makeTextBox(QLatin1String(option.boxName));
            column->addWidget(labelFor(QLatin1String(option.caption), m_text[i]));
            column->addWidget(m_text[i]);
            column->addSpacing(6);
        }
    }
    column->addStretch();
    return panel;
}

QWidget* OptionsWindow::buildSelectionPanel(const char* headerName,
                                            std::span<const PetRole> roles) {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);

    auto* heading = new QLabel(kSelectionHeading);
    heading->setObjectName(QLatin1String(headerName));
    layout->addWidget(heading);

    auto* columns = new QHBoxLayout;
    for (const PetRole role : roles) {
        columns->addLayout(buildRoleColumn(role), 1);
    }
    layout->addLayout(columns);
    return panel;
}

// One role's pet types top to bottom, and under them the role's toggle buttons in the
// catalogue's order (Lesser first).
QLayout* OptionsWindow::buildRoleColumn(PetRole role) {
    auto* column = new QVBoxLayout;
    for (const PetType& type : roleTypes(role)) {
        auto* box = new QCheckBox(QLatin1String(type.caption));
        box->setObjectName(QStringLiteral("chkInclude") + type.key());
        column->addWidget(box);
        m_include[petTypeIndex(type)] = box;
    }
    column->addStretch();
    column->addSpacing(8);
    for (const ToggleGroup& group : toggleGroups()) {
        if (group.role == role) {
            auto* button =
                makeButton(QLatin1String(group.buttonName), QLatin1String(group.caption));
            connect(button, &QPushButton::clicked, this, [this, &group] { toggleGroup(group); });
            column->addWidget(button);
        }
    }
    return column;
}

void OptionsWindow::applyTo(Settings& settings, PetSelection& selection) const {
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        settings.*optionsTexts()[i].field = m_text[i]->text();
    }
    settings.FollowOrBehind = m_chkFollowOrBehind->isChecked();
    selection.include = shownFlags();
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
        selectNextTab();
        return;
    }
    QDialog::keyPressEvent(event);
}

void OptionsWindow::selectNextTab() {
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + 1) % m_tabs->count());
}

void OptionsWindow::toggleGroup(const ToggleGroup& group) {
    showFlags(toggledFlags(group, shownFlags()));
}

// A save that did not happen must not look like one: the player is told why, and the window
// stays open with everything still on screen, ready for another OK. When a box's text is the
// reason, that box is shown and focused.
void OptionsWindow::saveAndClose() {
    Settings shown = m_settings;
    PetSelection shownSelection = m_selection;
    applyTo(shown, shownSelection);
    const std::optional<Refusal> failed =
        saveOptions(shown, shownSelection, m_settings, m_selection);
    if (!failed) {
        accept();
        return;
    }
    {
        const ParentWindowScope messagesBelongHere(m_dialogs, this);
        m_dialogs.showMessage(failed->message);
    }
    if (failed->box != nullptr) {
        QLineEdit* box = m_text[static_cast<std::size_t>(failed->box - optionsTexts().data())];
        m_tabs->setCurrentWidget(box->parentWidget());
        box->setFocus();
    }
}

IncludeFlags OptionsWindow::shownFlags() const {
    IncludeFlags flags(m_include.size());
    for (std::size_t i = 0; i < flags.size(); ++i) {
        flags[i] = m_include[i]->isChecked();
    }
    return flags;
}

void OptionsWindow::showFlags(const IncludeFlags& flags) {
    for (std::size_t i = 0; i < flags.size(); ++i) {
        m_include[i]->setChecked(flags[i]);
    }
}

} // namespace glimmbar
