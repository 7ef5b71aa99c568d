// Everything that refuses a Create Files run, before a single file is touched: the names the
// profession needs and the game's name filter, and each typed text against every file of the
// planned run that holds it.
#pragma once

#include "model/Messages.h"
#include "scriptgen/ScriptWriter.h"

#include <vector>

namespace glimmbar {

// True when the run may write `plan`; otherwise every refusal has gone to `messages` (the
// name rule can give several, one per short name; the other checks stop at the first). The
// snapshot's profession must be set.
bool checkCreateFiles(const CreateSnapshot& snapshot, const std::vector<OutputFile>& plan,
                      MessageSink& messages);

} // namespace glimmbar
