#include "PetCatalogue.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace glimmbar {

namespace {

using enum PetRole;

// Each role's types from the top of its Options column down; the catalogue is the six runs
// one after another.
constexpr std::array kAttackTypes = {
    "Anger Manifestation", "Fury Externalization",   "Rage Materialization", "Wrath Incarnation",
    "Frenzy Embodiment",   "Enmity Personification", "Metaphysical Demon",   "Biazu The Vile",
    "Urolok The Rotten",   "Ettu The Cursed",        "Zhok The Abomination"};
constexpr std::array kHealTypes = {
    "Medinos",         "Salvinous", "Valentyia",         "Sanoo",     "Restite",
    "The Vivificator", "Altumus",   "Curatem The Grand", "Belamorte", "Mortificant The Eternal"};
constexpr std::array kMezzTypes = {"Distracting Sphere",
                                   "Deranged Mindreaver",
                                   "Absuum",
                                   "Ignatus Mind Clouder",
                                   "Demenus",
                                   "Duoco",
                                   "Distral",
                                   "Confane",
                                   "Balbuto The Gibberer",
                                   "Tumulten"};
constexpr std::array kEngyTypes = {
    "Engineer Automaton I",   "Engineer Automaton II",  "Engineer Android I",
    "Engineer Android II",    "Engineer Gladiatorbot",  "Engineer Guardbot",
    "Engineer Warbot",        "Engineer Warmachine",    "Engineer Wardroid",
    "Engineer Slayerdroid I", "Engineer Slayerdroid II"};
constexpr std::array kMechdogTypes = {"Predator M-30", "Upgraded Predator M-30",
                                      "Advanced Predator M-30", "Semi-Sentient Predator M-30",
                                      "Military-Grade Predator M-30"};
constexpr std::array kCratTypes = {
    "Bureaucrat Worker",        "Bureaucrat Helper", "Bureaucrat Attendant",
    "Bureaucrat Assistant",     "Bureaucrat Aide",   "Bureaucrat Secretary",
    "Bureaucrat Administrator", "Bureaucrat Minion", "Bureaucrat Bodyguard"};

// Where the game spells a type unlike its Options caption.
constexpr std::array<std::pair<std::string_view, const char*>, 5> kGameSpellings = {{
    {"Biazu The Vile", "Biazu the Vile"},
    {"Urolok The Rotten", "Urolok the Rotten"},
    {"Ettu The Cursed", "Ettu the Cursed"},
    {"Zhok The Abomination", "Zhok the Abomination"},
    {"Ignatus Mind Clouder", "Ignatus Mind-Clouder"},
}};

static_assert(kAttackTypes.size() + kHealTypes.size() + kMezzTypes.size() + kEngyTypes.size() +
                  kMechdogTypes.size() + kCratTypes.size() ==
              kPetTypeCount);

constexpr std::array<PetType, kPetTypeCount> kPetTypes = [] {
    std::array<PetType, kPetTypeCount> types{};
    std::size_t next = 0;
    const auto append = [&](PetRole role, std::span<const char* const> captions) {
        for (const char* caption : captions) {
            const char* gameSpelling = nullptr;
            for (const auto& [shown, spelt] : kGameSpellings) {
                if (shown == caption) {
                    gameSpelling = spelt;
                }
            }
            types.at(next++) = PetType{caption, gameSpelling, role};
        }
    };
    append(Attack, kAttackTypes);
    append(Heal, kHealTypes);
    append(Mezz, kMezzTypes);
    append(Engy, kEngyTypes);
    append(Mechdog, kMechdogTypes);
    append(Crat, kCratTypes);
    return types;
}();

// The attack pets' Greater group is decided by its bottom row, Metaphysical Demon (index 6);
// every other group by its top row.
constexpr std::array<ToggleGroup, 16> kToggleGroups = {{
    {"cmdToggleMPALesser", "Toggle Lesser Pets", Attack, 0, 4, 0},
    {"cmdToggleMPAGreater", "Toggle Greater Pets", Attack, 4, 3, 6},
    {"cmdToggleMPASL", "Toggle SL Pets", Attack, 7, 4, 7},
    {"cmdToggleMPHLesser", "Toggle Lesser Pets", Heal, 11, 3, 11},
    {"cmdToggleMPHMidrange", "Toggle Midrange Pets", Heal, 14, 3, 14},
    {"cmdToggleMPHGreater", "Toggle Greater Pets", Heal, 17, 4, 17},
    {"cmdToggleMPMLesser", "Toggle Lesser Pets", Mezz, 21, 3, 21},
    {"cmdToggleMPMMidrange", "Toggle Midrange Pets", Mezz, 24, 4, 24},
    {"cmdToggleMPMGreater", "Toggle Greater Pets", Mezz, 28, 3, 28},
    {"cmdToggleEngyLesser", "Toggle Lesser Pets", Engy, 31, 4, 31},
    {"cmdToggleEngyMidrange", "Toggle Midrange Pets", Engy, 35, 4, 35},
    {"cmdToggleEngyGreater", "Toggle Greater Pets", Engy, 39, 3, 39},
    {"cmdToggleMechdogAll", "Toggle All Mechdogs", Mechdog, 42, 5, 42},
    {"cmdToggleCratLesser", "Toggle Lesser Pets", Crat, 47, 3, 47},
    {"cmdToggleCratMidrange", "Toggle Midrange Pets", Crat, 50, 3, 50},
    {"cmdToggleCratGreater", "Toggle Greater Pets", Crat, 53, 3, 53},
}};

constexpr std::array<PetRole, 3> kMpRoles = {Attack, Heal, Mezz};
constexpr std::array<PetRole, 2> kEngineerRoles = {Engy, Mechdog};
constexpr std::array<PetRole, 1> kBureaucratRoles = {Crat};

} // namespace

QString professionText(Profession profession) {
    switch (profession) {
    case Profession::MP:
        return QStringLiteral("MP");
    case Profession::Engineer:
        return QStringLiteral("Engineer");
    case Profession::Bureaucrat:
        return QStringLiteral("Bureaucrat");
    }
    return {};
}

std::optional<Profession> professionFromText(const QString& text) {
    for (const Profession p : {Profession::MP, Profession::Engineer, Profession::Bureaucrat}) {
        if (text == professionText(p)) {
            return p;
        }
    }
    return std::nullopt;
}

const char* roleKey(PetRole role) {
    switch (role) {
    case Attack:
        return "attack";
    case Heal:
        return "heal";
    case Mezz:
        return "mezz";
    case Engy:
        return "engy";
    case Mechdog:
        return "mechdog";
    case Crat:
        return "crat";
    }
    return "";
}

Profession roleProfession(PetRole role) {
    switch (role) {
    case Attack:
    case Heal:
    case Mezz:
        return Profession::MP;
    case Engy:
    case Mechdog:
        return Profession::Engineer;
    case Crat:
        return Profession::Bureaucrat;
    }
    return Profession::MP;
}

std::span<const PetRole> professionRoles(Profession profession) {
    switch (profession) {
    case Profession::MP:
        return kMpRoles;
    case Profession::Engineer:
        return kEngineerRoles;
    case Profession::Bureaucrat:
        return kBureaucratRoles;
    }
    return {};
}

std::span<const PetType> petTypes() {
    return kPetTypes;
}

std::size_t petTypeIndex(const PetType& type) {
    return static_cast<std::size_t>(&type - kPetTypes.data());
}

std::span<const PetType> roleTypes(PetRole role) {
    const auto inRole = [role](const PetType& type) {
        return type.role == role;
    };
    const auto* first = std::find_if(kPetTypes.begin(), kPetTypes.end(), inRole);
    return {first, std::find_if_not(first, kPetTypes.end(), inRole)};
}

QString PetType::inGameName() const {
    return QLatin1String(gameSpelling != nullptr ? gameSpelling : caption);
}

QString PetType::key() const {
    QString key = QLatin1String(caption);
    key.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    return key;
}

std::span<const ToggleGroup> toggleGroups() {
    return kToggleGroups;
}

IncludeFlags Toggle(const ToggleGroup& group, IncludeFlags flags) {
    const bool newState = !flags[static_cast<std::size_t>(group.decidingMember)];
    for (int i = 0; i < group.memberCount; ++i) {
        flags[static_cast<std::size_t>(group.firstMember + i)] = newState;
    }
    return flags;
}

} // namespace glimmbar
