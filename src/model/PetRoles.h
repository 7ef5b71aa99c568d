// The six pet roles, one row each: everything that differs from one role to the next. The
// catalogue, the settings file, the Create Files checks, the script writer, the calculator and
// the naming, Options and calculator windows all read these rows, so a new role is a new row
// (with its picture and its calculator table).
#pragma once

#include "calculator/PetCategories.h" // CalcPetType, written from data/pet-tables.tsv
#include "model/PetCatalogue.h"
#include "model/Settings.h"

#include <span>
#include <vector>

namespace glimmbar {

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

struct PetRoleRow {
    PetRole role;
    const char* key; // "attack": the word the naming window and its tests use
    Profession profession;

    // The naming window's row: its caption, its picture and the picture's name, the line it
    // stands on (1 at the top; rows of different professions share lines, and the rows of one
    // profession are two lines apart), and the stem of the names of its boxes ("Attack":
    // txtAttackPetName and chkRememberAttack). The picture names ("Image2") are the window's oldest
    // names and follow no rule, so this row is the one place they can live.
    const char* namingCaption;
    const char* picture;
    const char* pictureName;
    int namingLine;
    const char* fieldStem;

    // The name checks of Create Files. With no label the name is not checked at all; with no
    // missing text it may be left empty (a profession whose roles all may be left empty needs
    // at least one of them named).
    const char* lengthLabel; // "attack pet", as the too-short message says it
    const char* missingText;
    const char* refusalWords; // "your attack pet"

    // The naming script renames the role's pets when this role's name is typed (the mech dogs
    // go with the robot).
    PetRole namedWith;
    QString Settings::*announcement; // nullptr: the role has none
    RoleScripts scripts;
    QString Settings::*commandScript; // CombatPet: attack or mezz; HealPet: heal
    QString Settings::*secondScript;  // CombatPet: behind/follow; HealPet: heal-me
    std::span<const HelpLink> helpLinks;

    // The Options window's column.
    OptionsPetTab optionsTab;
    std::span<const PetTypeNames> types;
    std::span<const RoleToggle> toggles;

    // The calculator's category, the caption of its choice (with its access key), the nano
    // skill its pets need, and whether they are built in a shell the player creates first
    // (robots, mech dogs and droids) rather than summoned.
    CalcPetType calculatorCategory;
    const char* calculatorCaption;
    const char* nanoSkill;
    bool builtInShell;

    // The role's pet name in the settings record.
    TextField nameField() const { return TextField::petName(role); }
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
