// The Options window: script file names, the heal-pet delay, follow or behind, the pets' chat
// announcements, and which pet types the naming script renames. It edits its own copy of
// these values on screen; OK stores them in glimmbar.cfg and petselect.cfg, Cancel drops them.
#pragma once

#include "model/Options.h"
#include "model/PetCatalogue.h"
#include "model/PetRoles.h"
#include "model/PetSelection.h"
#include "model/Settings.h"
#include "ui/DialogSeam.h"

#include <QDialog>

#include <array>
#include <span>

class QCheckBox;
class QLayout;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace glimmbar {

class OptionsWindow : public QDialog {
    Q_OBJECT

public:
    // Fills the controls from `settings` and from petselect.cfg, which is read into
    // `selection` each time the window is made. The window deletes itself when it closes.
    OptionsWindow(Settings& settings, PetSelection& selection, DialogSeam& dialogs,
                  QWidget* parent = nullptr);

    // Writes what the window shows, saved or not, into the given records: the fourteen
    // Options fields and the 56 include flags. Create Files uses this while the window is open.
    void applyTo(Settings& settings, PetSelection& selection) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showStoredValues();
    QWidget* buildScriptingPanel();
    QWidget* buildAnnouncementsPanel();
    QWidget* buildSelectionPanel(const char* headerName, std::span<const PetRole> roles);
    QLayout* buildRoleColumn(PetRole role);

    void selectNextTab();
    void toggleGroup(const ToggleGroup& group);
    void saveAndClose();

    IncludeFlags shownFlags() const;
    void showFlags(const IncludeFlags& flags);

    Settings& m_settings;
    PetSelection& m_selection;
    DialogSeam& m_dialogs;

    QTabWidget* m_tabs = nullptr;
    // Shown only: the game folder is chosen in the folder window, never here.
    QLineEdit* m_txtScriptsDirName = nullptr;
    // The text boxes, in the order of optionsTexts().
    std::array<QLineEdit*, kOptionsTextCount> m_text{};
    QCheckBox* m_chkFollowOrBehind = nullptr;
    // One box per pet type, in catalogue order.
    std::vector<QCheckBox*> m_include = std::vector<QCheckBox*>(petTypes().size());
};

} // namespace glimmbar
