// petselect.cfg in any state: whatever it holds, it loads, and a save always writes the 56
// flag lines and nothing else.
#include "model/PetSelection.h"

#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmbar;
    enterFuzzFolder();
    writeRaw(kPetSelectionFileName, data, size);

    PetSelection selection;
    FUZZ_CHECK(loadPetSelection(selection));
    FUZZ_CHECK(savePetSelection(selection));
    const QByteArray saved = readRaw(kPetSelectionFileName);
    const auto typeCount = static_cast<qsizetype>(petTypes().size());
    FUZZ_CHECK(saved.size() == typeCount * 3);
    for (qsizetype i = 0; i < typeCount; ++i) {
        const QByteArray line = saved.mid(i * 3, 3);
        FUZZ_CHECK(line == "1\r\n" || line == "0\r\n");
    }

    PetSelection again;
    FUZZ_CHECK(loadPetSelection(again));
    FUZZ_CHECK(again == selection);
    return 0;
}
