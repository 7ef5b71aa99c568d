// Finds the Anarchy Online installations on this computer, so a new player can pick one
// instead of hunting for it in a folder dialog.
//
// Only the usual places are looked at, never the whole disk: Steam's libraries, the game
// installer's own folders (on Linux inside the Wine prefixes of Steam's Proton, Wine, Lutris,
// Bottles, PlayOnLinux and CrossOver) and, on Windows, the registry. A folder counts when it
// holds anarchy.exe in any letter case.
#pragma once

#include <QList>
#include <QString>

namespace glimmbar {

// Where the search starts. Tests point it at a fake home.
struct GameSearch {
    QString home;              // the player's home folder (Linux)
    QString winePrefix;        // $WINEPREFIX (may start with ~), searched beside ~/.wine
    QString systemDrive;       // Windows: %SystemDrive%, e.g. "C:"
    QString programFiles;      // Windows: %ProgramFiles%
    QString programFiles86;    // Windows: %ProgramFiles(x86)%
    bool readRegistry = false; // Windows: also Steam's and the uninstall entries
};

// The places of the running computer, from its home folder and environment.
GameSearch gameSearchOfThisComputer();

struct GameInstall {
    QString folder; // as game text, the way the folder dialog gives it
    QString where;  // "Steam", "Proton", "Wine", "Lutris", "Bottles", "PlayOnLinux",
                    // "CrossOver" or "Windows"

    friend bool operator==(const GameInstall&, const GameInstall&) = default;
};

// The installations found, Steam's first, each folder once even when reached by two ways
// (~/.steam/steam is usually a link to ~/.local/share/Steam). Empty when none is found.
// A Wine prefix costs a few folder look-ups, so hundreds of Proton prefixes stay quick.
QList<GameInstall> findGameInstalls(const GameSearch& search);

} // namespace glimmbar
