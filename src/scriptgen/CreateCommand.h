// The Create Files click, without its window: the checks, then the planned files written, then
// the success message.
#pragma once

#include "model/Messages.h"
#include "scriptgen/ScriptWriter.h"

namespace glimmbar {

// How a run ended. A run that stops half-way may have saved glimmbar.cfg already; from then on
// the file holds the snapshot's settings, and so must the caller's record.
struct CreateResult {
    bool created = false;       // every file was written and the success message shown
    bool settingsSaved = false; // glimmbar.cfg holds `snapshot.settings`
};

// Plans the run of the snapshot's profession, refuses it when a check fails, else makes the
// game's scripts and help folders where they are missing and writes the files. Every message —
// refusals, failures, the success message — goes to `messages`, in order. A profession text
// that is not exactly "MP", "Engineer" or "Bureaucrat" matches no rule: nothing happens.
CreateResult runCreateFiles(const CreateSnapshot& snapshot, MessageSink& messages);

} // namespace glimmbar
