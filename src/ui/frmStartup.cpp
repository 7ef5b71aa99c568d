#include "frmStartup.h"

#include "frmBrowseFolder.h"
#include "frmNamingScreen.h"
#include "model/GameFinder.h"
#include "model/Startup.h"

#include <QCoreApplication>

namespace glimmbar {

frmStartup::frmStartup(Settings& settings, PetSelection& selection, DialogSeam& dialogs)
    : m_settings(settings)
    , m_selection(selection)
    , m_dialogs(dialogs) {}

frmNamingScreen* frmStartup::namingWindow() const {
    return qobject_cast<frmNamingScreen*>(m_naming.data());
}

bool frmStartup::openFirstWindow() {
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
        new frmBrowseFolder(m_settings, m_dialogs, findGameInstalls(gameSearchOfThisComputer()));
    welcome->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(welcome, &frmBrowseFolder::gameFolderChosen, welcome,
                     [this] { openNamingWindow(); });
    QObject::connect(welcome, &frmBrowseFolder::closedWithoutChoice, qApp, &QCoreApplication::quit);
    m_first = welcome;
    welcome->show();
    return true;
}

// The naming window is the program from here on: closing it ends the program, also with the
// About or Options window still open.
void frmStartup::openNamingWindow() {
    auto* naming = new frmNamingScreen(m_settings, m_selection, m_dialogs);
    naming->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(naming, &frmNamingScreen::closed, qApp, &QCoreApplication::quit);
    m_naming = naming;
    naming->show();
}

} // namespace glimmbar
