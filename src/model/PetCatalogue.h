// The fixed catalogue of the 56 summonable pet types Glimmbar knows, the six pet roles of the
// three pet professions, and the sixteen toggle groups of the Options window. The facts of
// each role live in its row (PetRoles.h); this is the catalogue as those rows make it.
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace glimmbar {

enum class Profession { MP, Engineer, Bureaucrat };

// "MP", "Engineer" or "Bureaucrat": the text the settings file stores.
QString professionText(Profession profession);
// Exact, case-sensitive match of a stored text; nullopt for anything else.
std::optional<Profession> professionFromText(const QString& text);

// In role order, which is also the order of the roles' lines in glimmbar.cfg and of their types
// in petselect.cfg: a new role goes last (before Count), so players' files keep their meaning.
// Each role's facts are its row in PetRoles.cpp.
enum class PetRole { Attack, Heal, Mezz, Engy, Mechdog, Crat, Count };

inline constexpr std::size_t kRoleCount = static_cast<std::size_t>(PetRole::Count);
inline constexpr std::array<PetRole, kRoleCount> kAllRoles = [] {
    std::array<PetRole, kRoleCount> all{};
    for (std::size_t i = 0; i < kRoleCount; ++i) {
        all.at(i) = static_cast<PetRole>(i);
    }
    return all;
}();

// The role key: "attack", "heal", "mezz", "engy", "mechdog", "crat".
const char* roleKey(PetRole role);
Profession roleProfession(PetRole role);
std::span<const PetRole> professionRoles(Profession profession);

struct PetType {
    const char* caption; // as the Options window shows it
    // How the game spells the type where that differs from the caption ("Biazu the Vile",
    // "Ignatus Mind-Clouder"); nullptr elsewhere.
    const char* gameSpelling;
    PetRole role;

    // What the game calls the type, which "/pet" commands must match.
    QString inGameName() const;
    // The caption without spaces and hyphens, "AngerManifestation"; the Options box is
    // "chkInclude" + key.
    QString key() const;
};

// All 56 types in catalogue order (each role's types, in role order, from the top of its Options
// column), which is also the line order of petselect.cfg.
std::span<const PetType> petTypes();
// Position of an entry of petTypes() in catalogue order.
std::size_t petTypeIndex(const PetType& type);
// The contiguous run of one role's types in catalogue order.
std::span<const PetType> roleTypes(PetRole role);

// Made from the roles' rows (PetRoles.h).
struct ToggleGroup {
    const char* buttonName; // "cmdToggleMPALesser"
    const char* caption;    // "Toggle Lesser Pets"
    PetRole role;
    int firstMember; // catalogue index of the top member
    int memberCount;
    int decidingMember; // catalogue index
};

std::span<const ToggleGroup> toggleGroups();

// One include flag per pet type, in catalogue order.
using IncludeFlags = std::vector<bool>;

// A toggle button's click: the deciding member's state decides whether the whole group is
// cleared (it was ticked) or ticked (it was clear); other members' states play no part and
// types outside the group are left alone.
IncludeFlags Toggle(const ToggleGroup& group, IncludeFlags flags);

} // namespace glimmbar
