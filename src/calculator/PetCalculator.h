// The pet calculator: from one skill value, the best pet nano a player can use now and the
// next one up, in the words the calculator window shows.
//
// A pet nano needs the category's own nano skill (Matter Creation, Biological Metamorphosis or
// Matter Metamorphosis) and Time and Space at the same value; the player types the lower of
// the two. The texts are plain: "T&S" is written with one ampersand.
#pragma once

#include "model/Messages.h"
#include "model/PetCategories.h" // CalcPetType, written from data/pet-tables.tsv

#include <QString>

#include <array>
#include <optional>

namespace glimmbar {

struct CalcCategory {
    QString dataFile;  // bare name, looked up by findDataFile
    QString skillName; // the nano skill spelt out: "Matter Creation"
    QString skillText; // "This nano requires MC"
    QString phrase;    // "summon, and " / "create the shell, and "
};

const CalcCategory& calcCategory(CalcPetType type);

inline const QString kMissingFileTitle = QStringLiteral("A required file is missing!");

struct CalcResult {
    enum class Kind { MissingFile, Failed, Computed };
    Kind kind = Kind::Failed;
    Message missingFile; // MissingFile: text, title kMissingFileTitle, MessageIcon::Exclamation
    QString BestPetName, BestPetSkill, NextPetName, NextPetSkill; // Computed
    std::optional<QString> correctedSkill; // Computed: set when the skill box's text must change
};

// Reads the category's data file afresh, from the working folder or else from the installed
// data folders (findDataFile), and looks up the skill the player typed. Skill texts longer
// than four characters, empty or negative are read as 0 and corrected to "0"; values above
// 3000 are looked up as 3000. A file that cannot be read, or a number beyond the 32-bit range,
// ends the calculation without a word (Kind::Failed).
CalcResult calculateBestPet(CalcPetType type, const QString& skillText);

} // namespace glimmbar
