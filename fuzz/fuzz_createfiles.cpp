// Create Files over everything a player can type: a pet name of any letters, blanks and colour
// codes comes out whole in every file and back from glimmbar.cfg, and an accepted script name is
// one Windows makes a file under. The first byte says which.
#include "CreateProperties.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace create_properties;
    enterFuzzFolder();
    static const bool ready = (makeGameFolder(), true);
    if (!ready || size == 0) {
        return 0;
    }
    const QByteArrayView rest(data + 1, static_cast<qsizetype>(size - 1));
    const QString failure = data[0] % 2 == 0 ? petNameFails(rest) : scriptNameFails(rest);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "property failed: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
