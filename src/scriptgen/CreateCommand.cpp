#include "CreateCommand.h"

#include "NameChecks.h"

namespace glimmbar {

bool runCreateFiles(const CreateSnapshot& snapshot, MessageSink& messages) {
    if (!checkCreateNames(snapshot.settings, messages)) {
        return false;
    }
    return ScriptWriter(snapshot, messages);
}

} // namespace glimmbar
