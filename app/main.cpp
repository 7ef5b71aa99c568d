#include "StartupProbe.h"
#include "model/WorkingFolder.h"
#include "ui/DialogSeam.h"
#include "ui/WindowFlow.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

namespace {

// The calculator's data files as installed beside the program (GLIMMBAR_DATADIR_FROM_BINDIR is
// "../share/glimmbar" for a /usr install). A copy started from a build folder has no such
// folder and so keeps working where it is started, data files included.
QString installedDataFolder() {
    const QDir folder(QApplication::applicationDirPath() +
                      QStringLiteral("/" GLIMMBAR_DATADIR_FROM_BINDIR));
    return folder.exists() ? folder.canonicalPath() : QString();
}

// The program icon as installed beside the data folder. Files are added by path, so nothing
// is searched or decoded before the window needs it (asking the icon theme by name walks every
// theme folder and cost a quarter of the start-up time).
QIcon installedProgramIcon(const QString& dataFolder) {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral("%1/../icons/hicolor/%2x%2/apps/" GLIMMBAR_APP_ID ".png")
                         .arg(dataFolder)
                         .arg(size),
                     QSize(size, size));
    }
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    StartupProbe::armIfAsked(app);
    QApplication::setApplicationName(QStringLiteral("Glimmbar"));
    QApplication::setApplicationVersion(QStringLiteral(GLIMMBAR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(GLIMMBAR_APP_ID));

    // Before anything opens a file: glimmbar.cfg, petselect.cfg and the data files are all
    // bare names taken from the working folder.
    const QString dataFolder = installedDataFolder();
    if (!dataFolder.isEmpty()) {
        QApplication::setWindowIcon(installedProgramIcon(dataFolder));
    }
    // Windows keeps a player's settings in the roaming profile (%APPDATA%\Glimmbar), which
    // follows the player from machine to machine; Linux in ~/.config/Glimmbar.
#ifdef Q_OS_WIN
    const auto perUserLocation = QStandardPaths::AppDataLocation;
#else
    const auto perUserLocation = QStandardPaths::AppConfigLocation;
#endif
    glimmbar::enterWorkingFolder(!dataFolder.isEmpty(),
                                 QStandardPaths::writableLocation(perUserLocation));
    if (!dataFolder.isEmpty()) {
        glimmbar::setDataFolders({dataFolder});
    }

    glimmbar::Settings settings;
    glimmbar::PetSelection selection;
    glimmbar::QtDialogs dialogs;
    glimmbar::WindowFlow startup(settings, selection, dialogs);
    if (!startup.openFirstWindow()) {
        return 1;
    }
    return QApplication::exec();
}
