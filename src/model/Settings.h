// glimmbar.cfg: thirty lines, one value a line, no keys. The line order is the format; the
// game folder, the last profession, the remembered pet names and every Options value live
// here.
#pragma once

#include "FileLayer.h"
#include "PetCatalogue.h"

#include <QString>

#include <initializer_list>

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
// them.
struct Settings {
    QString TitleString;
    QString TitleVersion;
    QString ScriptsDirName;
    QString LastModeUsedMEC;
    QString NewHealPetDelay;
    bool RememberAttack = false;
    QString AttackPetName;
    bool RememberHeal = false;
    QString HealPetName;
    bool RememberMezz = false;
    QString MezzPetName;
    bool RememberEngy = false;
    QString EngyPetName;
    bool RememberMechdog = false;
    QString MechdogPetName;
    bool RememberCrat = false;
    QString CratPetName;
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
WriteResult UpdateSettingsFile(const Settings& values, std::initializer_list<SettingsField> fields,
                               Settings* loaded = nullptr, const QString& file = kSettingsFileName);

WriteResult CreateDefaultSettings(const QString& file = kSettingsFileName);

// Line 3 of the file, or an empty string when the file cannot be read that far.
QString ReadScriptsDirName(const QString& file = kSettingsFileName);

} // namespace glimmbar
