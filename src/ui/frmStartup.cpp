#include "frmStartup.h"

#include "model/Startup.h"

namespace glimmbar {

namespace {

// Stand-ins until the folder and naming windows exist.
QWidget* placeholder(const QString& title) {
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->resize(560, 425);
    return window;
}

} // namespace

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
        m_first = placeholder(QStringLiteral("Glimmbar"));
        m_first->setObjectName(QStringLiteral("frmNamingScreen"));
    } else {
        m_first = placeholder(QStringLiteral("Welcome to Glimmbar!"));
        m_first->setObjectName(QStringLiteral("frmBrowseFolder"));
    }
    m_first->show();
    return true;
}

} // namespace glimmbar
