#include "model/Startup.h"

#include "model/GameFolder.h"

#include <QDir>

namespace glimmbar {

namespace {

Message cannotCreate(const FileResult& result) {
    return refusal(
        QStringLiteral("Glimmbar cannot create its settings file \"%1\" in the folder "
                       "\"%2\":\n\n%3\n\nStart Glimmbar from a folder you are allowed to "
                       "write to.")
            .arg(result.fileName, QDir::toNativeSeparators(QDir::currentPath()), result.reason));
}

} // namespace

StartupOutcome runStartup() {
    StartupOutcome outcome;
    if (!fileExists(kSettingsFileName)) {
        if (const FileResult made = createDefaultSettings(); !made) {
            outcome.failure = cannotCreate(made);
            return outcome;
        }
    }
    if (!fileExists(kPetSelectionFileName)) {
        if (const FileResult made = createDefaultPetSelection(outcome.selection); !made) {
            outcome.failure = cannotCreate(made);
            return outcome;
        }
    } else {
        loadPetSelection(outcome.selection);
    }
    loadSettings(outcome.settings);
    const QString& scriptsDir = outcome.settings.ScriptsDirName;
    if (scriptsDir != kNoScriptsDir && gameFoundAbove(scriptsDir)) {
        outcome.window = FirstWindow::NamingWindow;
    }
    return outcome;
}

} // namespace glimmbar
