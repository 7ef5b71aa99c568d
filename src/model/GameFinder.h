// Finds the Anarchy Online installations on this computer, so a new player can pick one
// instead of hunting for it in a folder dialog.
//
// Only the usual places are looked at, never the whole disk: Steam's libraries, the game
// installer's own folders (on Linux inside Wine, Lutris and Bottles prefixes) and, on Windows,
// the registry. A folder counts when it holds anarchy.exe in any letter case.
#pragma once

#include <QList>
#include <QString>

namespace glimmbar {

// Where the search starts. Tests point it at a fake home.
struct GameSearch {
    QString home;              // the player's home folder (Linux)
    QString winePrefix;        // $WINEPREFIX; empty: ~/.wine
    QString systemDrive;       // Windows: %SystemDrive%, e.g. "C:"
    QString programFiles;      // Windows: %ProgramFiles%
    QString programFiles86;    // Windows: %ProgramFiles(x86)%
    bool readRegistry = false; // Windows: also Steam's and the uninstall entries
};

// The places of the running computer, from its home folder and environment.
GameSearch gameSearchOfThisComputer();

struct GameInstall {
    QString folder; // as game text, the way the folder dialog gives it
    QString where;  // "Steam", "Wine", "Lutris", "Bottles" or "Windows"

    friend bool operator==(const GameInstall&, const GameInstall&) = default;
};

// The installations found, Steam's first, each folder once even when reached by two ways
// (~/.steam/steam is usually a link to ~/.local/share/Steam). Empty when none is found.
QList<GameInstall> findGameInstalls(const GameSearch& search);

// The library folders listed in the text of Steam's steamapps/libraryfolders.vdf: the "path"
// of each numbered block, or the value of each numbered key in the older layout. Escapes are
// undone, so a Windows path comes out with single backslashes.
QStringList steamLibraryFolders(const QString& vdfText);

} // namespace glimmbar
