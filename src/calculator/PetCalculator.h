// The pet calculator: from one skill value, the best pet nano a player can use now and the
// next one up, in the words the calculator window shows.
//
// A pet nano needs the category's own nano skill (Matter Creation, Biological Metamorphosis or
// Matter Metamorphosis) and Time and Space at the same value; the player types the lower of
// the two. The texts carry "&&" where the player reads "&", because the window's labels treat
// a single "&" as an access key.
#pragma once

#include "calculator/PetTable.h"
#include "model/Messages.h"
#include "model/PetCatalogue.h"

#include <QString>

#include <optional>

namespace glimmbar {

// The calculator's five categories; the number is what the window passes in. Mechdogs have
// no category.
enum class CalcPetType { MPAttack = 1, Heal = 2, Mezz = 3, Engy = 4, Crat = 5 };

struct CalcCategory {
    CalcPetType type;
    QString key;         // what the window keeps for the selected category
    PetRole role;        // the pet role it belongs to
    QString dataFile;    // bare name, looked up by findDataFile
    QString skillText;   // "This nano requires MC"
    QString phrase;      // "summon, and " / "create the shell, and "
    QString missingText; // the message when the data file is not there
};

// The category with that number, or nullptr outside 1..5.
const CalcCategory* calcCategory(int petType);

inline const QString kMissingFileTitle = QStringLiteral("A required file is missing!");

struct CalcResult {
    enum class Kind { MissingFile, Failed, Computed };
    Kind kind = Kind::Failed;
    Message missingFile; // MissingFile: text, title kMissingFileTitle, MessageIcon::Exclamation
    QString BestPetName, BestPetSkill, NextPetName, NextPetSkill; // Computed: "&&" included
    std::optional<QString> correctedSkill; // Computed: set when the skill box's text must change
};

// petType: the CalcPetType number 1..5. The data file is read afresh, from the working folder
// or else from the installed data folders (findDataFile).
CalcResult CalculateBestPet(int petType, const QString& skillText);

// --- The steps of a calculation, each usable on its own. ---

// The skill box's text read the way the calculator always read it.
struct SkillValue {
    int value = 0;                         // 0..3000, what the search uses
    std::optional<QString> correctedSkill; // the box's new text, when it had to change
};
// nullopt when the number lies beyond the 32-bit range (a large exponent): the calculation
// then ends without a word, as it always has.
std::optional<SkillValue> normaliseSkill(const QString& skillText);

// The number a text begins with: blanks, tabs and line feeds anywhere are ignored; a sign,
// digits, a decimal point and an exponent are taken, "&H" and "&O" read hexadecimal and
// octal; reading stops at the first character that cannot continue the number. 0 when the
// text does not begin with a number; may be infinite when the exponent is too large.
double leadingNumber(const QString& text);

// The first slot whose requirement is greater than the value (the next pet; the best pet is
// the slot before it), or nullopt when no slot up to 500 has one.
std::optional<int> findNextSlot(const PetTable& table, int value);

// The skill value that keeps a pet from over-equipping (OE): 80% of its requirement.
int oeValue(int requirement);

struct CalcTexts {
    QString BestPetName, BestPetSkill, NextPetName, NextPetSkill;
};
CalcTexts composeTexts(const CalcCategory& category, const PetRecord& best, const PetRecord& next);

} // namespace glimmbar
