// Everything Create Files writes: the pet command scripts in the game's scripts folder, the
// settings file, the /glimmbar launcher and the in-game help file. The writer plans the run as
// the exact bytes of each file, with the typed texts each file holds, then writes the plan;
// what refuses a run is CreateChecks' business.
#pragma once

#include "files/FileLayer.h"
#include "model/FileFit.h"
#include "model/PetCatalogue.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace glimmbar {

// Everything Create Files needs, taken at the click. `settings` is the one Settings record as it
// stands, with the naming window's profession (LastModeUsedMEC), its six typed names
// (petName(), typed text even when not remembered) and six Remember Name ticks (remembers()),
// and the fourteen Options values (from the open Options window when it is open). `selection`
// holds the 56 include flags (from the open Options window when it is open).
struct CreateSnapshot {
    CreateSnapshot(const Settings& typed, const PetSelection& shown)
        : settings(typed)
        , selection(shown)
        , profession(professionFromText(typed.LastModeUsedMEC)) {}

    const Settings settings;
    const PetSelection selection;
    // Read once from LastModeUsedMEC; nullopt for a text that is not exactly "MP", "Engineer"
    // or "Bureaucrat".
    const std::optional<Profession> profession;
};

// How a typed text stands in a planned file, which decides what in it the file cannot hold.
enum class TextPlace {
    Line,     // inside a line of the file
    HelpLink, // inside the quoted command of a help-file link, which a double quote would end
    FileName, // the file's own name in the scripts folder
    Delay,    // the heal-pet delay the heal scripts are built from, read as a number
};

// One typed text of a planned file: the Settings field it comes from and how it stands there.
struct PlacedText {
    TextField field;
    TextPlace place;
};

// One file of the run, with the exact bytes it gets and every typed text it holds.
struct OutputFile {
    QString gamePath;
    QByteArray bytes;
    TextFile kind;
    std::vector<PlacedText> texts;
};

// The files of one run, in the order they are written. A file may appear twice (the MP attack
// script is written first in its general form, then again for the named attack pet), and two
// script names set to the same text make a later file replace an earlier one. The snapshot's
// profession must be set.
std::vector<OutputFile> planCreateFiles(const CreateSnapshot& snapshot);

// How writing a plan ended: the first file that could not be written (none when all were),
// and whether glimmbar.cfg was written before it stopped.
struct PlanWritten {
    FileResult result;
    bool settingsSaved = false;
};

// Writes the planned files in order and stops at the first one that cannot be written.
PlanWritten writePlannedFiles(const std::vector<OutputFile>& plan);

// The heal-pet delay is a number of milliseconds; only whether it is zero matters ("0.0" is,
// "-5" is not). nullopt when it is no number at all.
std::optional<bool> delayIsZero(const QString& delay);

} // namespace glimmbar
