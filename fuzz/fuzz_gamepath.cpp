// Any game path a settings file may hold, mapped to the platform: mapping the mapped path
// changes nothing, and inside a game folder letter case never decides whether a file is found.
#include "files/FileLayer.h"

#include "FuzzFolder.h"

#include <QFileInfo>

namespace {

// A game folder as an installer and Wine leave it, with no two names that differ only in
// letter case.
void makeGameTree() {
    for (const char* file : {"Anarchy Online/anarchy.exe", "Anarchy Online/scripts/petattack",
                             "Anarchy Online/cd_image/text/help/glimmbarhelp.txt",
                             "Wine/drive_c/Program Files/Funcom/Anarchy Online/Anarchy.exe"}) {
        const QString path = QString::fromLatin1(file);
        QDir().mkpath(QFileInfo(path).path());
        writeRaw(path, reinterpret_cast<const uint8_t*>("MZ"), 2);
    }
}

// A path that stays inside the working folder: relative, no drive, no way up.
bool staysInside(const QString& path) {
    const QString slashes = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    return !slashes.startsWith(QLatin1Char('/')) && !(slashes.size() >= 2 && slashes[1] == u':') &&
           !slashes.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

QString otherLetterCase(const QString& path) {
    QString other = path;
    for (QChar& c : other) {
        if (c.unicode() < 128 && c.isLetter()) {
            c = c.isUpper() ? c.toLower() : c.toUpper();
        }
    }
    return other;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmbar;
    enterFuzzFolder();
    static const bool treeMade = (makeGameTree(), true);
    (void)treeMade;

    const QString path =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString mapped = nativePath(path);
    FUZZ_CHECK(nativePath(mapped) == mapped);
    if (!path.contains(QChar(u'\0')) && staysInside(path)) {
        FUZZ_CHECK(QFileInfo::exists(nativePath(otherLetterCase(path))) ==
                   QFileInfo::exists(mapped));
    }
    return 0;
}
