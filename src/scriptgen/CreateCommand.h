// The Create Files click, without its window.
#pragma once

#include "scriptgen/ScriptWriter.h"

namespace glimmbar {

// The Create Files click: the name checks, then (when they pass) ScriptWriter. Every message —
// refusals, failures, the success message — goes to `messages`, in order. True when every file
// was written (the settings file included), so the caller can take `snapshot.settings` as its
// record.
bool runCreateFiles(const CreateSnapshot& snapshot, MessageSink& messages);

} // namespace glimmbar
