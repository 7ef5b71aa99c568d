// The files other programs keep about the games they start, as the game finder reads them:
// Steam's list of its library folders and Lutris's game files. Both are outside text, written by
// those programs, by a player's editor or half by a full disk, so neither reader trusts them.
#pragma once

#include <QString>
#include <QStringList>

namespace glimmbar {

// The library folders listed in the text of Steam's steamapps/libraryfolders.vdf: the "path"
// of each numbered block, or the value of each numbered key in the older layout. Escapes are
// undone, so a Windows path comes out with single backslashes.
// A leading byte-order mark is ignored.
QStringList steamLibraryFolders(const QString& vdfText);

// What a Lutris game file (~/.config/lutris/games/*.yml) says about a Windows game: the
// program it starts and its Wine prefix, as written (empty when missing). Only the "game"
// section is read; values may be plain, quoted, or folded onto further lines.
struct LutrisGame {
    QString exe;
    QString prefix;

    friend bool operator==(const LutrisGame&, const LutrisGame&) = default;
};
LutrisGame lutrisGame(const QString& yamlText);

} // namespace glimmbar
