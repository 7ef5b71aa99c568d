// Asks the player for a folder with the system's folder dialog (through the dialog seam).
#pragma once

#include "DialogSeam.h"

#include <QString>

class QWidget;

namespace glimmbar {

// The chosen folder as game text (on Windows with backslashes, elsewhere as the dialog gave
// it, which the file layer reads as it is), or an empty string when the player cancels.
QString BrowseForFolder(DialogSeam& dialogs, const QString& startFolder, QWidget* owner,
                        const QString& title);

} // namespace glimmbar
