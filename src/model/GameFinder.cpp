#include "GameFinder.h"

#include "FileLayer.h"
#include "GameFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace glimmbar {

namespace {

const QString kGameSubfolder = QStringLiteral("Funcom/Anarchy Online");
const QString kSteamGameSubfolder = QStringLiteral("steamapps/common/Anarchy Online");

// Valve's KeyValues text as tokens: "{", "}" or a string (quotes and escapes removed).
QStringList keyValueTokens(const QString& text) {
    QStringList tokens;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'/' && i + 1 < n && text[i + 1] == u'/') {
            while (i < n && text[i] != u'\n') {
                ++i;
            }
        } else if (c == u'{' || c == u'}') {
            tokens.append(QString(c));
            ++i;
        } else if (c == u'"') {
            QString token;
            for (++i; i < n && text[i] != u'"'; ++i) {
                if (text[i] == u'\\' && i + 1 < n) {
                    ++i;
                    const QChar e = text[i];
                    token += e == u'n' ? QChar(u'\n') : e == u't' ? QChar(u'\t') : e;
                } else {
                    token += text[i];
                }
            }
            ++i; // the closing quote
            tokens.append(token);
        } else {
            const qsizetype start = i;
            while (i < n && !text[i].isSpace() && text[i] != u'{' && text[i] != u'}' &&
                   text[i] != u'"') {
                ++i;
            }
            tokens.append(text.mid(start, i - start));
        }
    }
    return tokens;
}

bool isNumber(const QString& text) {
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

// The folder text the program stores, as a folder dialog would give it.
QString folderText(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

bool holdsGame(const QString& folder) {
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(kGameProgramName)).isFile()) {
        return true;
    }
    // QDir's name filters ignore letter case.
    return dir.exists() && !dir.entryList({kGameProgramName}, QDir::Files).isEmpty();
}

class Search {
public:
    QList<GameInstall> found;

    // `path` with slashes; on Linux each part is also found in another letter case.
    void consider(const QString& path, const QString& where) {
        if (path.isEmpty()) {
            return;
        }
        const QString located = nativePath(path);
        if (!holdsGame(located)) {
            return;
        }
        const QString identity = QFileInfo(located).canonicalFilePath();
        if (m_seen.contains(identity)) {
            return;
        }
        m_seen.insert(identity);
        found.append({folderText(located), where});
    }

    // Steam's own library and every library it lists.
    void steam(const QString& steamFolder) {
        if (steamFolder.isEmpty()) {
            return;
        }
        const QString root = QDir::fromNativeSeparators(steamFolder);
        consider(root + QLatin1Char('/') + kSteamGameSubfolder, QStringLiteral("Steam"));
        QFile vdf(root + QStringLiteral("/steamapps/libraryfolders.vdf"));
        if (!vdf.open(QIODevice::ReadOnly)) {
            return;
        }
        for (const QString& library : steamLibraryFolders(QString::fromUtf8(vdf.readAll()))) {
            consider(QDir::fromNativeSeparators(library) + QLatin1Char('/') + kSteamGameSubfolder,
                     QStringLiteral("Steam"));
        }
    }

    // The installer's folders below a drive root (or Wine's drive_c).
    void installerFolders(const QString& root, const QString& programFiles,
                          const QString& programFiles86, const QString& where) {
        for (const QString& base : {root, programFiles, programFiles86}) {
            if (!base.isEmpty()) {
                consider(QDir::fromNativeSeparators(base) + QLatin1Char('/') + kGameSubfolder,
                         where);
            }
        }
    }

    // Every prefix below a folder of prefixes (Lutris's games, Bottles' bottles).
    void prefixesIn(const QString& folder, const QString& where) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            winePrefix(dir.filePath(name), where);
        }
    }

    void winePrefix(const QString& prefix, const QString& where) {
        const QString drive = prefix + QStringLiteral("/drive_c");
        installerFolders(drive, drive + QStringLiteral("/Program Files"),
                         drive + QStringLiteral("/Program Files (x86)"), where);
    }

private:
    QSet<QString> m_seen;
};

#ifdef Q_OS_WIN
void registryPlaces(Search& search) {
    const QSettings steam(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"),
                          QSettings::NativeFormat);
    search.steam(steam.value(QStringLiteral("SteamPath")).toString());
    for (const char* key : {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                            "Uninstall",
                            "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\"
                            "CurrentVersion\\Uninstall",
                            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"
                            "Uninstall"}) {
        QSettings uninstall(QString::fromLatin1(key), QSettings::NativeFormat);
        for (const QString& entry : uninstall.childGroups()) {
            uninstall.beginGroup(entry);
            if (uninstall.value(QStringLiteral("DisplayName"))
                    .toString()
                    .contains(QStringLiteral("Anarchy Online"), Qt::CaseInsensitive)) {
                search.consider(uninstall.value(QStringLiteral("InstallLocation")).toString(),
                                QStringLiteral("Windows"));
            }
            uninstall.endGroup();
        }
    }
}
#endif

} // namespace

QStringList steamLibraryFolders(const QString& vdfText) {
    const QStringList tokens = keyValueTokens(vdfText);
    QStringList folders;
    QStringList open; // the keys of the blocks we are in
    QString key;
    for (const QString& token : tokens) {
        if (token == QLatin1String("{")) {
            open.append(key);
            key.clear();
        } else if (token == QLatin1String("}")) {
            if (!open.isEmpty()) {
                open.removeLast();
            }
            key.clear();
        } else if (key.isNull()) {
            key = token.isNull() ? QStringLiteral("") : token;
        } else {
            const bool inList =
                !open.isEmpty() && open.constFirst().compare(QLatin1String("libraryfolders"),
                                                             Qt::CaseInsensitive) == 0;
            if (inList && open.size() == 2 && isNumber(open[1]) &&
                key.compare(QLatin1String("path"), Qt::CaseInsensitive) == 0) {
                folders.append(token);
            } else if (inList && open.size() == 1 && isNumber(key)) {
                folders.append(token);
            }
            key.clear();
        }
    }
    return folders;
}

GameSearch gameSearchOfThisComputer() {
    GameSearch search;
    search.home = QDir::homePath();
    search.winePrefix = qEnvironmentVariable("WINEPREFIX");
    search.systemDrive = qEnvironmentVariable("SystemDrive", QStringLiteral("C:"));
    search.programFiles = qEnvironmentVariable("ProgramFiles", QStringLiteral("C:\\Program Files"));
    search.programFiles86 =
        qEnvironmentVariable("ProgramFiles(x86)", QStringLiteral("C:\\Program Files (x86)"));
#ifdef Q_OS_WIN
    search.readRegistry = true;
#endif
    return search;
}

QList<GameInstall> findGameInstalls(const GameSearch& search) {
    Search found;
#ifdef Q_OS_WIN
    if (search.readRegistry) {
        registryPlaces(found);
    }
    found.steam(search.programFiles86 + QStringLiteral("\\Steam"));
    found.installerFolders(search.systemDrive + QLatin1Char('\\'), search.programFiles,
                           search.programFiles86, QStringLiteral("Windows"));
#else
    if (!search.home.isEmpty()) {
        const QString home = search.home;
        for (const char* steam :
             {"/.local/share/Steam", "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
              "/.steam/steam"}) {
            found.steam(home + QLatin1String(steam));
        }
        found.winePrefix(search.winePrefix.isEmpty() ? home + QStringLiteral("/.wine")
                                                     : search.winePrefix,
                         QStringLiteral("Wine"));
        found.prefixesIn(home + QStringLiteral("/Games"), QStringLiteral("Lutris"));
        found.prefixesIn(home + QStringLiteral("/.local/share/bottles/bottles"),
                         QStringLiteral("Bottles"));
    }
#endif
    return found.found;
}

} // namespace glimmbar
