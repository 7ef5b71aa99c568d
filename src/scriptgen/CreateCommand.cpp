#include "CreateCommand.h"

#include "scriptgen/CreateChecks.h"

namespace glimmbar {

namespace {

Message writeFailureMessage(const WriteResult& failure) {
    return refusal(QStringLiteral("Glimmbar could not write the file ") +
                   quoted(shownPath(failure.fileName)) + QStringLiteral(": ") + failure.reason +
                   QStringLiteral(". Creating the files stopped there; the files before it were "
                                  "written, the rest were not."));
}

Message successMessage(Profession profession) {
    QString who;
    switch (profession) {
    case Profession::MP:
        who = QStringLiteral(" Meta-Physicist");
        break;
    case Profession::Engineer:
        who = QStringLiteral("n Engineer");
        break;
    case Profession::Bureaucrat:
        who = QStringLiteral(" Bureaucrat");
        break;
    }
    return {QStringLiteral("Script files for a") + who + QStringLiteral(" have been created."),
            QStringLiteral("Glimmbar has created your files!"), MessageIcon::Information};
}

} // namespace

bool runCreateFiles(const CreateSnapshot& snapshot, MessageSink& messages) {
    if (!snapshot.profession) {
        return false;
    }
    const std::vector<OutputFile> plan = planCreateFiles(snapshot);
    if (!checkCreateFiles(snapshot, plan, messages)) {
        return false;
    }
    if (const WriteResult written = writePlannedFiles(plan); !written) {
        messages.showMessage(writeFailureMessage(written));
        return false;
    }
    messages.showMessage(successMessage(*snapshot.profession));
    return true;
}

} // namespace glimmbar
