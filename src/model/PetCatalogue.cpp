#include "model/PetCatalogue.h"

#include <algorithm>
#include <vector>

namespace glimmbar {

namespace {

// The catalogue is the roles' runs one after another, each from the top of its Options column.
const std::vector<PetType>& catalogue() {
    static const auto types = [] {
        std::vector<PetType> all;
        for (const PetRoleRow& row : petRoles()) {
            for (const PetTypeNames& names : row.options.types) {
                all.push_back(PetType{names.caption, names.gameSpelling, row.role});
            }
        }
        return all;
    }();
    return types;
}

int firstIndexOf(PetRole role) {
    return static_cast<int>(petTypeIndex(roleTypes(role).front()));
}

const std::vector<ToggleGroup>& toggleTable() {
    static const auto groups = [] {
        std::vector<ToggleGroup> all;
        for (const PetRoleRow& row : petRoles()) {
            const int first = firstIndexOf(row.role);
            for (const RoleToggle& t : row.options.toggles) {
                all.push_back({t.buttonName, t.caption, row.role, first + t.firstRow, t.rowCount,
                               first + t.decidingRow});
            }
        }
        return all;
    }();
    return groups;
}

} // namespace

std::span<const PetType> petTypes() {
    return catalogue();
}

std::size_t petTypeIndex(const PetType& type) {
    return static_cast<std::size_t>(&type - catalogue().data());
}

std::span<const PetType> roleTypes(PetRole role) {
    const auto inRole = [role](const PetType& type) {
        return type.role == role;
    };
    const auto& all = catalogue();
    const auto first = std::find_if(all.begin(), all.end(), inRole);
    return {first, std::find_if_not(first, all.end(), inRole)};
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
    return toggleTable();
}

IncludeFlags toggledFlags(const ToggleGroup& group, IncludeFlags flags) {
    const bool newState = !flags[static_cast<std::size_t>(group.decidingMember)];
    for (int i = 0; i < group.memberCount; ++i) {
        flags[static_cast<std::size_t>(group.firstMember + i)] = newState;
    }
    return flags;
}

} // namespace glimmbar
