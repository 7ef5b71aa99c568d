#include "scriptgen/CreateCommand.h"

#include "model/GameFolder.h"
#include "model/PetRoles.h"
#include "scriptgen/CreateChecks.h"

#include <optional>

namespace glimmbar {

namespace {

Message writeFailureMessage(const FileResult& failure) {
    return refusal(QStringLiteral("Glimmbar could not write the file ") +
                   quoted(shownPath(failure.fileName)) + QStringLiteral(": ") + failure.reason +
                   QStringLiteral(". Creating the files stopped there; the files before it were "
                                  "written, the rest were not."));
}

Message successMessage(Profession profession) {
    return {QStringLiteral("Script files for ") +
                QLatin1String(professionRow(profession).successWords) +
                QStringLiteral(" have been created."),
            QStringLiteral("Glimmbar has created your files!"), MessageIcon::Information};
}

QString folderNotMade(const QString& folderWords, const FileResult& made) {
    return QStringLiteral("Glimmbar could not create ") + folderWords + QLatin1Char(' ') +
           quoted(shownPath(made.fileName)) + QStringLiteral(": ") + made.reason + QLatin1Char('.');
}

// A game reinstalled in place may lack its scripts folder, and the help folder is not part of
// every installation; both are made as the welcome window makes the scripts folder. Only the
// scripts folder's last level is made: without the game's folder above it, the game has moved,
// and start-up asks for the new one.
std::optional<Refusal> makeMissingFolders(const QString& scriptsDir) {
    QString problem;
    if (const FileResult made = makeDirectory(scriptsDir); !made) {
        problem = folderNotMade(QStringLiteral("the game's scripts folder"), made);
        if (!gameFoundAbove(scriptsDir)) {
            problem += QStringLiteral(" If the game has moved, start Glimmbar again and choose "
                                      "the new game folder.");
        }
    } else if (const FileResult helpMade = makeDirectories(helpFolderAbove(scriptsDir));
               !helpMade) {
        problem = folderNotMade(QStringLiteral("the game's help folder"), helpMade);
    } else {
        return std::nullopt;
    }
    return Refusal{refusal(problem + QStringLiteral(" No files were created."))};
}

} // namespace

CreateResult runCreateFiles(const CreateSnapshot& snapshot, MessageSink& messages) {
    if (!snapshot.profession) {
        return {};
    }
    const std::vector<OutputFile> plan = planCreateFiles(snapshot);
    if (!checkCreateFiles(snapshot, plan, messages)) {
        return {};
    }
    if (const std::optional<Refusal> refused =
            makeMissingFolders(snapshot.settings.ScriptsDirName)) {
        messages.showMessage(refused->message);
        return {};
    }
    const PlanWritten written = writePlannedFiles(plan);
    if (!written.result) {
        messages.showMessage(writeFailureMessage(written.result));
        return {.created = false, .settingsSaved = written.settingsSaved};
    }
    messages.showMessage(successMessage(*snapshot.profession));
    return {.created = true, .settingsSaved = true};
}

} // namespace glimmbar
