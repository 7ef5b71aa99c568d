// The Options window's side of glimmbar.cfg: its thirteen text boxes, the words a message uses
// for a box and its tab, and what OK stores. The window makes its boxes from this table.
#pragma once

#include "model/Messages.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <optional>
#include <span>

namespace glimmbar {

enum class OptionsTab { Scripting, Announcements };

// One text box of the Options window and the field it holds.
struct OptionsText {
    SettingsField line;
    QString Settings::*field;
    // "txtNaming". The Options window makes its text boxes from this table, so the name lives
    // here only.
    const char* boxName;
    const char* caption; // the label the player reads beside the box
    OptionsTab tab;
};

// The seven script names, the heal-pet delay and the five announcements.
inline constexpr std::size_t kOptionsTextCount = 13;

// The text boxes in the order they stand on their tabs: the script names first, then the delay
// and the announcements.
std::span<const OptionsText, kOptionsTextCount> optionsTexts();
// The box that shows a field, or nullptr when no Options text box does.
const OptionsText* optionsText(const TextField& field);
// How a message names a box, `The box "Name of Pet Naming script"`, and where it stands, "on
// the Scripting Options tab of the Options window".
QString optionsBoxWords(const OptionsText& text);
QString optionsTabWords(const OptionsText& text);

// Options OK: the thirteen texts and the follow flag of `shown` and the include flags of
// `shownSelection` go into glimmbar.cfg (with the program's own header line; every other line
// as stored) and petselect.cfg, and into the records `settings` and `selection`. A box holding
// what glimmbar.cfg cannot hold is refused, naming the box, before either file is touched. A
// file that cannot be written stops the save there and leaves its record as it was; the
// refusal says which file and why.
std::optional<Refusal> saveOptions(const Settings& shown, const PetSelection& shownSelection,
                                   Settings& settings, PetSelection& selection);

} // namespace glimmbar
