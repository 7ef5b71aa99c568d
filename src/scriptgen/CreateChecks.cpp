#include "scriptgen/CreateChecks.h"

#include "model/GameFolder.h"
#include "model/Options.h"
#include "model/PetRoles.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace glimmbar {

namespace {

void refuse(MessageSink& messages, const QString& text) {
    messages.showMessage(refusal(text));
}

// ---- The names: the profession's rule and the game's name filter ----

// Codes 0 to 26 are the control characters the colour codes are built from (code 16 followed
// by a colour number of 25 or less), so colour codes never make a name long enough.
constexpr char16_t kLastUncountedCode = 26;
constexpr qsizetype kShortestAllowedName = 4;

// True when the name has at least four characters the game's name filter counts; otherwise
// shows the refusal for the pet of `roleLabel` ("attack pet", "healpet", "mezz pet",
// "robot", "droid").
bool checkNameLength(const QString& name, const QString& roleLabel, MessageSink& messages) {
    const auto counted = std::count_if(name.begin(), name.end(),
                                       [](QChar c) { return c.unicode() > kLastUncountedCode; });
    if (counted >= kShortestAllowedName) {
        return true;
    }
    refuse(messages, QStringLiteral("Your ") + roleLabel +
                         QStringLiteral(" has a name less than four characters in length.  "
                                        "Anarchy Online's name filter will not allow your pet "
                                        "name, so script files cannot be created."));
    return false;
}

// Every name the profession's roles check is looked at, so the player sees all short names at
// once. A required name left empty is refused; when every checked role may be left empty (the
// Meta-Physicist's pets), at least one must be named.
bool checkNames(Profession profession, const Settings& s, MessageSink& messages) {
    bool passed = true;
    bool anyNamed = false;
    for (const PetRole role : professionRoles(profession)) {
        const NameCheck& check = roleRow(role).nameCheck;
        const QString& name = s.petName(role);
        if (check.lengthLabel == nullptr) {
            continue;
        }
        if (name.isEmpty()) {
            if (check.missingText != nullptr) {
                refuse(messages, QLatin1String(check.missingText));
                passed = false;
            }
            continue;
        }
        anyNamed = true;
        passed = checkNameLength(name, QLatin1String(check.lengthLabel), messages) && passed;
    }
    if (passed && !anyNamed) {
        refuse(messages, QStringLiteral("You cannot make the control script files unless you "
                                        "name at least one pet!"));
        return false;
    }
    return passed;
}

const QString kNothingWritten = QStringLiteral(" No files were created.");

// ---- The typed texts, against each file that holds them ----

// How a message names a typed text and tells the player where to change it.
struct TextWords {
    QString subject;
    QString change;
};

TextWords wordsFor(const TextField& field) {
    if (const OptionsText* box = optionsText(field)) {
        return {optionsBoxWords(*box),
                QStringLiteral("Change it ") + optionsTabWords(*box) + QLatin1Char('.')};
    }
    if (const std::optional<PetRole> role = field.role()) {
        return {QStringLiteral("The name of ") +
                    QLatin1String(roleRow(*role).nameCheck.refusalWords),
                QStringLiteral("Change it in Glimmbar's main window.")};
    }
    return {QStringLiteral("The path of the game's scripts folder"), kWesternFolderAdvice};
}

// Names Windows keeps for devices, with or without an extension: a script called "con" would
// talk to the console instead of making a file.
bool isDeviceName(const QString& name) {
    QString base = name.section(QLatin1Char('.'), 0, 0);
    while (base.endsWith(QLatin1Char(' '))) {
        base.chop(1);
    }
    base = base.toUpper();
    static const QStringList fixed = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                      QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (fixed.contains(base)) {
        return true;
    }
    if (base.size() != 4 ||
        !(base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))) {
        return false;
    }
    const char16_t digit = base.at(3).unicode();
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
           digit == u'\u00B3';
}

// Why a script name is no file name Windows can create, in words; nullopt when it is one.
std::optional<QString> fileNameProblem(const QString& name) {
    if (name.isEmpty()) {
        return QStringLiteral("it is empty");
    }
    if (name == QLatin1String(".") || name == QLatin1String("..")) {
        return QStringLiteral("it names a folder, not a file");
    }
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name) {
        if (c.unicode() < 32) {
            return QStringLiteral("it holds a control character");
        }
        if (forbidden.contains(c)) {
            return QStringLiteral("Windows does not allow the character ") + c +
                   QStringLiteral(" in file names");
        }
    }
    // Windows, and Wine like it, drops blanks and dots from the end of a file name: the file
    // would be made under another name than the one the game is told to run.
    if (name.endsWith(QLatin1Char(' '))) {
        return QStringLiteral("it ends in a blank, which Windows leaves out of file names");
    }
    if (name.endsWith(QLatin1Char('.'))) {
        return QStringLiteral("it ends in a dot, which Windows leaves out of file names");
    }
    if (isDeviceName(name)) {
        return QStringLiteral("Windows keeps that name for a device");
    }
    return std::nullopt;
}

Refusal refusalOf(const QString& text, const TextField& field) {
    return {refusal(text + kNothingWritten), optionsText(field)};
}

// What in a text stands in the way where it is placed; nullopt when nothing does. A double
// quote inside a pet name or an announcement is written as typed: the game reads it, so only
// the link of the help file, which a quote would end, refuses one.
std::optional<Refusal> placementProblem(const QString& text, const PlacedText& placed,
                                        TextFile file) {
    if (placed.place == TextPlace::FileName) {
        const std::optional<QString> problem = fileNameProblem(text);
        if (!problem) {
            return std::nullopt;
        }
        const OptionsText& box = *optionsText(placed.field);
        return refusalOf(QStringLiteral("The script name ") + quoted(text) +
                             QStringLiteral(" cannot be used: ") + *problem +
                             QStringLiteral(". Change ") + quoted(QLatin1String(box.caption)) +
                             QLatin1Char(' ') + optionsTabWords(box) + QLatin1Char('.'),
                         placed.field);
    }
    if (placed.place == TextPlace::Delay) {
        if (delayIsZero(text)) {
            return std::nullopt;
        }
        return refusalOf(
            QStringLiteral("The heal pet delay ") + quoted(text) +
                QStringLiteral(" is not a number, so the heal scripts cannot wait for it. Enter "
                               "the delay in milliseconds (1000 = 1 sec, 0 = no delay) ") +
                optionsTabWords(*optionsText(placed.field)) + QLatin1Char('.'),
            placed.field);
    }
    std::optional<QString> misfit = misfitInLine(text);
    if (!misfit && placed.place == TextPlace::HelpLink && text.contains(QLatin1Char('"'))) {
        misfit = QStringLiteral("a double quote");
    }
    if (!misfit) {
        return std::nullopt;
    }
    const TextWords words = wordsFor(placed.field);
    return refusalOf(cannotHoldSentence(words.subject, *misfit, file) + QLatin1Char(' ') +
                         words.change,
                     placed.field);
}

std::optional<Refusal> textProblem(const Settings& s, const std::vector<OutputFile>& plan) {
    for (const OutputFile& file : plan) {
        for (const PlacedText& placed : file.texts) {
            if (std::optional<Refusal> problem =
                    placementProblem(placed.field.in(s), placed, file.kind)) {
                return problem;
            }
        }
    }
    return std::nullopt;
}

} // namespace

bool checkCreateFiles(const CreateSnapshot& snapshot, const std::vector<OutputFile>& plan,
                      MessageSink& messages) {
    if (!checkNames(*snapshot.profession, snapshot.settings, messages)) {
        return false;
    }
    if (const std::optional<Refusal> problem = textProblem(snapshot.settings, plan)) {
        messages.showMessage(problem->message);
        return false;
    }
    return true;
}

} // namespace glimmbar
