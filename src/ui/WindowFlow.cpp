#include "ui/WindowFlow.h"

#include "finder/GameFinder.h"
#include "model/Startup.h"
#include "ui/NamingWindow.h"
#include "ui/WelcomeWindow.h"

#include <QCoreApplication>

namespace glimmbar {

WindowFlow::WindowFlow(Settings& settings, PetSelection& selection, DialogSeam& dialogs)
    : m_settings(settings)
    , m_selection(selection)
    , m_dialogs(dialogs) {}

NamingWindow* WindowFlow::namingWindow() const {
    return qobject_cast<NamingWindow*>(m_naming.data());
}

bool WindowFlow::openFirstWindow() {
    StartupOutcome outcome = runStartup();
    if (outcome.failure) {
        m_dialogs.showMessage(*outcome.failure);
        return false;
    }
    m_settings = outcome.settings;
    m_selection = outcome.selection;
    if (outcome.window == FirstWindow::NamingWindow) {
        openNamingWindow();
        m_first = m_naming;
        return true;
    }
    // Looking for installations costs a few file tests, on this path only.
    auto* welcome =
        new WelcomeWindow(m_settings, m_dialogs, findGameInstalls(gameSearchOfThisComputer()));
    welcome->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(welcome, &WelcomeWindow::gameFolderChosen, welcome,
                     [this] { openNamingWindow(); });
    QObject::connect(welcome, &WelcomeWindow::closedWithoutChoice, qApp, &QCoreApplication::quit);
    m_first = welcome;
    welcome->show();
    return true;
}

// The naming window is the program from here on: closing it ends the program, also with the
// About or Options window still open.
void WindowFlow::openNamingWindow() {
    auto* naming = new NamingWindow(m_settings, m_selection, m_dialogs);
    naming->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(naming, &NamingWindow::closed, qApp, &QCoreApplication::quit);
    m_naming = naming;
    naming->show();
}

} // namespace glimmbar
