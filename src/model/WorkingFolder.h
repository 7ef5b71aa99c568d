// Where the program works from.
//
// Glimmbar has always kept glimmbar.cfg and petselect.cfg in its working folder and looked for
// the calculator's data files there too; players keep one folder per game install or per
// character and start the program in it. A program installed on Linux and started from the
// desktop menu gets the home folder (or "/") as its working folder instead, which is no place
// for either. The rules below keep every such player folder working and give a menu start a
// folder of its own.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace glimmbar {

struct WorkingFolderFacts {
    QString current;         // the folder the program was started in
    bool currentHasSettings; // whether glimmbar.cfg is already there
    bool runsInstalled;      // started from an installed copy rather than a build folder
    QString perUserFolder;   // the player's own settings folder; may not exist yet
};

// The folder to work in: the folder the program was started in when it already holds
// glimmbar.cfg or the program runs from a build folder, the per-user folder otherwise.
// A per-user folder that the platform cannot name leaves the program where it started.
QString chooseWorkingFolder(const WorkingFolderFacts& facts);

// Decides as above from the real folders, creates the per-user folder when it is chosen and
// makes the result the working folder, so every bare file name lands there. When the per-user
// folder cannot be made or entered the program stays where it was started. Returns the
// working folder.
QString enterWorkingFolder(bool runsInstalled, const QString& perUserFolder);

// --- The calculator's data files. ---
//
// A data file is looked for by its bare name in the working folder first, so a player's own
// copy wins; then in each of the data folders in order (the installed copies). Set once at
// start-up; empty, the working folder is the only place looked in.
void setDataFolders(const QStringList& folders);

// The path of the first copy of the data file found in the working folder or in the folders
// given, or nullopt when none of them has it.
std::optional<QString> findDataFile(const QString& bareName, const QStringList& folders);
// The same, with the folders set at start-up.
std::optional<QString> findDataFile(const QString& bareName);

} // namespace glimmbar
