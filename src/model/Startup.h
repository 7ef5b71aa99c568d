// What happens before the first window: the two settings files are made when missing and read
// once, and the stored scripts folder decides whether the player is asked for the game folder.
#pragma once

#include "files/FileLayer.h"
#include "model/Messages.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <optional>

namespace glimmbar {

enum class FirstWindow { GameFolderPicker, NamingWindow };

struct StartupOutcome {
    FirstWindow window = FirstWindow::GameFolderPicker;
    // Set when a first-run file could not be created; the program cannot go on without it.
    std::optional<Message> failure;
    // The two files as read, for the windows to show.
    Settings settings;
    PetSelection selection;
};

// Runs the start-up sequence in the working folder. Files that exist are never touched.
StartupOutcome runStartup();

} // namespace glimmbar
