#include "model/GameFolder.h"

#include "files/FileLayer.h"
#include "model/FileFit.h"

#include <QDir>

namespace glimmbar {

QString scriptsFolderOf(const QString& gameFolder) {
    return gameFolder + QStringLiteral("\\scripts\\");
}

QString gameProgramAbove(const QString& scriptsDir) {
    return scriptsDir + QStringLiteral("..\\") + kGameProgramName;
}

QString helpFolderAbove(const QString& scriptsDir) {
    return scriptsDir + QStringLiteral("..\\cd_image\\text\\help");
}

bool gameFoundAbove(const QString& scriptsDir) {
    // An empty line would otherwise look for the game above the working folder.
    return !scriptsDir.isEmpty() && fileExists(gameProgramAbove(scriptsDir));
}

std::optional<Refusal> gameFolderRefusal(const QString& gameFolder) {
    const std::optional<QString> misfit = misfitInLine(scriptsFolderOf(gameFolder));
    if (!misfit) {
        return std::nullopt;
    }
    return Refusal{
        refusal(cannotHoldSentence(QStringLiteral("The path of the folder ") + quoted(gameFolder),
                                   *misfit, TextFile::Settings) +
                QLatin1Char(' ') + kWesternFolderAdvice)};
}

std::optional<Refusal> chooseGameFolder(const QString& gameFolder, Settings& settings) {
    if (std::optional<Refusal> refused = gameFolderRefusal(gameFolder)) {
        return refused;
    }
    const QString scriptsDir = scriptsFolderOf(gameFolder);
    // The folder is made before it is stored, so the settings never name a scripts folder
    // that the program could not create.
    if (const FileResult made = makeDirectory(scriptsDir); !made) {
        return Refusal{refusal(
            QStringLiteral("Glimmbar could not create the scripts folder\n%1\n(%2)\n\nPlease "
                           "choose your Anarchy Online folder again.")
                .arg(QDir::toNativeSeparators(nativePath(scriptsDir)), made.reason))};
    }
    Settings chosen = settings;
    chosen.ScriptsDirName = scriptsDir;
    const FileResult saved = updateSettingsFile(chosen, {SettingsField::ScriptsDirName}, &settings);
    if (!saved) {
        return Refusal{
            refusal(QStringLiteral("Glimmbar could not save your Anarchy Online folder in %1:\n%2")
                        .arg(QDir::toNativeSeparators(saved.fileName), saved.reason))};
    }
    return std::nullopt;
}

} // namespace glimmbar
