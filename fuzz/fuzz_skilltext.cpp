// Whatever a player types into the calculator's skill box: the value used lies between 0 and
// 3000, and the box is only ever corrected to "0".
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
    const std::optional<SkillValue> skill = normaliseSkill(text);
    if (skill) {
        FUZZ_CHECK(skill->value >= 0 && skill->value <= 3000);
        FUZZ_CHECK(!skill->correctedSkill || *skill->correctedSkill == QStringLiteral("0"));
        if (text.size() > 4) {
            FUZZ_CHECK(skill->value == 0 && skill->correctedSkill.has_value());
        }
    }
    const CalcResult result = CalculateBestPet(1, text);
    FUZZ_CHECK(result.kind == (skill ? CalcResult::Kind::Computed : CalcResult::Kind::Failed));
    return 0;
}
