#include "scriptgen/ScriptWriter.h"

#include "model/GameFolder.h"
#include "model/Messages.h"
#include "model/PetRoles.h"

#include <QStringList>

#include <cmath>
#include <utility>

namespace glimmbar {

namespace {

const QString kLauncherScriptName = QStringLiteral("glimmbar");

QString scriptPath(const QString& scriptsDir, const QString& scriptName) {
    return scriptsDir + QLatin1Char('\\') + scriptName;
}

QString helpFilePath(const QString& scriptsDir) {
    return helpFolderAbove(scriptsDir) + QLatin1Char('\\') + kHelpFileName;
}

// The lines of one file as they are built, with every typed text that went into them.
class FileContent {
public:
    explicit FileContent(const Settings& s)
        : m_settings(s) {}

    // A typed text as it goes into this file.
    const QString& text(const TextField& field, TextPlace place = TextPlace::Line) {
        m_texts.push_back({field, place});
        return field.in(m_settings);
    }
    void append(const QString& line) { m_lines.append(line); }
    void prepend(const QString& line) { m_lines.prepend(line); }

    const Settings& settings() const { return m_settings; }
    const QStringList& lines() const { return m_lines; }
    const std::vector<PlacedText>& texts() const { return m_texts; }

private:
    const Settings& m_settings;
    QStringList m_lines;
    std::vector<PlacedText> m_texts;
};

// Whether the naming script renames a role's pets. The Engineer's mech dogs go with the robot:
// the robot name is the one the player must give, the mech-dog name may stay empty.
bool namesRole(const Settings& s, PetRole role) {
    return !s.petName(roleRow(role).scripts.namedWith.value_or(role)).isEmpty();
}

// ---- The naming script ----

FileContent namingScript(const CreateSnapshot& snapshot) {
    FileContent c(snapshot.settings);
    for (const PetRole role : professionRoles(*snapshot.profession)) {
        if (!namesRole(snapshot.settings, role)) {
            continue;
        }
        for (const PetType& type : roleTypes(role)) {
            if (!snapshot.selection.isIncluded(type)) {
                continue;
            }
            // The blank before the line end is part of every rename line the game has seen.
            c.append(QStringLiteral("/pet ") + quoted(type.inGameName()) +
                     QStringLiteral(" rename ") + quoted(c.text(TextField::petName(role))) +
                     QLatin1Char(' '));
        }
    }
    return c;
}

// ---- The pet command scripts ----

void appendChatLine(FileContent& c, const TextField& name, const TextField& announcement) {
    if (!announcement.in(c.settings()).isEmpty()) {
        c.append(QStringLiteral("/pet ") + quoted(c.text(name)) + QStringLiteral(" chat ") +
                 quoted(c.text(announcement)));
    }
}

void appendAttackLine(FileContent& c, const TextField& name) {
    c.append(QStringLiteral("/pet ") + quoted(c.text(name)) + QStringLiteral(" attack"));
}

void appendPositionLine(FileContent& c, const TextField& name) {
    c.append(QStringLiteral("/pet ") + quoted(c.text(name)) +
             (c.settings().FollowOrBehind ? QStringLiteral(" follow") : QStringLiteral(" behind")));
}

const QString kGeneralAttackLine = QStringLiteral("/pet attack");

// The heal and heal-me scripts share everything after heal-me's "/selectself".
FileContent healScript(const Settings& s, const PetRoleRow& role) {
    FileContent c(s);
    appendChatLine(c, role.nameField(), role.scripts.announcement);
    if (!delayIsZero(c.text(&Settings::NewHealPetDelay, TextPlace::Delay)).value_or(true)) {
        // The heal pet steps back first, so the delay gives it time to get out of the fight.
        appendPositionLine(c, role.nameField());
        c.append(QStringLiteral("/delay ") + c.text(&Settings::NewHealPetDelay));
    }
    c.append(QStringLiteral("/pet ") + quoted(c.text(role.nameField())) + QStringLiteral(" heal"));
    return c;
}

// ---- The help file ----

// The first link of every help file runs the naming script.
HelpLink namingLink(Profession profession) {
    return {professionRow(profession).namingLink, " /macro NamePet /", &Settings::Naming};
}

void appendLink(FileContent& c, const HelpLink& link) {
    c.append(QStringLiteral("#L ") + quoted(QLatin1String(link.text)) + QLatin1Char(' ') +
             quoted(QLatin1String(link.macroPrefix) + c.text(link.scriptName, TextPlace::HelpLink) +
                    QLatin1Char(' ')));
}

FileContent helpFile(const Settings& s, Profession profession) {
    FileContent c(s);
    c.append(QStringLiteral("#C18 Glimmbar macros#C19"));
    const QString tail =
        QStringLiteral(" to create a macro.  You can then place this macro on your actionbar for "
                       "quick reference.#C20");
    std::vector<HelpLink> links = {namingLink(profession)};
    for (const PetRole role : professionRoles(profession)) {
        const std::span<const HelpLink> roleLinks = roleRow(role).scripts.helpLinks;
        links.insert(links.end(), roleLinks.begin(), roleLinks.end());
    }
    c.append((links.size() > 1 ? QStringLiteral("Click on one of the lines below")
                               : QStringLiteral("Click on the line below")) +
             tail);
    c.append(QString());
    for (const HelpLink& link : links) {
        appendLink(c, link);
        c.append(QString());
    }
    c.append(QStringLiteral("Click #L \"here\" \"/help pet\" for a link to FunCom's standard "
                            "pet macros."));
    return c;
}

FileContent settingsFile(const Settings& s) {
    FileContent c(s);
    for (const TextField& field : s.typedLines()) {
        c.text(field);
    }
    for (const QString& line : s.lines()) {
        c.append(line);
    }
    return c;
}

// ---- The plan ----

class Plan {
public:
    explicit Plan(const Settings& s)
        : m_settings(s) {}

    // A script named in the Options window by `name`.
    void script(QString Settings::*name, const FileContent& content) {
        std::vector<PlacedText> texts = {{name, TextPlace::FileName}};
        texts.insert(texts.end(), content.texts().begin(), content.texts().end());
        m_files.push_back({scriptPath(m_settings.ScriptsDirName, m_settings.*name),
                           encodeLines(content.lines()), TextFile::Script, std::move(texts)});
    }
    void file(const QString& gamePath, TextFile kind, const FileContent& content) {
        m_files.push_back({gamePath, encodeLines(content.lines()), kind, content.texts()});
    }
    std::vector<OutputFile> take() { return std::move(m_files); }

private:
    const Settings& m_settings;
    std::vector<OutputFile> m_files;
};

// Every profession's general attack script, with the announcement of a role that has its
// announcement there (the Engineer's robot, the Bureaucrat's droid).
void planFirstAttackScript(Plan& plan, const Settings& s, Profession profession) {
    FileContent c(s);
    for (const PetRole role : professionRoles(profession)) {
        const PetRoleRow& row = roleRow(role);
        if (row.scripts.kind == RoleScripts::AnnouncedAttack) {
            appendChatLine(c, row.nameField(), row.scripts.announcement);
        }
    }
    c.append(kGeneralAttackLine);
    plan.script(&Settings::Attack, c);
}

// An attack or mezz pet: its command script (the announcement, then the attack order — a mezz
// pet mezzes what it is told to attack) and its behind/follow script.
void planCombatPet(Plan& plan, const Settings& s, const PetRoleRow& role) {
    FileContent command(s);
    appendChatLine(command, role.nameField(), role.scripts.announcement);
    appendAttackLine(command, role.nameField());
    plan.script(role.scripts.commandScript, command);
    FileContent position(s);
    appendPositionLine(position, role.nameField());
    plan.script(role.scripts.secondScript, position);
}

void planHealPet(Plan& plan, const Settings& s, const PetRoleRow& role) {
    const FileContent heal = healScript(s, role);
    plan.script(role.scripts.commandScript, heal);
    FileContent healMe = heal;
    healMe.prepend(QStringLiteral("/selectself"));
    plan.script(role.scripts.secondScript, healMe);
}

// The fighting pets' scripts first, then the healers'. Scripts of a role left unnamed are not
// touched: the player keeps whatever an earlier run made for that pet.
void planPetScripts(Plan& plan, const Settings& s, Profession profession) {
    for (const RoleScripts kind : {RoleScripts::CombatPet, RoleScripts::HealPet}) {
        for (const PetRole role : professionRoles(profession)) {
            const PetRoleRow& row = roleRow(role);
            if (row.scripts.kind != kind || s.petName(role).isEmpty()) {
                continue;
            }
            kind == RoleScripts::CombatPet ? planCombatPet(plan, s, row)
                                           : planHealPet(plan, s, row);
        }
    }
}

} // namespace

std::optional<bool> delayIsZero(const QString& delay) {
    bool isNumber = false;
    const double value = delay.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value == 0.0;
}

std::vector<OutputFile> planCreateFiles(const CreateSnapshot& snapshot) {
    const Settings& s = snapshot.settings;
    const Profession profession = *snapshot.profession;
    Plan plan(s);
    planFirstAttackScript(plan, s, profession);
    plan.script(&Settings::Naming, namingScript(snapshot));
    planPetScripts(plan, s, profession);
    plan.file(kSettingsFileName, TextFile::Settings, settingsFile(s));
    FileContent launcher(s);
    launcher.append(QStringLiteral("/showfile ") + kHelpFileName);
    plan.file(scriptPath(s.ScriptsDirName, kLauncherScriptName), TextFile::Script, launcher);
    plan.file(helpFilePath(s.ScriptsDirName), TextFile::HelpFile, helpFile(s, profession));
    return plan.take();
}

PlanWritten writePlannedFiles(const std::vector<OutputFile>& plan) {
    PlanWritten written;
    for (const OutputFile& file : plan) {
        written.result = writeFileBytes(file.gamePath, file.bytes);
        if (!written.result) {
            break;
        }
        written.settingsSaved = written.settingsSaved || file.kind == TextFile::Settings;
    }
    return written;
}

} // namespace glimmbar
