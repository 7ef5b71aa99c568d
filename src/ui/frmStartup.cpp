#include "frmStartup.h"

#include "frmBrowseFolder.h"
#include "frmNamingScreen.h"
#include "model/Startup.h"

namespace glimmbar {

frmStartup::frmStartup(Settings& settings, PetSelection& selection, DialogSeam& dialogs)
    : m_settings(settings)
    , m_selection(selection)
    , m_dialogs(dialogs) {}

bool frmStartup::Form_Load() {
    const StartupOutcome outcome = runStartup();
    if (outcome.failure) {
        m_dialogs.showMessage(*outcome.failure);
        return false;
    }
    if (outcome.window == FirstWindow::NamingWindow) {
        m_first = new frmNamingScreen(m_settings, m_selection, m_dialogs);
    } else {
        m_first = new frmBrowseFolder(m_settings, m_selection, m_dialogs);
    }
    m_first->setAttribute(Qt::WA_DeleteOnClose);
    m_first->show();
    return true;
}

} // namespace glimmbar
