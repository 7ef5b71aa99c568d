#include "PetCatalogue.h"

namespace glimmbar {

namespace {

using enum PetRole;
using enum PetGroup;

constexpr std::array<PetType, kPetTypeCount> kPetTypes = {{
    {"AngerManifestation", "Anger Manifestation", "Anger Manifestation", Attack, Lesser, 1},
    {"FuryExternalization", "Fury Externalization", "Fury Externalization", Attack, Lesser, 2},
    {"RageMaterialization", "Rage Materialization", "Rage Materialization", Attack, Lesser, 3},
    {"WrathIncarnation", "Wrath Incarnation", "Wrath Incarnation", Attack, Lesser, 4},
    {"FrenzyEmbodiment", "Frenzy Embodiment", "Frenzy Embodiment", Attack, Greater, 5},
    {"EnmityPersonification", "Enmity Personification", "Enmity Personification", Attack, Greater,
     6},
    {"MetaphysicalDemon", "Metaphysical Demon", "Metaphysical Demon", Attack, Greater, 7},
    {"BiazuTheVile", "Biazu The Vile", "Biazu the Vile", Attack, SL, 8},
    {"UrolokTheRotten", "Urolok The Rotten", "Urolok the Rotten", Attack, SL, 9},
    {"EttuTheCursed", "Ettu The Cursed", "Ettu the Cursed", Attack, SL, 10},
    {"ZhokTheAbomination", "Zhok The Abomination", "Zhok the Abomination", Attack, SL, 11},

    {"Medinos", "Medinos", "Medinos", Heal, Lesser, 1},
    {"Salvinous", "Salvinous", "Salvinous", Heal, Lesser, 2},
    {"Valentyia", "Valentyia", "Valentyia", Heal, Lesser, 3},
    {"Sanoo", "Sanoo", "Sanoo", Heal, Midrange, 4},
    {"Restite", "Restite", "Restite", Heal, Midrange, 5},
    {"TheVivificator", "The Vivificator", "The Vivificator", Heal, Midrange, 6},
    {"Altumus", "Altumus", "Altumus", Heal, Greater, 7},
    {"CuratemTheGrand", "Curatem The Grand", "Curatem The Grand", Heal, Greater, 8},
    {"Belamorte", "Belamorte", "Belamorte", Heal, Greater, 9},
    {"MortificantTheEternal", "Mortificant The Eternal", "Mortificant The Eternal", Heal, Greater,
     10},

    {"DistractingSphere", "Distracting Sphere", "Distracting Sphere", Mezz, Lesser, 1},
    {"DerangedMindreaver", "Deranged Mindreaver", "Deranged Mindreaver", Mezz, Lesser, 2},
    {"Absuum", "Absuum", "Absuum", Mezz, Lesser, 3},
    {"IgnatusMindClouder", "Ignatus Mind Clouder", "Ignatus Mind-Clouder", Mezz, Midrange, 4},
    {"Demenus", "Demenus", "Demenus", Mezz, Midrange, 5},
    {"Duoco", "Duoco", "Duoco", Mezz, Midrange, 6},
    {"Distral", "Distral", "Distral", Mezz, Midrange, 7},
    {"Confane", "Confane", "Confane", Mezz, Greater, 8},
    {"BalbutoTheGibberer", "Balbuto The Gibberer", "Balbuto The Gibberer", Mezz, Greater, 9},
    {"Tumulten", "Tumulten", "Tumulten", Mezz, Greater, 10},

    {"EngineerAutomatonI", "Engineer Automaton I", "Engineer Automaton I", Engy, Lesser, 1},
    {"EngineerAutomatonII", "Engineer Automaton II", "Engineer Automaton II", Engy, Lesser, 2},
    {"EngineerAndroidI", "Engineer Android I", "Engineer Android I", Engy, Lesser, 3},
    {"EngineerAndroidII", "Engineer Android II", "Engineer Android II", Engy, Lesser, 4},
    {"EngineerGladiatorbot", "Engineer Gladiatorbot", "Engineer Gladiatorbot", Engy, Midrange, 5},
    {"EngineerGuardbot", "Engineer Guardbot", "Engineer Guardbot", Engy, Midrange, 6},
    {"EngineerWarbot", "Engineer Warbot", "Engineer Warbot", Engy, Midrange, 7},
    {"EngineerWarmachine", "Engineer Warmachine", "Engineer Warmachine", Engy, Midrange, 8},
    {"EngineerWardroid", "Engineer Wardroid", "Engineer Wardroid", Engy, Greater, 9},
    {"EngineerSlayerdroidI", "Engineer Slayerdroid I", "Engineer Slayerdroid I", Engy, Greater, 10},
    {"EngineerSlayerdroidII", "Engineer Slayerdroid II", "Engineer Slayerdroid II", Engy, Greater,
     11},

    {"PredatorM30", "Predator M-30", "Predator M-30", Mechdog, All, 1},
    {"UpgradedPredatorM30", "Upgraded Predator M-30", "Upgraded Predator M-30", Mechdog, All, 2},
    {"AdvancedPredatorM30", "Advanced Predator M-30", "Advanced Predator M-30", Mechdog, All, 3},
    {"SemiSentientPredatorM30", "Semi-Sentient Predator M-30", "Semi-Sentient Predator M-30",
     Mechdog, All, 4},
    {"MilitaryGradePredatorM30", "Military-Grade Predator M-30", "Military-Grade Predator M-30",
     Mechdog, All, 5},

    {"BureaucratWorker", "Bureaucrat Worker", "Bureaucrat Worker", Crat, Lesser, 1},
    {"BureaucratHelper", "Bureaucrat Helper", "Bureaucrat Helper", Crat, Lesser, 2},
    {"BureaucratAttendant", "Bureaucrat Attendant", "Bureaucrat Attendant", Crat, Lesser, 3},
    {"BureaucratAssistant", "Bureaucrat Assistant", "Bureaucrat Assistant", Crat, Midrange, 4},
    {"BureaucratAide", "Bureaucrat Aide", "Bureaucrat Aide", Crat, Midrange, 5},
    {"BureaucratSecretary", "Bureaucrat Secretary", "Bureaucrat Secretary", Crat, Midrange, 6},
    {"BureaucratAdministrator", "Bureaucrat Administrator", "Bureaucrat Administrator", Crat,
     Greater, 7},
    {"BureaucratMinion", "Bureaucrat Minion", "Bureaucrat Minion", Crat, Greater, 8},
    {"BureaucratBodyguard", "Bureaucrat Bodyguard", "Bureaucrat Bodyguard", Crat, Greater, 9},
}};

// Where each role's run starts in catalogue order, and one past the last role.
constexpr std::array<int, 7> kRoleStart = {0, 11, 21, 31, 42, 47, 56};

constexpr const char* kLesser = "Toggle Lesser Pets";
constexpr const char* kMidrange = "Toggle Midrange Pets";
constexpr const char* kGreater = "Toggle Greater Pets";

// The attack pets' Greater group is decided by its bottom row, Metaphysical Demon (index 6);
// every other group by its top row.
constexpr std::array<ToggleGroup, 16> kToggleGroups = {{
    {"cmdToggleMPALesser", kLesser, Attack, 0, 4, 0},
    {"cmdToggleMPAGreater", kGreater, Attack, 4, 3, 6},
    {"cmdToggleMPASL", "Toggle SL Pets", Attack, 7, 4, 7},
    {"cmdToggleMPHLesser", kLesser, Heal, 11, 3, 11},
    {"cmdToggleMPHMidrange", kMidrange, Heal, 14, 3, 14},
    {"cmdToggleMPHGreater", kGreater, Heal, 17, 4, 17},
    {"cmdToggleMPMLesser", kLesser, Mezz, 21, 3, 21},
    {"cmdToggleMPMMidrange", kMidrange, Mezz, 24, 4, 24},
    {"cmdToggleMPMGreater", kGreater, Mezz, 28, 3, 28},
    {"cmdToggleEngyLesser", kLesser, Engy, 31, 4, 31},
    {"cmdToggleEngyMidrange", kMidrange, Engy, 35, 4, 35},
    {"cmdToggleEngyGreater", kGreater, Engy, 39, 3, 39},
    {"cmdToggleMechdogAll", "Toggle All Mechdogs", Mechdog, 42, 5, 42},
    {"cmdToggleCratLesser", kLesser, Crat, 47, 3, 47},
    {"cmdToggleCratMidrange", kMidrange, Crat, 50, 3, 50},
    {"cmdToggleCratGreater", kGreater, Crat, 53, 3, 53},
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
    const auto r = static_cast<std::size_t>(role);
    const auto first = static_cast<std::size_t>(kRoleStart[r]);
    const auto last = static_cast<std::size_t>(kRoleStart[r + 1]);
    return std::span<const PetType>(kPetTypes).subspan(first, last - first);
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
