// The checks Create Files runs on the typed pet names before anything is written. Anarchy
// Online's name filter refuses a pet name of fewer than four characters, so a script that
// renames a pet to such a name would do nothing in the game.
#pragma once

#include "model/Messages.h"
#include "model/Settings.h"

#include <QString>

namespace glimmbar {

// The characters of a name that the game's name filter counts: every character above code 26.
// Colour codes (code 16 followed by a colour number of 25 or less) never count.
int countedNameLength(const QString& name);

// 1 when the name has at least four counted characters; otherwise shows the refusal for the
// pet of `ParticularPetType` ("attack pet", "healpet", "mezz pet", "robot", "droid") and
// returns 0.
int CheckPetNameLength(const QString& PetNameToCheck, const QString& ParticularPetType,
                       MessageSink& messages);

// The Create Files rule of the profession in `settings.LastModeUsedMEC`, run on the typed
// names held in the *PetName fields. True when the script writer may run. A profession text
// that is not exactly "MP", "Engineer" or "Bureaucrat" matches no rule: false, and no message.
bool checkCreateNames(const Settings& settings, MessageSink& messages);

} // namespace glimmbar
