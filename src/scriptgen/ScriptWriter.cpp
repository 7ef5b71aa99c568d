#include "ScriptWriter.h"

#include "model/FileLayer.h"
#include "model/GameFolder.h"

#include <QByteArray>
#include <QDir>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace glimmbar {

namespace {

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Whether the naming script renames a role's pets. The Engineer's mech dogs go with the robot:
// the robot name is the one the player must give, the mech-dog name may stay empty.
bool namesRole(const Settings& s, PetRole role) {
    const PetRole deciding = role == PetRole::Mechdog ? PetRole::Engy : role;
    return !s.petName(deciding).isEmpty();
}

// ---- The naming script ----

QStringList namingLines(const CreateSnapshot& snapshot) {
    QStringList lines;
    for (const PetRole role : professionRoles(*snapshot.profession)) {
        if (!namesRole(snapshot.settings, role)) {
            continue;
        }
        const QString name = snapshot.settings.petName(role);
        for (const PetType& type : roleTypes(role)) {
            if (!snapshot.selection.isIncluded(type)) {
                continue;
            }
            // The blank before the line end is part of every rename line the game has seen.
            lines.append(QStringLiteral("/pet ") + quoted(type.inGameName()) +
                         QStringLiteral(" rename ") + quoted(name) + QLatin1Char(' '));
        }
    }
    return lines;
}

// ---- The pet command scripts ----

void appendChatLine(QStringList& lines, const QString& name, const QString& announcement) {
    if (!announcement.isEmpty()) {
        lines.append(QStringLiteral("/pet ") + quoted(name) + QStringLiteral(" chat ") +
                     quoted(announcement));
    }
}

QString attackLine(const QString& name) {
    return QStringLiteral("/pet ") + quoted(name) + QStringLiteral(" attack");
}

QString positionLine(const Settings& s, const QString& name) {
    return QStringLiteral("/pet ") + quoted(name) +
           (s.FollowOrBehind ? QStringLiteral(" follow") : QStringLiteral(" behind"));
}

const QString kGeneralAttackLine = QStringLiteral("/pet attack");

// The delay text is a number of milliseconds; only whether it is zero matters ("0.0" is, "-5"
// is not). nullopt when it is no number at all.
std::optional<bool> delayIsZero(const QString& delay) {
    bool isNumber = false;
    const double value = delay.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value == 0.0;
}

// The heal and heal-me scripts share everything after heal-me's "/selectself".
QStringList healLines(const Settings& s) {
    QStringList lines;
    appendChatLine(lines, s.HealPetName, s.MPHealAnnounce);
    if (!delayIsZero(s.NewHealPetDelay).value_or(true)) {
        // The heal pet steps back first, so the delay gives it time to get out of the fight.
        lines.append(positionLine(s, s.HealPetName));
        lines.append(QStringLiteral("/delay ") + s.NewHealPetDelay);
    }
    lines.append(QStringLiteral("/pet ") + quoted(s.HealPetName) + QStringLiteral(" heal"));
    return lines;
}

// ---- The help file ----

struct HelpLink {
    const char* text;
    const char* macroPrefix;
    QString Settings::*scriptName;
};

// The heal-your-target link has never had the blank before "/macro" that the others have; the
// help files players already use look like this, so it stays.
const std::array<HelpLink, 7> kMpLinks = {{
    {"Name your pets", " /macro NamePet /", &Settings::Naming},
    {"Tell your attack pet to attack your target", " /macro Attack /", &Settings::Attack},
    {"Tell your attack pet to go into behind mode", " /macro BehindPet /", &Settings::Behind},
    {"Tell your heal pet to heal your target", "/macro HealYou /", &Settings::Heal},
    {"Tell your heal pet to heal yourself", " /macro HealMe /", &Settings::Healme},
    {"Tell your mezz pet to mezz your target", " /macro Mezz /", &Settings::Mezz},
    {"Tell your mezz pet to go into behind mode", " /macro BehindMezz /", &Settings::MezzBehind},
}};
const HelpLink kEngineerLink = {"Name your robot(s)", " /macro NamePet /", &Settings::Naming};
const HelpLink kBureaucratLink = {"Name your 'droid", " /macro NamePet /", &Settings::Naming};

QString linkLine(const Settings& s, const HelpLink& link) {
    return QStringLiteral("#L ") + quoted(QLatin1String(link.text)) + QLatin1Char(' ') +
           quoted(QLatin1String(link.macroPrefix) + s.*link.scriptName + QLatin1Char(' '));
}

QStringList helpLines(const Settings& s, Profession profession) {
    QStringList lines{QStringLiteral("#C18 Glimmbar macros#C19")};
    const QString tail =
        QStringLiteral(" to create a macro.  You can then place this macro on your actionbar for "
                       "quick reference.#C20");
    std::vector<HelpLink> links;
    if (profession == Profession::MP) {
        lines.append(QStringLiteral("Click on one of the lines below") + tail);
        links.assign(kMpLinks.begin(), kMpLinks.end());
    } else {
        lines.append(QStringLiteral("Click on the line below") + tail);
        links.push_back(profession == Profession::Engineer ? kEngineerLink : kBureaucratLink);
    }
    lines.append(QString());
    for (const HelpLink& link : links) {
        lines.append(linkLine(s, link));
        lines.append(QString());
    }
    lines.append(QStringLiteral("Click #L \"here\" \"/help pet\" for a link to FunCom's standard "
                                "pet macros."));
    return lines;
}

// ---- The plan ----

// One file of the run, with the exact bytes it gets, and the Options script name it is written
// under (none for the settings file, the launcher and the help file).
struct OutputFile {
    QString gamePath;
    QByteArray bytes;
    const OptionsText* scriptName = nullptr;
};

class Plan {
public:
    explicit Plan(const Settings& s)
        : m_settings(s) {}

    // A script named in the Options window.
    void script(QString Settings::*name, const QStringList& lines) {
        const OptionsText* entry = nullptr;
        for (const OptionsText& text : scriptNames()) {
            entry = text.field == name ? &text : entry;
        }
        m_files.push_back(
            {scriptPath(m_settings.ScriptsDirName, m_settings.*name), encodeLines(lines), entry});
    }
    void file(const QString& gamePath, const QStringList& lines) {
        m_files.push_back({gamePath, encodeLines(lines), nullptr});
    }
    std::vector<OutputFile> take() { return std::move(m_files); }

private:
    const Settings& m_settings;
    std::vector<OutputFile> m_files;
};

void planFirstAttackScript(Plan& plan, const Settings& s, Profession profession) {
    QStringList lines;
    if (profession == Profession::Engineer) {
        appendChatLine(lines, s.EngyPetName, s.EngyAnnounce);
    } else if (profession == Profession::Bureaucrat) {
        appendChatLine(lines, s.CratPetName, s.CratAnnounce);
    }
    lines.append(kGeneralAttackLine);
    plan.script(&Settings::Attack, lines);
}

// An attack or mezz pet: its command script (the announcement, then the attack order — a mezz
// pet mezzes what it is told to attack) and its behind/follow script.
void planCombatPet(Plan& plan, const Settings& s, const QString& name, const QString& announce,
                   QString Settings::*commandScript, QString Settings::*positionScript) {
    QStringList command;
    appendChatLine(command, name, announce);
    command.append(attackLine(name));
    plan.script(commandScript, command);
    plan.script(positionScript, {positionLine(s, name)});
}

// Scripts of a role left unnamed are not touched: the player keeps whatever an earlier run
// made for that pet.
void planMpScripts(Plan& plan, const Settings& s) {
    if (!s.AttackPetName.isEmpty()) {
        planCombatPet(plan, s, s.AttackPetName, s.MPAttackAnnounce, &Settings::Attack,
                      &Settings::Behind);
    }
    if (!s.MezzPetName.isEmpty()) {
        planCombatPet(plan, s, s.MezzPetName, s.MPMezzAnnounce, &Settings::Mezz,
                      &Settings::MezzBehind);
    }
    if (!s.HealPetName.isEmpty()) {
        const QStringList heal = healLines(s);
        plan.script(&Settings::Heal, heal);
        plan.script(&Settings::Healme, QStringList{QStringLiteral("/selectself")} + heal);
    }
}

// The files of one run, in the order they are written. A file may appear twice (the MP attack
// script is written first in its general form, then again for the named attack pet), and two
// script names set to the same text make a later file replace an earlier one.
std::vector<OutputFile> planCreateFiles(const CreateSnapshot& snapshot) {
    const Settings& s = snapshot.settings;
    const Profession profession = *snapshot.profession;
    Plan plan(s);
    planFirstAttackScript(plan, s, profession);
    plan.script(&Settings::Naming, namingLines(snapshot));
    if (profession == Profession::MP) {
        planMpScripts(plan, s);
    }
    plan.file(kSettingsFileName, s.lines());
    plan.file(scriptPath(s.ScriptsDirName, kLauncherScriptName),
              {QStringLiteral("/showfile ") + kHelpFileName});
    plan.file(helpFilePath(s.ScriptsDirName), helpLines(s, profession));
    return plan.take();
}

// ---- Checks before writing ----

// A game path the way the player's file manager shows it, without the doubled separator or the
// climb through "..".
QString shownPath(const QString& gamePath) {
    return QDir::toNativeSeparators(QDir::cleanPath(nativePath(gamePath)));
}

Message refusal(const QString& text) {
    return {text, kProgramTitle, MessageIcon::Critical};
}

const QString kNothingWritten = QStringLiteral(" No files were created.");
const QString kOnScriptingTab =
    QStringLiteral("on the Scripting Options tab of the Options window");

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

// Why a script name is no file name Windows can create, or an empty string when it is fine.
QString fileNameProblem(const QString& name) {
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
    if (isDeviceName(name)) {
        return QStringLiteral("Windows keeps that name for a device");
    }
    return {};
}

std::optional<Message> scriptNameRefusal(const OptionsText& entry, const QString& name,
                                         const QString& problem) {
    return refusal(QStringLiteral("The script name ") + quoted(name) +
                   QStringLiteral(" cannot be used: ") + problem + QStringLiteral(". Change \"") +
                   QLatin1String(entry.caption) + QStringLiteral("\" ") + kOnScriptingTab +
                   QLatin1Char('.') + kNothingWritten);
}

// A script name must make a file Windows can create only when this run writes that script;
// all seven are saved in glimmbar.cfg, so each must fit its code page.
std::optional<Message> checkScriptNames(const Settings& s, const std::vector<OutputFile>& plan) {
    for (const OptionsText& entry : scriptNames()) {
        const QString& name = s.*entry.field;
        const bool written = std::any_of(plan.begin(), plan.end(), [&](const OutputFile& file) {
            return file.scriptName == &entry;
        });
        QString problem = written ? fileNameProblem(name) : QString();
        const QChar unwritable = firstUnencodable(name);
        if (problem.isEmpty() && !unwritable.isNull()) {
            problem = (written ? QStringLiteral("the game's scripts cannot hold the character ")
                               : QStringLiteral("glimmbar.cfg cannot hold the character ")) +
                      unwritable;
        }
        if (!problem.isEmpty()) {
            return scriptNameRefusal(entry, name, problem);
        }
    }
    return std::nullopt;
}

// A text that goes into a file and where the player changes it.
struct StoredText {
    QString text;
    QString what;
    QString where;
};

std::vector<StoredText> textsToStore(const Settings& s, Profession profession) {
    const QString inNamingWindow = QStringLiteral("in Glimmbar's main window");
    const QString onAnnouncementsTab =
        QStringLiteral("on the Pet Announcements tab of the Options window");
    std::vector<StoredText> texts;
    static const std::array<const char*, 6> roleWords = {"your attack pet", "your heal pet",
                                                         "your mezz pet",   "your robot",
                                                         "your mech dog",   "your droid"};
    for (const PetRole role : kAllRoles) {
        // A name goes into a file when this run's scripts use it or the settings remember it.
        if (roleProfession(role) == profession || s.remembers(role)) {
            texts.push_back({s.petName(role),
                             QStringLiteral("The name of ") +
                                 QLatin1String(roleWords[static_cast<std::size_t>(role)]),
                             inNamingWindow});
        }
    }
    texts.push_back({s.MPAttackAnnounce,
                     QStringLiteral("The Meta-Physicist attack pet's announcement"),
                     onAnnouncementsTab});
    texts.push_back({s.MPHealAnnounce, QStringLiteral("The Meta-Physicist heal pet's announcement"),
                     onAnnouncementsTab});
    texts.push_back({s.MPMezzAnnounce, QStringLiteral("The Meta-Physicist mezz pet's announcement"),
                     onAnnouncementsTab});
    texts.push_back(
        {s.EngyAnnounce, QStringLiteral("The Engineer pet's announcement"), onAnnouncementsTab});
    texts.push_back(
        {s.CratAnnounce, QStringLiteral("The Bureaucrat pet's announcement"), onAnnouncementsTab});
    texts.push_back({s.NewHealPetDelay, QStringLiteral("The heal pet delay"), kOnScriptingTab});
    texts.push_back({s.ScriptsDirName, QStringLiteral("The path of the game's scripts folder"),
                     QStringLiteral("by installing the game in a folder whose path uses "
                                    "Western European letters only")});
    return texts;
}

// Scripts and glimmbar.cfg are one value a line in Windows-1252: a character outside the code
// page would be saved as '?', and a line break would shift every later line of the settings.
std::optional<Message> checkStoredTexts(const Settings& s, Profession profession) {
    for (const StoredText& entry : textsToStore(s, profession)) {
        QString problem;
        const QChar unwritable = firstUnencodable(entry.text);
        if (!unwritable.isNull()) {
            problem = QStringLiteral(" holds the character ") + unwritable +
                      QStringLiteral(", which Anarchy Online's script files cannot hold.");
        } else if (entry.text.contains(QLatin1Char('\n'))) {
            problem = QStringLiteral(" holds a line break.");
        }
        if (!problem.isEmpty()) {
            return refusal(entry.what + problem + QStringLiteral(" Change it ") + entry.where +
                           QLatin1Char('.') + kNothingWritten);
        }
    }
    return std::nullopt;
}

std::optional<Message> checkBeforeWriting(const CreateSnapshot& snapshot,
                                          const std::vector<OutputFile>& plan) {
    const Settings& s = snapshot.settings;
    const Profession profession = *snapshot.profession;
    if (!DirExists(s.ScriptsDirName)) {
        return refusal(QStringLiteral("The game's scripts folder ") + quoted(s.ScriptsDirName) +
                       QStringLiteral(" does not exist. Create it, or if the game has moved, "
                                      "start Glimmbar again and choose the new game folder.") +
                       kNothingWritten);
    }
    if (!DirExists(helpFolderPath(s.ScriptsDirName))) {
        return refusal(QStringLiteral("The game's help folder ") +
                       quoted(shownPath(helpFolderPath(s.ScriptsDirName))) +
                       QStringLiteral(" does not exist, so the in-game help file cannot be "
                                      "written. Check that the folder above your scripts folder "
                                      "holds a complete Anarchy Online installation.") +
                       kNothingWritten);
    }
    if (std::optional<Message> problem = checkScriptNames(s, plan)) {
        return problem;
    }
    if (std::optional<Message> problem = checkStoredTexts(s, profession)) {
        return problem;
    }
    const bool healScriptsUseDelay = profession == Profession::MP && !s.HealPetName.isEmpty();
    if (healScriptsUseDelay && !delayIsZero(s.NewHealPetDelay)) {
        return refusal(QStringLiteral("The heal pet delay ") + quoted(s.NewHealPetDelay) +
                       QStringLiteral(" is not a number, so the heal scripts cannot wait for "
                                      "it. Enter the delay in milliseconds (1000 = 1 sec, 0 = no "
                                      "delay) ") +
                       kOnScriptingTab + QLatin1Char('.') + kNothingWritten);
    }
    return std::nullopt;
}

// Writes the files in order and stops at the first one that cannot be written.
WriteResult writeOutputs(const std::vector<OutputFile>& files) {
    for (const OutputFile& file : files) {
        const WriteResult result = writeFileBytes(file.gamePath, file.bytes);
        if (!result) {
            return result;
        }
    }
    return {};
}

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

QString scriptPath(const QString& scriptsDir, const QString& scriptName) {
    return scriptsDir + QLatin1Char('\\') + scriptName;
}

QString helpFolderPath(const QString& scriptsDir) {
    return helpFolderAbove(scriptsDir);
}

QString helpFilePath(const QString& scriptsDir) {
    return helpFolderPath(scriptsDir) + QLatin1Char('\\') + kHelpFileName;
}

bool writeScriptFiles(const CreateSnapshot& snapshot, MessageSink& messages) {
    if (!snapshot.profession) {
        return false;
    }
    const std::vector<OutputFile> plan = planCreateFiles(snapshot);
    if (const std::optional<Message> refused = checkBeforeWriting(snapshot, plan)) {
        messages.showMessage(*refused);
        return false;
    }
    if (const WriteResult written = writeOutputs(plan); !written) {
        messages.showMessage(writeFailureMessage(written));
        return false;
    }
    messages.showMessage(successMessage(*snapshot.profession));
    return true;
}

} // namespace glimmbar
