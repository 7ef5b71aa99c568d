#include "Startup.h"

#include "PetSelection.h"
#include "Settings.h"

#include <QDir>

namespace glimmbar {

namespace {

Message cannotCreate(const WriteResult& result) {
    return {QStringLiteral("Glimmbar cannot create its settings file \"%1\" in the folder "
                           "\"%2\":\n\n%3\n\nStart Glimmbar from a folder you are allowed to "
                           "write to.")
                .arg(result.fileName, QDir::toNativeSeparators(QDir::currentPath()), result.reason),
            kProgramTitle, MessageIcon::Critical};
}

} // namespace

bool gameFoundAbove(const QString& scriptsDirName) {
    // An empty line would otherwise look for the game above the working folder.
    return !scriptsDirName.isEmpty() && FExists(scriptsDirName + QStringLiteral("..\\anarchy.exe"));
}

StartupOutcome runStartup() {
    StartupOutcome outcome;
    if (!FExists(kSettingsFileName)) {
        if (const WriteResult made = CreateDefaultSettings(); !made) {
            outcome.failure = cannotCreate(made);
            return outcome;
        }
    }
    if (!FExists(kPetSelectionFileName)) {
        PetSelection selection;
        if (const WriteResult made = CreateDefaultPetSelection(selection); !made) {
            outcome.failure = cannotCreate(made);
            return outcome;
        }
    }
    const QString scriptsDir = ReadScriptsDirName();
    if (scriptsDir != kNoScriptsDir && gameFoundAbove(scriptsDir)) {
        outcome.window = FirstWindow::NamingWindow;
    }
    return outcome;
}

} // namespace glimmbar
