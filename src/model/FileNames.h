// The names of the files Glimmbar keeps and writes, on disk. Settings files are bare names,
// taken from the working folder; the help file goes into the game's help folder.
#pragma once

#include <QString>

namespace glimmbar {

inline const QString kSettingsFileName = QStringLiteral("glimmbar.cfg");
inline const QString kPetSelectionFileName = QStringLiteral("petselect.cfg");
// The in-game help file Create Files writes into the game's help folder.
inline const QString kHelpFileName = QStringLiteral("glimmbarhelp.txt");

} // namespace glimmbar
