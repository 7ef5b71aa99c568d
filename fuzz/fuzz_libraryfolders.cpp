// Steam's steamapps/libraryfolders.vdf as any Steam client, a player's editor or a broken disk
// may leave it: the library list never names a folder that is not in the text, and a leading
// byte-order mark changes nothing.
#include "finder/LauncherFiles.h"

#include "FuzzFolder.h"
#include "TextOrigin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmbar;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList folders = steamLibraryFolders(text);
    for (const QString& folder : folders) {
        FUZZ_CHECK(readFrom(text, folder));
    }
    if (!text.startsWith(QChar(0xFEFF))) {
        FUZZ_CHECK(steamLibraryFolders(QChar(0xFEFF) + text) == folders);
    }
    return 0;
}
