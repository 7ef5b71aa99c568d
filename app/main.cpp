#include "StartupProbe.h"
#include "ui/DialogSeam.h"
#include "ui/frmStartup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    StartupProbe::armIfAsked(app);
    QApplication::setApplicationName(QStringLiteral("Glimmbar"));
    QApplication::setApplicationVersion(QStringLiteral(GLIMMBAR_VERSION));

    glimmbar::Settings settings;
    glimmbar::PetSelection selection;
    glimmbar::QtDialogs dialogs;
    glimmbar::frmStartup startup(settings, selection, dialogs);
    if (!startup.Form_Load()) {
        return 1;
    }
    return QApplication::exec();
}
