// Create Files over everything a player can type. The first byte says which property:
// - a pet name of Windows-1252 letters, punctuation, blanks and the twelve colour codes in any
//   order, long enough for the game's name filter, passes every check and comes out byte for
//   byte in every file that holds it, and back whole from glimmbar.cfg;
// - a script name the checks accept is one Windows stores under that exact name.
// Each builds its texts from the fuzzer's bytes and returns what failed, or an empty string.
#include "FuzzFolder.h"
#include "RecordingSink.h"

#include "files/FileLayer.h"
#include "model/PetRoles.h"
#include "model/Settings.h"
#include "scriptgen/CreateChecks.h"
#include "scriptgen/CreateCommand.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

using namespace glimmbar;

// The second character of each colour code, as the game numbers its colours.
constexpr std::array<char, 12> kColourNumbers = {1, 6, 8, 9, 11, 13, 15, 16, 17, 22, 24, 25};

// A character a player can type, with its byte in the files: the printable ASCII and Latin-1
// ranges, where the byte is the character's code, and some of the code page's own 0x80 to 0x9F.
struct Typed {
    QChar character;
    char byte;
};
Typed typedCharacter(unsigned char pick) {
    static constexpr std::array<std::pair<char16_t, unsigned char>, 6> kHighOnes = {
        {{u'€', 0x80}, {u'…', 0x85}, {u'Š', 0x8A}, {u'“', 0x93}, {u'™', 0x99}, {u'œ', 0x9C}}};
    if (pick >= 0x20 && pick != 0x7F && (pick < 0x80 || pick >= 0xA0)) {
        return {QChar(pick), static_cast<char>(pick)};
    }
    const auto& [character, byte] = kHighOnes[pick % kHighOnes.size()];
    return {QChar(character), static_cast<char>(byte)};
}

// The game's folder the runs write into, below the working folder.
const QString kScriptsDir = QStringLiteral("game\\scripts\\");
void makeGameFolder() {
    QDir().mkpath(QStringLiteral("game/scripts"));
    QDir().mkpath(QStringLiteral("game/cd_image/text/help"));
}

QByteArray fileBytes(const QString& gamePath) {
    QFile file(nativePath(gamePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first byte picks the profession; every further byte is a typed character, or, when it is
// below 24, a colour code (two bytes of those pick the same one). Every pet of the profession
// gets the name and remembers it.
QString petNameFails(QByteArrayView input) {
    if (input.isEmpty()) {
        return {};
    }
    const auto profession = static_cast<Profession>(static_cast<unsigned char>(input[0]) % 3);
    QString name;
    QByteArray bytes;
    int counted = 0;
    for (const char c : input.sliced(1)) {
        const auto pick = static_cast<unsigned char>(c);
        if (pick < 2 * kColourNumbers.size()) {
            const char number = kColourNumbers[pick % kColourNumbers.size()];
            name += QChar(16);
            name += QChar(number);
            bytes += QByteArray(1, 16) + number;
        } else {
            const Typed typed = typedCharacter(pick);
            name += typed.character;
            bytes += typed.byte;
            ++counted;
        }
    }
    if (counted < 4) {
        return {}; // the name filter's refusal is not this property's business
    }
    Settings settings = Settings::defaults();
    settings.ScriptsDirName = kScriptsDir;
    settings.LastModeUsedMEC = professionText(profession);
    for (const PetRole role : professionRoles(profession)) {
        settings.petName(role) = name;
        settings.remembers(role) = true;
    }
    PetSelection selection;
    selection.include.assign(selection.include.size(), true);
    const CreateSnapshot snapshot(settings, selection);
    RecordingSink sink;
    const CreateResult result = runCreateFiles(snapshot, sink);
    if (!result.created) {
        return QStringLiteral("refused: ") + sink.messages.value(0).text;
    }
    for (const OutputFile& file : planCreateFiles(snapshot)) {
        const QByteArray written = fileBytes(file.gamePath);
        for (const PlacedText& placed : file.texts) {
            const bool isName = placed.field.role().has_value();
            const QByteArray stands =
                file.kind == TextFile::Settings ? "\r\n" + bytes + "\r\n" : '"' + bytes + '"';
            if (isName && !written.contains(stands)) {
                return file.gamePath + QStringLiteral(" does not hold the name byte for byte");
            }
        }
    }
    Settings loaded = Settings::defaults();
    loadSettings(loaded);
    for (const PetRole role : professionRoles(profession)) {
        if (loaded.petName(role) != name) {
            return QStringLiteral("glimmbar.cfg gives back ") + loaded.petName(role);
        }
    }
    return {};
}

// What Windows does with a file name: it drops blanks and dots from the end, refuses its
// reserved characters and control characters, and keeps device names (with any extension) for
// the devices. The name it stores, or an empty string when it makes no such file.
QString windowsStoredName(QString name) {
    static const QRegularExpression trailing(QStringLiteral("[ .]+\\z"));
    static const QRegularExpression refused(QStringLiteral("[\\x00-\\x1f<>:\"/\\\\|?*]"));
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|(COM|LPT)[1-9¹²³]) *(\\..*)?\\z"),
        QRegularExpression::CaseInsensitiveOption);
    name.remove(trailing);
    return name.contains(refused) || name.contains(device) ? QString() : name;
}

// The bytes make the attack script's name, from typed characters and the dots, blanks,
// backslashes and device names Windows treats apart.
QString scriptNameFails(QByteArrayView input) {
    static const QStringList kPieces = {".", " ", "\\", "con", "COM", "lpt", "¹", ":", "/"};
    QString scriptName;
    for (const char c : input) {
        const auto pick = static_cast<unsigned char>(c);
        scriptName += pick < 2 * kPieces.size() ? kPieces[pick % kPieces.size()]
                                                : QString(typedCharacter(pick).character);
    }
    Settings settings = Settings::defaults();
    settings.ScriptsDirName = kScriptsDir;
    settings.petName(PetRole::Attack) = QStringLiteral("Zapper");
    settings.Attack = scriptName;
    PetSelection selection;
    selection.include.assign(selection.include.size(), true);
    const CreateSnapshot snapshot(settings, selection);
    RecordingSink sink;
    if (!checkCreateFiles(snapshot, planCreateFiles(snapshot), sink)) {
        return {};
    }
    if (windowsStoredName(scriptName) != scriptName) {
        return QStringLiteral("accepted \"%1\", which Windows stores as \"%2\"")
            .arg(scriptName, windowsStoredName(scriptName));
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
