#include "model/PetRoles.h"

#include "model/Settings.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace glimmbar {

namespace {

constexpr auto kProfessions = std::to_array<ProfessionRow>({
    {.profession = Profession::MP,
     .text = "MP",
     .caption = "&Meta-Physicist",
     .successWords = "a Meta-Physicist",
     .namingLink = "Name your pets"},
    {.profession = Profession::Engineer,
     .text = "Engineer",
     .caption = "&Engineer",
     .successWords = "an Engineer",
     .namingLink = "Name your robot(s)"},
    {.profession = Profession::Bureaucrat,
     .text = "Bureaucrat",
     .caption = "&Bureaucrat",
     .successWords = "a Bureaucrat",
     .namingLink = "Name your 'droid"},
});
static_assert(
    [] {
        for (std::size_t i = 0; i < kProfessions.size(); ++i) {
            if (static_cast<std::size_t>(kProfessions[i].profession) != i) {
                return false;
            }
        }
        return true;
    }(),
    "the professions stand in the order of Profession");

using enum PetRole;
using S = Settings;

// Each role's types from the top of its Options column down.
constexpr auto kAttackTypes = std::to_array<PetTypeNames>({
    {"Anger Manifestation"},
    {"Fury Externalization"},
    {"Rage Materialization"},
    {"Wrath Incarnation"},
    {"Frenzy Embodiment"},
    {"Enmity Personification"},
    {"Metaphysical Demon"},
    {"Biazu The Vile", "Biazu the Vile"},
    {"Urolok The Rotten", "Urolok the Rotten"},
    {"Ettu The Cursed", "Ettu the Cursed"},
    {"Zhok The Abomination", "Zhok the Abomination"},
});
constexpr auto kHealTypes = std::to_array<PetTypeNames>({
    {"Medinos"},
    {"Salvinous"},
    {"Valentyia"},
    {"Sanoo"},
    {"Restite"},
    {"The Vivificator"},
    {"Altumus"},
    {"Curatem The Grand"},
    {"Belamorte"},
    {"Mortificant The Eternal"},
});
constexpr auto kMezzTypes = std::to_array<PetTypeNames>({
    {"Distracting Sphere"},
    {"Deranged Mindreaver"},
    {"Absuum"},
    {"Ignatus Mind Clouder", "Ignatus Mind-Clouder"},
    {"Demenus"},
    {"Duoco"},
    {"Distral"},
    {"Confane"},
    {"Balbuto The Gibberer"},
    {"Tumulten"},
});
constexpr auto kEngyTypes = std::to_array<PetTypeNames>({
    {"Engineer Automaton I"},
    {"Engineer Automaton II"},
    {"Engineer Android I"},
    {"Engineer Android II"},
    {"Engineer Gladiatorbot"},
    {"Engineer Guardbot"},
    {"Engineer Warbot"},
    {"Engineer Warmachine"},
    {"Engineer Wardroid"},
    {"Engineer Slayerdroid I"},
    {"Engineer Slayerdroid II"},
});
constexpr auto kMechdogTypes = std::to_array<PetTypeNames>({
    {"Predator M-30"},
    {"Upgraded Predator M-30"},
    {"Advanced Predator M-30"},
    {"Semi-Sentient Predator M-30"},
    {"Military-Grade Predator M-30"},
});
constexpr auto kCratTypes = std::to_array<PetTypeNames>({
    {"Bureaucrat Worker"},
    {"Bureaucrat Helper"},
    {"Bureaucrat Attendant"},
    {"Bureaucrat Assistant"},
    {"Bureaucrat Aide"},
    {"Bureaucrat Secretary"},
    {"Bureaucrat Administrator"},
    {"Bureaucrat Minion"},
    {"Bureaucrat Bodyguard"},
});

// The attack pets' Greater group is decided by its bottom row, Metaphysical Demon; every other
// group by its top row.
constexpr auto kAttackToggles = std::to_array<RoleToggle>({
    {"cmdToggleMPALesser", "Toggle Lesser Pets", 0, 4, 0},
    {"cmdToggleMPAGreater", "Toggle Greater Pets", 4, 3, 6},
    {"cmdToggleMPASL", "Toggle SL Pets", 7, 4, 7},
});
constexpr auto kHealToggles = std::to_array<RoleToggle>({
    {"cmdToggleMPHLesser", "Toggle Lesser Pets", 0, 3, 0},
    {"cmdToggleMPHMidrange", "Toggle Midrange Pets", 3, 3, 3},
    {"cmdToggleMPHGreater", "Toggle Greater Pets", 6, 4, 6},
});
constexpr auto kMezzToggles = std::to_array<RoleToggle>({
    {"cmdToggleMPMLesser", "Toggle Lesser Pets", 0, 3, 0},
    {"cmdToggleMPMMidrange", "Toggle Midrange Pets", 3, 4, 3},
    {"cmdToggleMPMGreater", "Toggle Greater Pets", 7, 3, 7},
});
constexpr auto kEngyToggles = std::to_array<RoleToggle>({
    {"cmdToggleEngyLesser", "Toggle Lesser Pets", 0, 4, 0},
    {"cmdToggleEngyMidrange", "Toggle Midrange Pets", 4, 4, 4},
    {"cmdToggleEngyGreater", "Toggle Greater Pets", 8, 3, 8},
});
constexpr auto kMechdogToggles = std::to_array<RoleToggle>({
    {"cmdToggleMechdogAll", "Toggle All Mechdogs", 0, 5, 0},
});
constexpr auto kCratToggles = std::to_array<RoleToggle>({
    {"cmdToggleCratLesser", "Toggle Lesser Pets", 0, 3, 0},
    {"cmdToggleCratMidrange", "Toggle Midrange Pets", 3, 3, 3},
    {"cmdToggleCratGreater", "Toggle Greater Pets", 6, 3, 6},
});

// The heal-your-target link has never had the blank before "/macro" that the others have; the
// help files players already use look like this, so it stays.
constexpr auto kAttackLinks = std::to_array<HelpLink>({
    {"Tell your attack pet to attack your target", " /macro Attack /", &S::Attack},
    {"Tell your attack pet to go into behind mode", " /macro BehindPet /", &S::Behind},
});
constexpr auto kHealLinks = std::to_array<HelpLink>({
    {"Tell your heal pet to heal your target", "/macro HealYou /", &S::Heal},
    {"Tell your heal pet to heal yourself", " /macro HealMe /", &S::Healme},
});
constexpr auto kMezzLinks = std::to_array<HelpLink>({
    {"Tell your mezz pet to mezz your target", " /macro Mezz /", &S::Mezz},
    {"Tell your mezz pet to go into behind mode", " /macro BehindMezz /", &S::MezzBehind},
});

constexpr auto kRoles = std::to_array<PetRoleRow>({
    {.role = Attack,
     .key = "attack",
     .profession = Profession::MP,
     .naming = {.caption = "Attack Pet",
                .picture = "attackpet.png",
                .pictureName = "Image2",
                .line = 1,
                .fieldStem = "Attack"},
     .nameCheck = {.lengthLabel = "attack pet", .refusalWords = "your attack pet"},
     .scripts = {.announcement = &S::MPAttackAnnounce,
                 .kind = RoleScripts::CombatPet,
                 .commandScript = &S::Attack,
                 .secondScript = &S::Behind,
                 .helpLinks = kAttackLinks},
     .options = {.tab = OptionsPetTab::MP, .types = kAttackTypes, .toggles = kAttackToggles},
     .calculator = {.category = CalcPetType::MPAttack,
                    .caption = "Meta-Physicist &Attack Pet",
                    .nanoSkill = "Matter Creation"}},
    {.role = Heal,
     .key = "heal",
     .profession = Profession::MP,
     .naming = {.caption = "Heal Pet",
                .picture = "healpet.png",
                .pictureName = "Image1",
                .line = 3,
                .fieldStem = "Heal"},
     .nameCheck = {.lengthLabel = "healpet", .refusalWords = "your heal pet"},
     .scripts = {.announcement = &S::MPHealAnnounce,
                 .kind = RoleScripts::HealPet,
                 .commandScript = &S::Heal,
                 .secondScript = &S::Healme,
                 .helpLinks = kHealLinks},
     .options = {.tab = OptionsPetTab::MP, .types = kHealTypes, .toggles = kHealToggles},
     .calculator = {.category = CalcPetType::Heal,
                    .caption = "Meta-Physicist &Heal Pet",
                    .nanoSkill = "Biological Metamorphosis"}},
    {.role = Mezz,
     .key = "mezz",
     .profession = Profession::MP,
     .naming = {.caption = "Mezz Pet",
                .picture = "mezzpet.png",
                .pictureName = "Image3",
                .line = 5,
                .fieldStem = "Mezz"},
     .nameCheck = {.lengthLabel = "mezz pet", .refusalWords = "your mezz pet"},
     .scripts = {.announcement = &S::MPMezzAnnounce,
                 .kind = RoleScripts::CombatPet,
                 .commandScript = &S::Mezz,
                 .secondScript = &S::MezzBehind,
                 .helpLinks = kMezzLinks},
     .options = {.tab = OptionsPetTab::MP, .types = kMezzTypes, .toggles = kMezzToggles},
     .calculator = {.category = CalcPetType::Mezz,
                    .caption = "Meta-Physicist &Mezz Pet",
                    .nanoSkill = "Matter Metamorphosis"}},
    {.role = Engy,
     .key = "engy",
     .profession = Profession::Engineer,
     .naming = {.caption = "Engineer Robot",
                .picture = "engyrobot.png",
                .pictureName = "Image5",
                .line = 2,
                .fieldStem = "Engy"},
     .nameCheck = {.lengthLabel = "robot",
                   .missingText = "You cannot make the control script files unless you have a "
                                  "name for your main robot!",
                   .refusalWords = "your robot"},
     .scripts = {.announcement = &S::EngyAnnounce, .kind = RoleScripts::AnnouncedAttack},
     .options = {.tab = OptionsPetTab::EngyCrat, .types = kEngyTypes, .toggles = kEngyToggles},
     .calculator = {.category = CalcPetType::Engy,
                    .caption = "&Engineer Pet",
                    .nanoSkill = "Matter Creation",
                    .builtInShell = true}},
    {.role = Mechdog,
     .key = "mechdog",
     .profession = Profession::Engineer,
     .naming = {.caption = "Engineer Mechdog",
                .picture = "mechdog.png",
                .pictureName = "Image6",
                .line = 4,
                .fieldStem = "Mechdog"},
     .nameCheck = {.refusalWords = "your mech dog"},
     .scripts = {.namedWith = Engy},
     .options = {.tab = OptionsPetTab::EngyCrat,
                 .types = kMechdogTypes,
                 .toggles = kMechdogToggles},
     .calculator = {.category = CalcPetType::EngyDog,
                    .caption = "Engineer Mech&dog",
                    .nanoSkill = "Matter Creation",
                    .builtInShell = true}},
    {.role = Crat,
     .key = "crat",
     .profession = Profession::Bureaucrat,
     .naming = {.caption = "Bureaucrat Droid",
                .picture = "cratdroid.png",
                .pictureName = "Image4",
                .line = 3,
                .fieldStem = "Crat"},
     .nameCheck = {.lengthLabel = "droid",
                   .missingText = "You cannot make the control script files unless you have a "
                                  "name for your droid!",
                   .refusalWords = "your droid"},
     .scripts = {.announcement = &S::CratAnnounce, .kind = RoleScripts::AnnouncedAttack},
     .options = {.tab = OptionsPetTab::EngyCrat, .types = kCratTypes, .toggles = kCratToggles},
     .calculator = {.category = CalcPetType::Crat,
                    .caption = "&Bureaucrat Pet",
                    .nanoSkill = "Matter Creation",
                    .builtInShell = true}},
});

// roleRow() finds a role's row by the role's number, and the settings record keeps each role's
// name at that place: the rows stand in role order, one for each role.
static_assert([] {
    for (std::size_t i = 0; i < kRoles.size(); ++i) {
        if (kRoles.at(i).role != kAllRoles.at(i)) {
            return false;
        }
    }
    return kRoles.size() == kAllRoles.size();
}());

// In the naming window the rows of one profession stand in role order from the top, at least
// two lines apart, so each name box has room for the colour preview under it. The window makes
// a profession's rows in role order, which is the order Tab visits them.
static_assert([] {
    for (std::size_t a = 0; a < kRoles.size(); ++a) {
        for (std::size_t b = a + 1; b < kRoles.size(); ++b) {
            if (kRoles.at(a).profession == kRoles.at(b).profession &&
                kRoles.at(b).naming.line - kRoles.at(a).naming.line < 2) {
                return false;
            }
        }
    }
    return true;
}());

// Each calculator category lists the pets of exactly one role.
static_assert([] {
    for (const CalcPetType category : kCalcPetTypes) {
        int roles = 0;
        for (const PetRoleRow& row : kRoles) {
            roles += row.calculator.category == category ? 1 : 0;
        }
        if (roles != 1) {
            return false;
        }
    }
    return kRoles.size() == kCalcPetTypes.size();
}());

} // namespace

std::span<const ProfessionRow> professions() {
    return kProfessions;
}

const ProfessionRow& professionRow(Profession profession) {
    return kProfessions[static_cast<std::size_t>(profession)];
}

QString professionText(Profession profession) {
    return QLatin1String(professionRow(profession).text);
}

std::optional<Profession> professionFromText(const QString& text) {
    for (const ProfessionRow& row : kProfessions) {
        if (text == QLatin1String(row.text)) {
            return row.profession;
        }
    }
    return std::nullopt;
}

const char* roleKey(PetRole role) {
    return roleRow(role).key;
}

Profession roleProfession(PetRole role) {
    return roleRow(role).profession;
}

std::span<const PetRole> professionRoles(Profession profession) {
    static const auto byProfession = [] {
        std::array<std::vector<PetRole>, 3> roles;
        for (const PetRoleRow& row : petRoles()) {
            roles.at(static_cast<std::size_t>(row.profession)).push_back(row.role);
        }
        return roles;
    }();
    return byProfession.at(static_cast<std::size_t>(profession));
}

TextField PetRoleRow::nameField() const {
    return TextField::petName(role);
}

std::span<const PetRoleRow> petRoles() {
    return kRoles;
}

const PetRoleRow& roleRow(PetRole role) {
    return kRoles[static_cast<std::size_t>(role)];
}

std::vector<PetRole> rolesOnOptionsTab(OptionsPetTab tab) {
    std::vector<PetRole> roles;
    for (const PetRoleRow& row : kRoles) {
        if (row.options.tab == tab) {
            roles.push_back(row.role);
        }
    }
    return roles;
}

CalcPetType calculatorCategoryOf(Profession profession) {
    return roleRow(professionRoles(profession).front()).calculator.category;
}

const PetRoleRow& roleOfCategory(CalcPetType category) {
    return *std::find_if(kRoles.begin(), kRoles.end(), [category](const PetRoleRow& row) {
        return row.calculator.category == category;
    });
}

} // namespace glimmbar
