// The Create Files click, without its window: the checks on the typed pet names, then the
// script writer. Anarchy Online's name filter refuses a pet name of fewer than four
// characters, so a script that renames a pet to such a name would do nothing in the game.
#pragma once

#include "scriptgen/ScriptWriter.h"

namespace glimmbar {

// The rule of the snapshot's profession on its typed names, then (when it passes)
// writeScriptFiles. Every message — refusals, failures, the success message — goes to
// `messages`, in order. A profession text that is not exactly "MP", "Engineer" or "Bureaucrat"
// matches no rule: nothing happens. True when every file was written (the settings file
// included), so the caller can take `snapshot.settings` as its record.
bool runCreateFiles(const CreateSnapshot& snapshot, MessageSink& messages);

} // namespace glimmbar
