#include "model/Settings.h"

#include <array>
#include <cstddef>
#include <stdexcept>

namespace glimmbar {

namespace {

// How each line of the file maps onto the record: a text, a flag, or a pet role's remember
// flag or name. A name line is read and written through its role's remember flag, because a
// forgotten name is stored as "Empty" and loads as an empty box.
struct LineSpec {
    std::optional<TextField> text;
    bool Settings::*flag = nullptr;
    std::optional<PetRole> rememberOf;

    // Whether this is the name line of a role the player did not ask to remember.
    bool forgottenIn(const Settings& settings) const {
        return text && text->role() && !settings.remembers(*text->role());
    }
};

// Five text lines, the first six pet roles' remember flags and names, twelve more text lines,
// the follow flag, and the remember flags and names of the roles added since.
constexpr std::array<LineSpec, kSettingsLineCount> kLines = [] {
    std::array<LineSpec, kSettingsLineCount> all{};
    std::size_t next = 0;
    for (const auto member :
         {&Settings::TitleString, &Settings::TitleVersion, &Settings::ScriptsDirName,
          &Settings::LastModeUsedMEC, &Settings::NewHealPetDelay}) {
        all.at(next++).text = member;
    }
    const auto roleLines = [&](std::span<const PetRole> roles) {
        for (const PetRole role : roles) {
            all.at(next++).rememberOf = role;
            all.at(next++).text = TextField::petName(role);
        }
    };
    roleLines(std::span(kAllRoles).first(kRolesInTheMiddle));
    for (const auto member :
         {&Settings::Naming, &Settings::Attack, &Settings::Heal, &Settings::Healme, &Settings::Mezz,
          &Settings::Behind, &Settings::MezzBehind, &Settings::MPAttackAnnounce,
          &Settings::MPHealAnnounce, &Settings::MPMezzAnnounce, &Settings::EngyAnnounce,
          &Settings::CratAnnounce}) {
        all.at(next++).text = member;
    }
    all.at(next++).flag = &Settings::FollowOrBehind;
    roleLines(std::span(kAllRoles).subspan(kRolesInTheMiddle));
    if (next != all.size()) {
        throw std::logic_error("a line of glimmbar.cfg without a field"); // fails the build
    }
    return all;
}();

const LineSpec& spec(SettingsField field) {
    return kLines[static_cast<std::size_t>(field)];
}

QString flagText(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// Applies one stored line to the record the way players' existing files have always been
// read: remember flags are set only by exactly "1", FollowOrBehind is read as a whole number
// and left alone when the line is not one.
void readLine(Settings& settings, SettingsField field, const QString& line) {
    const LineSpec& s = spec(field);
    if (s.rememberOf) {
        settings.remembers(*s.rememberOf) = line == QLatin1String("1");
    } else if (s.flag != nullptr) {
        bool isNumber = false;
        const int value = line.trimmed().toInt(&isNumber);
        if (isNumber) {
            settings.*s.flag = value != 0;
        }
    } else {
        s.text->in(settings) = s.forgottenIn(settings) ? QString() : line;
    }
}

// Copies one line's value from `from` into `to`.
void copyLine(const LineSpec& s, const Settings& from, Settings& to) {
    if (s.rememberOf) {
        to.remembers(*s.rememberOf) = from.remembers(*s.rememberOf);
    } else if (s.flag != nullptr) {
        to.*s.flag = from.*s.flag;
    } else {
        const TextField text = *s.text;
        text.in(to) = text.in(from);
    }
}

// Line 2, "V1.5.1", is the version of this file's layout, not of the program (which is
// 1.5.3): the layout has not changed since that version.
const QString kSettingsLayoutVersion = QStringLiteral("V1.5.1");

} // namespace

Settings Settings::defaults() {
    Settings s;
    s.TitleString = kSettingsHeader;
    s.TitleVersion = kSettingsLayoutVersion;
    s.ScriptsDirName = kNoScriptsDir;
    s.LastModeUsedMEC = QStringLiteral("MP");
    s.NewHealPetDelay = QStringLiteral("0");
    s.Naming = QStringLiteral("petnaming");
    s.Attack = QStringLiteral("petattack");
    s.Heal = QStringLiteral("petheal");
    s.Healme = QStringLiteral("pethealme");
    s.Mezz = QStringLiteral("petmezz");
    s.Behind = QStringLiteral("petstop");
    s.MezzBehind = QStringLiteral("mezzstop");
    return s;
}

QString& Settings::petName(PetRole role) {
    return PetNames.at(static_cast<std::size_t>(role));
}
const QString& Settings::petName(PetRole role) const {
    return PetNames.at(static_cast<std::size_t>(role));
}
bool& Settings::remembers(PetRole role) {
    return RememberNames.at(static_cast<std::size_t>(role));
}
bool Settings::remembers(PetRole role) const {
    return RememberNames.at(static_cast<std::size_t>(role));
}

const QString& TextField::in(const Settings& settings) const {
    return m_role ? settings.petName(*m_role) : settings.*m_field;
}
QString& TextField::in(Settings& settings) const {
    return m_role ? settings.petName(*m_role) : settings.*m_field;
}

QString Settings::lineText(SettingsField field) const {
    const LineSpec& s = spec(field);
    if (s.rememberOf) {
        return flagText(remembers(*s.rememberOf));
    }
    if (s.flag != nullptr) {
        return flagText(this->*s.flag);
    }
    if (s.forgottenIn(*this)) {
        return kForgottenName;
    }
    return s.text->in(*this);
}

std::vector<TextField> Settings::typedLines() const {
    std::vector<TextField> fields;
    for (int i = static_cast<int>(SettingsField::ScriptsDirName); i < kSettingsLineCount; ++i) {
        const LineSpec& s = spec(static_cast<SettingsField>(i));
        if (s.text && !s.forgottenIn(*this) &&
            i != static_cast<int>(SettingsField::LastModeUsedMEC)) {
            fields.push_back(*s.text);
        }
    }
    return fields;
}

QStringList Settings::lines() const {
    QStringList out;
    out.reserve(kSettingsLineCount);
    for (int i = 0; i < kSettingsLineCount; ++i) {
        out.append(lineText(static_cast<SettingsField>(i)));
    }
    return out;
}

bool loadSettings(Settings& settings, const QString& file) {
    TextReader reader(file);
    if (!reader.isOpen()) {
        return false;
    }
    for (int i = 0; i < kSettingsLineCount; ++i) {
        const std::optional<QString> line = reader.readLine();
        if (!line) {
            break;
        }
        readLine(settings, static_cast<SettingsField>(i), *line);
    }
    return true;
}

FileResult saveSettings(const Settings& settings, const QString& file) {
    return writeTextLines(file, settings.lines());
}

FileResult updateSettingsFile(const Settings& values, const std::vector<SettingsField>& fields,
                              Settings* loaded, const QString& file) {
    QStringList stored;
    {
        // Closed before the save: Windows refuses to replace a file that is still open.
        TextReader reader(file);
        for (int i = 0; i < kSettingsLineCount; ++i) {
            stored.append(reader.readLine().value_or(QString()));
        }
    }
    for (const SettingsField field : fields) {
        stored[static_cast<qsizetype>(field)] = values.lineText(field);
    }
    const FileResult result = writeTextLines(file, stored);
    if (result && loaded != nullptr) {
        for (const SettingsField field : fields) {
            copyLine(spec(field), values, *loaded);
        }
    }
    return result;
}

FileResult createDefaultSettings(const QString& file) {
    return saveSettings(Settings::defaults(), file);
}

} // namespace glimmbar
