// glimmbar.cfg: thirty lines, one value a line, no keys. The line order is the format; the
// game folder, the last profession, the remembered pet names and every Options value live
// here. A pet role added after the first six keeps its two lines after the thirtieth.
#pragma once

#include "files/FileLayer.h"
#include "model/FileNames.h"
#include "model/PetRoles.h"

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace glimmbar {

// Line 1 as the program writes it.
inline const QString kSettingsHeader = QStringLiteral("Glimmbar Config File");
inline const QString kNoScriptsDir = QStringLiteral("(None)");
// Stands on the name line of a pet name the player did not ask to remember.
inline const QString kForgottenName = QStringLiteral("Empty");

class TextField;

// The pet roles whose lines stand in the middle of the file: the six it has always had.
inline constexpr std::size_t kRolesInTheMiddle = 6;
static_assert(kRoleCount >= kRolesInTheMiddle);

// The lines of the file, in order (line 1 is TitleString). After the heal-pet delay come two
// lines for each of the first six pet roles in role order, its Remember Name flag and then its
// name; after FollowOrBehind the same two lines for each role added since.
enum class SettingsField {
    TitleString,
    TitleVersion,
    ScriptsDirName,
    LastModeUsedMEC,
    NewHealPetDelay,
    Naming = NewHealPetDelay + 1 + 2 * static_cast<int>(kRolesInTheMiddle),
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

inline constexpr int kSettingsLineCount = static_cast<int>(SettingsField::FollowOrBehind) + 1 +
                                          2 * static_cast<int>(kRoleCount - kRolesInTheMiddle);
// Players' files have these thirty lines, and every Glimmbar reads them by their place. Lines
// added after them keep the file readable by older copies (which read thirty lines and stop)
// and older files readable here (a missing line leaves its value as it was); moving one of the
// thirty needs a new layout version and a way to read the old one.
static_assert(static_cast<int>(SettingsField::FollowOrBehind) == 29,
              "the thirty lines of glimmbar.cfg keep their places");

// The one in-memory record of glimmbar.cfg. Fields are named after the controls that show
// them; the file's line order is SettingsField's.
struct Settings {
    QString TitleString;
    QString TitleVersion;
    QString ScriptsDirName;
    QString LastModeUsedMEC;
    QString NewHealPetDelay;
    // Each pet role's name box, and whether the player asked for it to be remembered, in role
    // order: read them through petName() and remembers().
    std::array<QString, kRoleCount> PetNames;
    std::array<bool, kRoleCount> RememberNames{};
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
    // All the lines (thirty, and two for each role added since) as a save writes them.
    QStringList lines() const;
    // The fields a save writes as typed, in line order: the game folder, the delay, each pet
    // name that is remembered, the script names and the announcements. The header, version and
    // profession lines are left out: they come from the file itself or from the program.
    std::vector<TextField> typedLines() const;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// One typed text of the record: a field of its own (the game folder, the delay, a script name,
// an announcement) or one pet role's name. The Create Files checks follow each text by this
// into every file it goes into, and name the box the player typed it in.
class TextField {
public:
    // A field of its own; not explicit, so the tables name their fields as they are.
    constexpr TextField(QString Settings::*field)
        : m_field(field) {}
    static constexpr TextField petName(PetRole role) {
        TextField name(nullptr);
        name.m_role = role;
        return name;
    }

    const QString& in(const Settings& settings) const;
    QString& in(Settings& settings) const;
    // The role whose name this is; nullopt for a field of its own.
    std::optional<PetRole> role() const { return m_role; }

    friend bool operator==(const TextField&, const TextField&) = default;

private:
    QString Settings::*m_field = nullptr;
    std::optional<PetRole> m_role;
};

// Reads the file into `settings`. A short file leaves the later fields as they were; a
// remember flag is set only by a line that is exactly "1". False when the file cannot be
// opened (and `settings` is untouched).
bool loadSettings(Settings& settings, const QString& file = kSettingsFileName);

FileResult saveSettings(const Settings& settings, const QString& file = kSettingsFileName);

// Rewrites only the lines of `fields`, taking their values from `values`; every other line is
// written back exactly as it was read (a line a short file lacks counts as empty). When
// `loaded` is given, it takes the same new values and keeps its other fields.
FileResult updateSettingsFile(const Settings& values, const std::vector<SettingsField>& fields,
                              Settings* loaded = nullptr, const QString& file = kSettingsFileName);

FileResult createDefaultSettings(const QString& file = kSettingsFileName);

} // namespace glimmbar
