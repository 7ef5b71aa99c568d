// petselect.cfg: which pet types the naming script renames. 56 lines of "1" or "0" in the
// catalogue's order and nothing else.
#pragma once

#include "files/FileLayer.h"
#include "model/FileNames.h"
#include "model/PetCatalogue.h"

namespace glimmbar {

struct PetSelection {
    // Every type left out until the file is loaded.
    IncludeFlags include = IncludeFlags(petTypes().size(), false);

    bool isIncluded(const PetType& type) const { return include[petTypeIndex(type)]; }

    friend bool operator==(const PetSelection&, const PetSelection&) = default;
};

// Reads up to 56 lines. A whole number sets (non-zero) or clears (zero) its type's flag; a
// missing or non-numeric line leaves that flag as it was. False when the file cannot be
// opened (and nothing changes).
bool loadPetSelection(PetSelection& selection, const QString& file = kPetSelectionFileName);

FileResult savePetSelection(const PetSelection& selection,
                            const QString& file = kPetSelectionFileName);

// Includes every type and writes 56 lines of "1".
FileResult createDefaultPetSelection(PetSelection& selection,
                                     const QString& file = kPetSelectionFileName);

} // namespace glimmbar
