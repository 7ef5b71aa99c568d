// The parts of an Anarchy Online installation the program uses, and how a chosen game folder
// becomes the stored scripts folder.
//
// Paths are game texts (see FileLayer.h). The stored scripts folder ends in a backslash, so
// the game's own files are named relative to it with "..\".
#pragma once

#include "model/FileNames.h"
#include "model/Messages.h"
#include "model/Settings.h"

#include <QString>

#include <optional>

namespace glimmbar {

// The game's program, in the installation folder; any letter case counts.
inline const QString kGameProgramName = QStringLiteral("anarchy.exe");

// What a player whose game folder glimmbar.cfg cannot hold is told to do.
inline const QString kWesternFolderAdvice =
    QStringLiteral("Install or move the game into a folder whose path uses Western European "
                   "letters only, and choose that folder.");

// The scripts folder of a game folder: "<folder>\scripts\".
QString scriptsFolderOf(const QString& gameFolder);
// The game's program and its help folder, named from a stored scripts folder.
QString gameProgramAbove(const QString& scriptsDir);
QString helpFolderAbove(const QString& scriptsDir);

// Whether the game's program stands in the folder above a stored scripts folder. A text
// without its closing backslash names no such file.
bool gameFoundAbove(const QString& scriptsDir);

// Why `gameFolder` cannot be stored as the game (its scripts folder's path holds what
// glimmbar.cfg cannot hold, so it would come back as another path), or nullopt when it can.
// The welcome window shows such a found installation as one that cannot be used.
std::optional<Refusal> gameFolderRefusal(const QString& gameFolder);

// Stores `gameFolder` (as the folder dialog or the list of installations gave it) as the
// game: makes its scripts folder when missing (only that last level), then rewrites line 3 of
// the settings file and sets `settings.ScriptsDirName`. The folder is not checked for the
// game. Nothing is stored (and no folder made) when gameFolderRefusal refuses it; nothing is
// stored when the folder cannot be made or the file cannot be saved. The message to show is
// returned instead.
std::optional<Refusal> chooseGameFolder(const QString& gameFolder, Settings& settings);

} // namespace glimmbar
