#include "modBrowseForFolder.h"

#include <QDir>

namespace glimmbar {

QString BrowseForFolder(DialogSeam& dialogs, const QString& startFolder, QWidget* owner,
                        const QString& title) {
    // Qt's dialog answers with forward slashes even on Windows, where the settings file and
    // the game expect backslashes; elsewhere this changes nothing.
    return QDir::toNativeSeparators(dialogs.askFolder(owner, startFolder, title));
}

} // namespace glimmbar
