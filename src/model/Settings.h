// glimmbar.cfg: thirty lines, one value a line, no keys. The line order is the format; the
// game folder, the last profession, the remembered pet names and every Options value live
// here.
#pragma once

#include "FileLayer.h"
#include "Messages.h"
#include "PetCatalogue.h"
#include "PetSelection.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace glimmbar {

inline const QString kSettingsFileName = QStringLiteral("glimmbar.cfg");
inline const QString kNoScriptsDir = QStringLiteral("(None)");
// Stands on the name line of a pet name the player did not ask to remember.
inline const QString kForgottenName = QStringLiteral("Empty");

// The lines of the file, in order (line 1 is TitleString).
enum class SettingsField {
    TitleString,
    TitleVersion,
    ScriptsDirName,
    LastModeUsedMEC,
    NewHealPetDelay,
    RememberAttack,
    AttackPetName,
    RememberHeal,
    HealPetName,
    RememberMezz,
    MezzPetName,
    RememberEngy,
    EngyPetName,
    RememberMechdog,
    MechdogPetName,
    RememberCrat,
    CratPetName,
    Naming,
    Attack,
    Heal,
    Healme,
    Mezz,
    Behind,
    MezzBehind,
    MPAttackAnnounce,
    MPHealAnnounce,
    MPMezzAnnounce,
    EngyAnnounce,
    CratAnnounce,
    FollowOrBehind,
};

inline constexpr int kSettingsLineCount = 30;

// The one in-memory record of glimmbar.cfg. Fields are named after the controls that show
// them; the file's line order is SettingsField's.
struct Settings {
    QString TitleString;
    QString TitleVersion;
    QString ScriptsDirName;
    QString LastModeUsedMEC;
    QString NewHealPetDelay;
    // Each pet role's name box, and whether the player asked for it to be remembered.
    QString AttackPetName;
    QString HealPetName;
    QString MezzPetName;
    QString EngyPetName;
    QString MechdogPetName;
    QString CratPetName;
    bool RememberAttack = false;
    bool RememberHeal = false;
    bool RememberMezz = false;
    bool RememberEngy = false;
    bool RememberMechdog = false;
    bool RememberCrat = false;
    // The Options window's script names and announcements.
    QString Naming;
    QString Attack;
    QString Heal;
    QString Healme;
    QString Mezz;
    QString Behind;
    QString MezzBehind;
    QString MPAttackAnnounce;
    QString MPHealAnnounce;
    QString MPMezzAnnounce;
    QString EngyAnnounce;
    QString CratAnnounce;
    bool FollowOrBehind = false;

    // What a first start writes.
    static Settings defaults();

    // The pet name and the Remember Name flag of one pet role.
    QString& petName(PetRole role);
    const QString& petName(PetRole role) const;
    bool& remembers(PetRole role);
    bool remembers(PetRole role) const;

    // The text of one line as a save writes it: flags as "1"/"0", a name that is not
    // remembered as "Empty".
    QString lineText(SettingsField field) const;
    // All thirty lines as a save writes them.
    QStringList lines() const;
    // The fields a save writes as typed, in line order: the game folder, the delay, each pet
    // name that is remembered, the script names and the announcements. The header, version and
    // profession lines are left out: they come from the file itself or from the program.
    std::vector<QString Settings::*> typedLines() const;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Reads the file into `settings`. A short file leaves the later fields as they were; a
// remember flag is set only by a line that is exactly "1". False when the file cannot be
// opened (and `settings` is untouched).
bool LoadSettings(Settings& settings, const QString& file = kSettingsFileName);

WriteResult SaveSettings(const Settings& settings, const QString& file = kSettingsFileName);

// Rewrites only the lines of `fields`, taking their values from `values`; every other line is
// written back exactly as it was read (a line a short file lacks counts as empty). When
// `loaded` is given, it takes the same new values and keeps its other fields.
WriteResult UpdateSettingsFile(const Settings& values, const std::vector<SettingsField>& fields,
                               Settings* loaded = nullptr, const QString& file = kSettingsFileName);

WriteResult CreateDefaultSettings(const QString& file = kSettingsFileName);

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

// The Options window's thirteen text boxes in the order they stand on their tabs: the seven
// script names first, then the heal-pet delay and the five announcements.
std::span<const OptionsText> optionsTexts();
// The seven script names, the first seven of optionsTexts().
std::span<const OptionsText> scriptNames();
// The box that shows a field, or nullptr when no Options text box does.
const OptionsText* optionsText(QString Settings::*field);
// How a message names a box, `The box "Name of Pet Naming script"`, and where it stands, "on
// the Scripting Options tab of the Options window".
QString optionsBoxWords(const OptionsText& text);
QString optionsTabWords(const OptionsText& text);

// Why Options OK does not save: the message, and the text box to change when a box's text is
// the reason.
struct OptionsNotSaved {
    Message message;
    const OptionsText* box = nullptr;
};

// Options OK: the thirteen texts and the follow flag of `shown` and the include flags of
// `shownSelection` go into glimmbar.cfg (with the program's own header line; every other line
// as stored) and petselect.cfg, and into the records `settings` and `selection`. A file that
// cannot be written stops the save there and leaves its record as it was; the message says
// which file and why. A box holding what glimmbar.cfg cannot hold is refused before either
// file is touched.
std::optional<OptionsNotSaved> SaveOptions(const Settings& shown,
                                           const PetSelection& shownSelection, Settings& settings,
                                           PetSelection& selection);

} // namespace glimmbar
