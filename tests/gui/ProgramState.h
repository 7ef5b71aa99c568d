// What the windows work on: a working folder of the test's own, the settings and the pet
// selection the windows read and change, and the stand-in for the program's dialogs.
#pragma once

#include "RecordingDialogs.h"
#include "TestFolder.h"

#include "model/PetSelection.h"
#include "model/Settings.h"

struct ProgramState {
    TestFolder folder;
    glimmbar::Settings settings;
    glimmbar::PetSelection selection;
    RecordingDialogs dialogs;
};
