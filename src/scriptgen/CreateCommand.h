// The Create Files click, without its window: the checks, then the planned files written, then
// the success message.
#pragma once

#include "model/Messages.h"
#include "scriptgen/ScriptWriter.h"

namespace glimmbar {

// Plans the run of the snapshot's profession, refuses it when a check fails, else writes it.
// Every message — refusals, failures, the success message — goes to `messages`, in order. A
// profession text that is not exactly "MP", "Engineer" or "Bureaucrat" matches no rule:
// nothing happens. True when every file was written (the settings file included), so the
// caller can take `snapshot.settings` as its record.
bool runCreateFiles(const CreateSnapshot& snapshot, MessageSink& messages);

} // namespace glimmbar
