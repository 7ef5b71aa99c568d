// A calculator data file in any state. Reading never looks past slot 500, and a calculation
// either answers with four texts or ends without a word; with the file present it never
// reports the file missing.
#include "calculator/PetCalculator.h"
#include "calculator/PetTable.h"

#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmbar;
    enterFuzzFolder();
    const QString file = QStringLiteral("engypets.txt");
    writeRaw(file, data, size);

    const std::optional<PetTable> table = readPetTable(file);
    for (const int skill : {0, 1, 250, 3000}) {
        const CalcResult result = calculateBestPet(CalcPetType::Engy, QString::number(skill));
        FUZZ_CHECK(result.kind != CalcResult::Kind::MissingFile);
        if (!table) {
            FUZZ_CHECK(result.kind == CalcResult::Kind::Failed);
        }
        if (result.kind == CalcResult::Kind::Computed) {
            FUZZ_CHECK(!result.BestPetName.isEmpty() && !result.NextPetName.isEmpty());
            FUZZ_CHECK(!result.correctedSkill.has_value());
        }
    }
    return 0;
}
