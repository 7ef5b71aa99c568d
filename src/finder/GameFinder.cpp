#include "finder/GameFinder.h"

#include "files/FileLayer.h"
#include "finder/LauncherFiles.h"
#include "model/GameFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <optional>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace glimmbar {

namespace {

const QString kGameSubfolder = QStringLiteral("Funcom/Anarchy Online");
const QString kSteamGameSubfolder = QStringLiteral("steamapps/common/Anarchy Online");

// --- Folders looked up in any letter case, as Windows programs spell them under Wine. ---

// The path of `entry` in `folder`, or an empty string when there is no entry.
QString entryPath(const QString& folder, const QString& entry) {
    return entry.isEmpty() ? QString() : folder + QLatin1Char('/') + entry;
}

// The entry of `folder` named `name` in any letter case: one look-up when the spelling is
// exact, one listing otherwise.
QString childIgnoringCase(const QString& folder, QStringView name) {
    const QString exact = folder + QLatin1Char('/') + name.toString();
    return QFileInfo::exists(exact) ? exact : entryPath(folder, FolderListing(folder).find(name));
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

// "~" and "~/..." in a path a player or a program wrote.
QString withHome(const QString& path, const QString& home) {
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
        return home + path.mid(1);
    }
    return path;
}

// A game file or a library list is a few hundred bytes; anything far larger is not one.
constexpr qint64 kLargestListFile = 1 << 20;

// The text of a small file another program keeps, or nullopt. Only a regular file is read (a
// link to one counts), and never more than the limit, whatever size the file claims: a link to
// /dev/zero claims none and never ends, and a named pipe would wait for ever to be opened.
std::optional<QString> smallFileText(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kLargestListFile + 1);
    if (bytes.size() > kLargestListFile) {
        return std::nullopt;
    }
    return QString::fromUtf8(bytes);
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

    // Steam's own library and every library it lists, each looked at once however many ways
    // lead to it: the game as a Steam game, and in every Proton prefix of the library.
    void steam(const QString& steamFolder) {
        if (steamFolder.isEmpty()) {
            return;
        }
        const QString root = QDir::fromNativeSeparators(steamFolder);
        if (!steamLibrary(root)) {
            return; // a Steam folder seen before, or none
        }
        const std::optional<QString> vdf =
            smallFileText(root + QStringLiteral("/steamapps/libraryfolders.vdf"));
        if (!vdf) {
            return;
        }
        for (const QString& library : steamLibraryFolders(*vdf)) {
            steamLibrary(QDir::fromNativeSeparators(library));
        }
    }

    // The installer's folders below a drive root.
    void installerFolders(const QString& root, const QString& programFiles,
                          const QString& programFiles86, const QString& where) {
        for (const QString& base : {root, programFiles, programFiles86}) {
            if (!base.isEmpty()) {
                consider(QDir::fromNativeSeparators(base) + QLatin1Char('/') + kGameSubfolder,
                         where);
            }
        }
    }

    // Every prefix below a folder of prefixes (Lutris's games, Bottles' bottles, ...).
    void prefixesIn(const QString& folder, const QString& where) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            winePrefix(dir.filePath(name), where);
        }
    }

    // The installer's folders in a Wine prefix's drive C:, in any letter case. A prefix
    // without the game costs one look-up and three listings at most.
    void winePrefix(const QString& prefix, const QString& where) {
        if (prefix.isEmpty()) {
            return;
        }
        const QString drive = childIgnoringCase(prefix, u"drive_c");
        if (drive.isEmpty()) {
            return;
        }
        const FolderListing driveC(drive);
        for (const QString& base : {drive, entryPath(drive, driveC.find(u"Program Files")),
                                    entryPath(drive, driveC.find(u"Program Files (x86)"))}) {
            if (base.isEmpty()) {
                continue;
            }
            const QString funcom =
                entryPath(base, (base == drive ? driveC : FolderListing(base)).find(u"Funcom"));
            if (!funcom.isEmpty()) {
                // consider() finds the game's folder in any letter case itself.
                consider(funcom + QStringLiteral("/Anarchy Online"), where);
            }
        }
    }

    // The games of every Lutris game file in a folder: where the program each starts lives,
    // and the usual places of its prefix.
    void lutrisGames(const QString& folder, const QString& home) {
        const QDir dir(folder);
        for (const QString& name :
             dir.entryList({QStringLiteral("*.yml")}, QDir::Files, QDir::Name)) {
            const std::optional<QString> text = smallFileText(dir.filePath(name));
            if (!text) {
                continue;
            }
            const LutrisGame game = lutrisGame(*text);
            const QString prefix = withHome(game.prefix, home);
            QString exe = withHome(game.exe, home);
            if (!exe.isEmpty() && QDir::isRelativePath(exe) && QDir::isAbsolutePath(prefix)) {
                exe = prefix + QLatin1Char('/') + exe;
            }
            if (QDir::isAbsolutePath(exe)) {
                consider(QFileInfo(QDir::fromNativeSeparators(exe)).path(),
                         QStringLiteral("Lutris"));
            }
            if (QDir::isAbsolutePath(prefix)) {
                winePrefix(prefix, QStringLiteral("Lutris"));
            }
        }
    }

private:
    // Looks at one Steam library unless it was looked at before; false when it was, or when
    // there is no such folder.
    bool steamLibrary(const QString& library) {
        const QString identity = QFileInfo(library).canonicalFilePath();
        if (identity.isEmpty() || m_libraries.contains(identity)) {
            return false;
        }
        m_libraries.insert(identity);
        consider(library + QLatin1Char('/') + kSteamGameSubfolder, QStringLiteral("Steam"));
        const QString compatdata = library + QStringLiteral("/steamapps/compatdata");
        const QDir prefixes(compatdata);
        for (const QString& name :
             prefixes.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            winePrefix(compatdata + QLatin1Char('/') + name + QStringLiteral("/pfx"),
                       QStringLiteral("Proton"));
        }
        return true;
    }

    QSet<QString> m_seen;
    QSet<QString> m_libraries;
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
        const auto in = [&home](const char* place) {
            return home + QLatin1String(place);
        };
        for (const char* steam :
             {"/.local/share/Steam", "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
              "/snap/steam/common/.local/share/Steam", "/.steam/steam"}) {
            found.steam(in(steam));
        }
        const QString wine = QStringLiteral("Wine");
        found.winePrefix(withHome(search.winePrefix, home), wine);
        found.winePrefix(in("/.wine"), wine);
        const QString lutris = QStringLiteral("Lutris");
        found.prefixesIn(in("/Games"), lutris);
        for (const char* games : {"/.config/lutris/games", "/.local/share/lutris/games",
                                  "/.var/app/net.lutris.Lutris/config/lutris/games",
                                  "/.var/app/net.lutris.Lutris/data/lutris/games"}) {
            found.lutrisGames(in(games), home);
        }
        const QString bottles = QStringLiteral("Bottles");
        found.prefixesIn(in("/.local/share/bottles/bottles"), bottles);
        found.prefixesIn(in("/.var/app/com.usebottles.bottles/data/bottles/bottles"), bottles);
        found.prefixesIn(in("/.PlayOnLinux/wineprefix"), QStringLiteral("PlayOnLinux"));
        found.prefixesIn(in("/.cxoffice"), QStringLiteral("CrossOver"));
    }
#endif
    return found.found;
}

} // namespace glimmbar
