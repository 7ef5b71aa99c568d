// What happens before the first window: the two settings files are made when missing, and the
// stored scripts folder decides whether the player is asked for the game folder.
#pragma once

#include "FileLayer.h"
#include "Messages.h"

#include <optional>

namespace glimmbar {

enum class FirstWindow { GameFolderPicker, NamingWindow };

struct StartupOutcome {
    FirstWindow window = FirstWindow::GameFolderPicker;
    // Set when a first-run file could not be created; the program cannot go on without it.
    std::optional<Message> failure;
};

// Runs the start-up sequence in the working folder. Files that exist are never touched.
StartupOutcome runStartup();

// Whether the game's anarchy.exe stands in the folder above a stored scripts folder.
bool gameFoundAbove(const QString& scriptsDirName);

} // namespace glimmbar
