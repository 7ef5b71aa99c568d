// glimmbar.cfg as players leave it: hand-edited, copied between machines, cut short. Whatever
// it holds, loading never fails and the file is stable after the first save.
#include "model/Settings.h"

#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmbar;
    enterFuzzFolder();
    writeRaw(kSettingsFileName, data, size);

    Settings first = Settings::defaults();
    FUZZ_CHECK(loadSettings(first));
    TextReader reader(kSettingsFileName);
    reader.skipLine();
    reader.skipLine();
    if (const std::optional<QString> third = reader.readLine()) {
        FUZZ_CHECK(first.ScriptsDirName == *third);
    }

    FUZZ_CHECK(saveSettings(first));
    const QByteArray saved = readRaw(kSettingsFileName);
    FUZZ_CHECK(saved.count("\r\n") == kSettingsLineCount);
    FUZZ_CHECK(saved.endsWith("\r\n"));

    Settings second = Settings::defaults();
    FUZZ_CHECK(loadSettings(second));
    FUZZ_CHECK(saveSettings(second));
    FUZZ_CHECK(readRaw(kSettingsFileName) == saved);

    // The folder picker's update always leaves thirty lines with the new folder third.
    writeRaw(kSettingsFileName, data, size);
    Settings values;
    values.ScriptsDirName = QStringLiteral("C:\\AO\\scripts\\");
    FUZZ_CHECK(updateSettingsFile(values, {SettingsField::ScriptsDirName}));
    const QByteArray updated = readRaw(kSettingsFileName);
    FUZZ_CHECK(updated.count("\r\n") == kSettingsLineCount);
    FUZZ_CHECK(updated.split('\n').value(2) == "C:\\AO\\scripts\\\r");
    return 0;
}
