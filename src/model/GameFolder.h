// The parts of an Anarchy Online installation the program uses, and how a chosen game folder
// becomes the stored scripts folder.
//
// Paths are game texts (see FileLayer.h). The stored scripts folder ends in a backslash, so
// the game's own files are named relative to it with "..\".
#pragma once

#include "Messages.h"
#include "Settings.h"

#include <QString>

#include <optional>

namespace glimmbar {

// The game's program, in the installation folder; any letter case counts.
inline const QString kGameProgramName = QStringLiteral("anarchy.exe");

// The scripts folder of a game folder: "<folder>\scripts\".
QString scriptsFolderOf(const QString& gameFolder);
// The game's program and its help folder, named from a stored scripts folder.
QString gameProgramAbove(const QString& scriptsDir);
QString helpFolderAbove(const QString& scriptsDir);

// Whether the game's program stands in the folder above a stored scripts folder. A text
// without its closing backslash names no such file.
bool gameFoundAbove(const QString& scriptsDir);

// Stores `gameFolder` (as the folder dialog or the list of installations gave it) as the
// game: makes its scripts folder when missing (only that last level), then rewrites line 3 of
// the settings file and sets `settings.ScriptsDirName`. The folder is not checked for the
// game. Nothing is stored when the folder cannot be made or the file cannot be saved; the
// message to show is returned instead.
std::optional<Message> chooseGameFolder(const QString& gameFolder, Settings& settings);

} // namespace glimmbar
