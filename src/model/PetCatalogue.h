// The fixed catalogue of the 56 summonable pet types Glimmbar knows, and the sixteen toggle
// groups of the Options window. The professions, the pet roles and the facts of each role live
// in the roles' rows (PetRoles.h); this is the catalogue as those rows make it.
#pragma once

#include "model/PetRoles.h"

#include <QString>

#include <cstddef>
#include <span>
#include <vector>

namespace glimmbar {

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
IncludeFlags toggledFlags(const ToggleGroup& group, IncludeFlags flags);

} // namespace glimmbar
