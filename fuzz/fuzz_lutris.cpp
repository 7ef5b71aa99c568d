// A Lutris game file as Lutris, a player's editor or a broken disk may leave it: the program
// and the prefix read from it are in the text, and neither a byte-order mark nor Windows line
// ends change what is read.
#include "finder/LauncherFiles.h"

#include "FuzzFolder.h"
#include "TextOrigin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmbar;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LutrisGame game = lutrisGame(text);
    FUZZ_CHECK(readFrom(text, game.exe));
    FUZZ_CHECK(readFrom(text, game.prefix));
    if (!text.startsWith(QChar(0xFEFF))) {
        FUZZ_CHECK(lutrisGame(QChar(0xFEFF) + text) == game);
    }
    QString windowsLines;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) {
            windowsLines += u'\r';
        }
        windowsLines += text[i];
    }
    FUZZ_CHECK(lutrisGame(windowsLines) == game);
    return 0;
}
