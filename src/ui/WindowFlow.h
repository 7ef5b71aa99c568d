// The program's entry: runs the start-up sequence, opens the first window, opens the naming
// window once the game folder is chosen, and ends the program when the player leaves. It is
// never seen itself.
#pragma once

#include "model/PetSelection.h"
#include "model/Settings.h"
#include "ui/DialogSeam.h"

#include <QPointer>
#include <QWidget>

namespace glimmbar {

class NamingWindow;

class WindowFlow {
public:
    // `settings` and `selection` receive the files as start-up reads them and live as long as
    // the program's windows.
    WindowFlow(Settings& settings, PetSelection& selection, DialogSeam& dialogs);

    // Runs the start-up sequence and shows the first window. False when the program cannot
    // go on (the player has been told why).
    bool openFirstWindow();

    // The window openFirstWindow opened, and the naming window, while they are open.
    QWidget* firstWindow() const { return m_first; }
    NamingWindow* namingWindow() const;

private:
    void openNamingWindow();

    Settings& m_settings;
    PetSelection& m_selection;
    DialogSeam& m_dialogs;
    QPointer<QWidget> m_first;
    QPointer<QWidget> m_naming;
};

} // namespace glimmbar
