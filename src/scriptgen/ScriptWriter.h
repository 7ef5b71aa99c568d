// Everything Create Files writes: the pet command scripts in the game's scripts folder, the
// settings file, the /glimmbar launcher and the in-game help file.
#pragma once

#include "model/Messages.h"
#include "model/PetCatalogue.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <QString>

#include <optional>

namespace glimmbar {

// Everything Create Files needs, taken at the click. `settings` is the one Settings record as it
// stands, with the naming window's profession (LastModeUsedMEC), its six typed names in the
// *PetName fields (typed text, even when not remembered) and six ticks in the Remember* fields,
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

// The launcher script's fixed name, and the help file it shows.
inline const QString kLauncherScriptName = QStringLiteral("glimmbar");
inline const QString kHelpFileName = QStringLiteral("glimmbarhelp.txt");

// Game paths of the run's outputs. The stored scripts folder ends in a backslash, so the help
// folder climbs to the game folder and down into its cd_image\text\help.
QString scriptPath(const QString& scriptsDir, const QString& scriptName);
QString helpFolderPath(const QString& scriptsDir);
QString helpFilePath(const QString& scriptsDir);

// The writer, once the name checks have passed: first whatever would make the run fail
// half-way or store something other than what the player typed is looked for, and refused
// with a message before a single file is touched; then the files are written in order (the
// run stops at the first that cannot be written, and says so), then the success message.
// Every message goes to `messages`. True when every file was written.
bool writeScriptFiles(const CreateSnapshot& snapshot, MessageSink& messages);

} // namespace glimmbar
