// The program's entry: makes sure the settings files exist and opens the first window. It is
// never seen itself.
#pragma once

#include "DialogSeam.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <QPointer>
#include <QWidget>

namespace glimmbar {

class frmStartup {
public:
    frmStartup(Settings& settings, PetSelection& selection, DialogSeam& dialogs);

    // Runs the start-up sequence and shows the first window. False when the program cannot
    // go on (the player has been told why).
    bool Form_Load();

    // The window Form_Load opened, while it is open.
    QWidget* firstWindow() const { return m_first; }

private:
    Settings& m_settings;
    PetSelection& m_selection;
    DialogSeam& m_dialogs;
    QPointer<QWidget> m_first;
};

} // namespace glimmbar
