// Whatever a player types into the calculator's skill box: the calculation answers or ends
// without a word, never reports the file missing, and only ever corrects the box to "0" (always
// for texts longer than four characters).
#include "calculator/PetCalculator.h"

#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmbar;
    enterFuzzFolder();
    static const bool tableWritten = [] {
        const QByteArray table = "fuzz table\r\n(none)\r\n-2\r\n0\r\nShell\r\n10\r\n100\r\n"
                                 "(last)\r\n-1\r\n9999\r\nend\r\n-1\r\n9999\r\n";
        writeRaw(QStringLiteral("mpapets.txt"), reinterpret_cast<const uint8_t*>(table.data()),
                 static_cast<size_t>(table.size()));
        return true;
    }();
    (void)tableWritten;

    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CalcResult result = calculateBestPet(CalcPetType::MPAttack, text);
    FUZZ_CHECK(result.kind != CalcResult::Kind::MissingFile);
    FUZZ_CHECK(!result.correctedSkill || *result.correctedSkill == QStringLiteral("0"));
    if (text.size() > 4) {
        FUZZ_CHECK(result.kind == CalcResult::Kind::Computed && result.correctedSkill);
    }
    return 0;
}
