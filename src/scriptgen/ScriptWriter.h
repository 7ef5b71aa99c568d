// Everything Create Files writes: the pet command scripts in the game's scripts folder, the
// settings file, the /glimmbar launcher and the in-game help file. The run is split in three
// so each part can be tested on its own: what would be written (a pure function of the inputs
// taken at the click), whether it can be written at all, and the writing.
#pragma once

#include "model/FileLayer.h"
#include "model/Messages.h"
#include "model/PetCatalogue.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace glimmbar {

// Everything Create Files needs, taken at the click. `settings` is the one Settings record as it
// stands, with the naming window's profession (LastModeUsedMEC), its six typed names in the
// *PetName fields (typed text, even when not remembered) and six ticks in the Remember* fields,
// and the fourteen Options values (from the open Options window when it is open). `selection`
// holds the 56 include flags (from the open Options window when it is open).
struct CreateSnapshot {
    Settings settings;
    PetSelection selection;
};

// One file of the run, with the exact bytes it gets.
struct OutputFile {
    QString gamePath;
    QByteArray bytes;
    // glimmbar.cfg goes through SaveSettings, like every other save of the settings file.
    bool isSettingsFile = false;

    friend bool operator==(const OutputFile&, const OutputFile&) = default;
};

// The launcher script's fixed name, and the help file it shows.
inline const QString kLauncherScriptName = QStringLiteral("glimmbar");
inline const QString kHelpFileName = QStringLiteral("glimmbarhelp.txt");

// Game paths of the run's outputs. The stored scripts folder ends in a backslash, so the help
// folder climbs to the game folder and down into its cd_image\text\help.
QString scriptPath(const QString& scriptsDir, const QString& scriptName);
QString helpFolderPath(const QString& scriptsDir);
QString helpFilePath(const QString& scriptsDir);

// The files of one run, in the order they are written. A file may appear twice (the MP attack
// script is written first in its general form, then again for the named attack pet), and two
// script names set to the same text make a later file replace an earlier one, as in the game
// era. Empty for a profession text that is not "MP", "Engineer" or "Bureaucrat".
std::vector<OutputFile> planCreateFiles(const CreateSnapshot& snapshot);

// Whatever would make the run fail half-way or write something the player did not type, found
// before a single file is touched. The refusal names the problem and where the player fixes it.
std::optional<Message> checkBeforeWriting(const CreateSnapshot& snapshot);

// Writes the files in order and stops at the first one that cannot be written.
WriteResult writeOutputs(const std::vector<OutputFile>& files, const Settings& settings);

Message writeFailureMessage(const WriteResult& failure);
Message successMessage(Profession profession);

// The whole writer once the name checks have passed: the check before writing, the files, then
// the success message. Every message goes to `messages`. True when every file was written.
bool ScriptWriter(const CreateSnapshot& snapshot, MessageSink& messages);

} // namespace glimmbar
