#include "frmBrowseFolder.h"

#include "frmNamingScreen.h"
#include "modBrowseForFolder.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace glimmbar {

namespace {

const QString kWelcomeText =
    QStringLiteral("Welcome to Glimmbar!  This is either your first time using this program, or "
                   "your Anarchy Online folder has moved.  Press \"Ok\" to select your Anarchy "
                   "Online folder, or \"Cancel\" to exit.");

Message folderMessage(const QString& text) {
    return {text, kProgramTitle, MessageIcon::Critical};
}

} // namespace

frmBrowseFolder::frmBrowseFolder(Settings& settings, PetSelection& selection, DialogSeam& dialogs,
                                 QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_selection(selection)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmBrowseFolder"));
    setWindowTitle(QStringLiteral("Welcome to Glimmbar!"));
    setFixedSize(346, 186);

    auto* welcome = new QLabel(kWelcomeText, this);
    welcome->setObjectName(QStringLiteral("labelWelcome"));
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    welcome->setGeometry(16, 16, 314, 110);

    auto* browse = new QPushButton(QStringLiteral("&Ok"), this);
    browse->setObjectName(QStringLiteral("cmdBrowse"));
    browse->setGeometry(64, 138, 96, 33);
    connect(browse, &QPushButton::clicked, this, &frmBrowseFolder::cmdBrowse_Click);

    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdClose"));
    cancel->setGeometry(186, 138, 96, 33);
    connect(cancel, &QPushButton::clicked, this, &frmBrowseFolder::cmdClose_Click);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cancel, &QPushButton::click);
}

void frmBrowseFolder::cmdBrowse_Click() {
    const QString folder = BrowseForFolder(m_dialogs, m_folderText, this,
                                           QStringLiteral("&Select your Anarchy Online folder:"));
    if (folder.isEmpty()) {
        // A cancelled dialog is not a choice: nothing is stored and the player can try again.
        return;
    }
    m_folderText = folder;
    const QString scriptsDir = folder + QStringLiteral("\\scripts\\");

    // The folder is made before it is stored, so the settings never name a scripts folder
    // that the program could not create. The welcome window is gone once the naming window
    // opens, so message boxes are parented to it only for this click.
    const ParentWindowScope messagesBelongHere(m_dialogs, this);
    if (!ensureScriptsFolder(scriptsDir)) {
        return;
    }
    Settings chosen = m_settings;
    chosen.ScriptsDirName = scriptsDir;
    const WriteResult saved =
        UpdateSettingsFile(chosen, {SettingsField::ScriptsDirName}, &m_settings);
    if (!saved) {
        m_dialogs.showMessage(folderMessage(
            QStringLiteral("Glimmbar could not save your Anarchy Online folder in %1:\n%2")
                .arg(QDir::toNativeSeparators(saved.fileName), saved.reason)));
        return;
    }

    m_namingWindow = new frmNamingScreen(m_settings, m_selection, m_dialogs);
    m_namingWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_namingWindow->show();
    m_handedOver = true;
    close();
}

bool frmBrowseFolder::ensureScriptsFolder(const QString& scriptsDir) {
    if (DirExists(scriptsDir)) {
        return true;
    }
    const QString reason = makeDirectory(scriptsDir);
    if (reason.isEmpty()) {
        return true;
    }
    m_dialogs.showMessage(folderMessage(
        QStringLiteral("Glimmbar could not create the scripts folder\n%1\n(%2)\n\nPlease choose "
                       "your Anarchy Online folder again.")
            .arg(QDir::toNativeSeparators(nativePath(scriptsDir)), reason)));
    return false;
}

void frmBrowseFolder::cmdClose_Click() {
    close();
}

// Cancel, Esc and the close box leave the program without writing anything; only a chosen
// folder carries on into the naming window.
void frmBrowseFolder::closeEvent(QCloseEvent* event) {
    if (!m_handedOver) {
        QCoreApplication::quit();
    }
    event->accept();
}

} // namespace glimmbar
