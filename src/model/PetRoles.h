// The three pet professions, their six pet roles, and the roles' table: one row each, with
// everything that differs from one role to the next. The catalogue, the settings file, the
// Create Files checks, the script writer, the calculator and the naming, Options and calculator
// windows all read these rows, so a new role is a new row (with its picture and its calculator
// table).
#pragma once

#include "model/PetCategories.h" // CalcPetType, written from data/pet-tables.tsv

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace glimmbar {

// The settings record (Settings.h) keeps a name for each role, so it includes this header; the
// rows point at its fields, which needs only these declarations.
struct Settings;
class TextField;

enum class Profession { MP, Engineer, Bureaucrat };

// What differs from one profession to the next, besides its roles.
struct ProfessionRow {
    Profession profession;
    const char* text;         // "MP": as glimmbar.cfg stores it
    const char* caption;      // the naming window's choice, with its access key
    const char* successWords; // "a Meta-Physicist", as Create Files' success message says it
    const char* namingLink;   // the help file's first link, which runs the naming script
};

// In the order of the naming window's choices.
std::span<const ProfessionRow> professions();
const ProfessionRow& professionRow(Profession profession);

// "MP", "Engineer" or "Bureaucrat": the text the settings file stores.
QString professionText(Profession profession);
// Exact, case-sensitive match of a stored text; nullopt for anything else.
std::optional<Profession> professionFromText(const QString& text);

// In role order, which is also the order of the roles' lines in glimmbar.cfg and of their types
// in petselect.cfg: a new role goes last (before Count), so players' files keep their meaning.
// Each role's facts are its row in PetRoles.cpp.
enum class PetRole { Attack, Heal, Mezz, Engy, Mechdog, Crat, Count };

inline constexpr std::size_t kRoleCount = static_cast<std::size_t>(PetRole::Count);
inline constexpr std::array<PetRole, kRoleCount> kAllRoles = [] {
    std::array<PetRole, kRoleCount> all{};
    for (std::size_t i = 0; i < kRoleCount; ++i) {
        all.at(i) = static_cast<PetRole>(i);
    }
    return all;
}();

// The role key: "attack", "heal", "mezz", "engy", "mechdog", "crat".
const char* roleKey(PetRole role);
Profession roleProfession(PetRole role);
std::span<const PetRole> professionRoles(Profession profession);

// One pet type of a role: the caption the Options window shows and, where the game spells the
// type otherwise ("Biazu the Vile", "Ignatus Mind-Clouder"), the game's spelling.
struct PetTypeNames {
    const char* caption;
    const char* gameSpelling = nullptr;
};

// A toggle button under a role's column: its rows counted from 0 at the top of the column.
// The button name lives only here: the Options window makes its buttons from these rows.
struct RoleToggle {
    const char* buttonName; // "cmdToggleMPALesser"
    const char* caption;    // "Toggle Lesser Pets"
    int firstRow;
    int rowCount;
    int decidingRow;
};

// A line of the in-game help file: the link text, the macro before the script name, the script.
struct HelpLink {
    const char* text;
    const char* macroPrefix;
    QString Settings::*scriptName;
};

// Which pet command scripts a role's name goes into.
enum class RoleScripts {
    None,
    AnnouncedAttack, // the announcement goes into the profession's general attack script
    CombatPet,       // a command script (attack or mezz) and a behind/follow script
    HealPet,         // a heal script and a heal-me script
};

enum class OptionsPetTab { MP, EngyCrat };

// The groups of a row. A member with a default may be left out of a row that has no use for
// it; the others every role has.

// The naming window's row: its caption, its picture and the picture's name, the line it stands
// on (1 at the top; rows of different professions share lines, and the rows of one profession
// are two lines apart), and the stem of the names of its boxes ("Attack": txtAttackPetName and
// chkRememberAttack). The picture names ("Image2") are the window's oldest names and follow no
// rule, so this row is the one place they can live.
struct NamingRow {
    const char* caption;
    const char* picture; // in resources/glimmbar.qrc
    const char* pictureName;
    int line;
    const char* fieldStem;
};

// The name checks of Create Files. With no label the name is not checked at all; with no
// missing text it may be left empty (a profession whose roles all may be left empty needs at
// least one of them named).
struct NameCheck {
    const char* lengthLabel = nullptr; // "attack pet", as the too-short message says it
    const char* missingText = nullptr;
    const char* refusalWords; // "your attack pet"
};

// The scripts the role's name goes into.
struct ScriptsRow {
    // The naming script renames the role's pets when this other role's name is typed (the
    // mech dogs go with the robot); with none, when the role's own name is.
    std::optional<PetRole> namedWith = std::nullopt;
    QString Settings::*announcement = nullptr;
    RoleScripts kind = RoleScripts::None;
    QString Settings::*commandScript = nullptr; // CombatPet: attack or mezz; HealPet: heal
    QString Settings::*secondScript = nullptr;  // CombatPet: behind/follow; HealPet: heal-me
    std::span<const HelpLink> helpLinks = {};
};

// The Options window's column: its tab, its types from the top down, its toggle buttons.
struct OptionsColumn {
    OptionsPetTab tab;
    std::span<const PetTypeNames> types;
    std::span<const RoleToggle> toggles;
};

// The calculator's category, the caption of its choice (with its access key), the nano skill
// its pets need, and whether they are built in a shell the player creates first (robots, mech
// dogs and droids) rather than summoned.
struct CalculatorChoice {
    CalcPetType category;
    const char* caption;
    const char* nanoSkill;
    bool builtInShell = false;
};

struct PetRoleRow {
    PetRole role;
    const char* key; // "attack": the word the naming window and its tests use
    Profession profession;
    NamingRow naming;
    NameCheck nameCheck;
    ScriptsRow scripts = {};
    OptionsColumn options;
    CalculatorChoice calculator;

    // The role's pet name in the settings record.
    TextField nameField() const;
};

// In role order (kAllRoles).
std::span<const PetRoleRow> petRoles();
const PetRoleRow& roleRow(PetRole role);

// The roles whose columns stand on one Options pet-selection tab, left to right.
std::vector<PetRole> rolesOnOptionsTab(OptionsPetTab tab);
// The calculator category the calculator opens on for a profession: its first role's.
CalcPetType calculatorCategoryOf(Profession profession);
// The role whose pets a calculator category lists.
const PetRoleRow& roleOfCategory(CalcPetType category);

} // namespace glimmbar
