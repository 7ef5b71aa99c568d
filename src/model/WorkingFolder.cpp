#include "model/WorkingFolder.h"

#include "files/FileLayer.h"
#include "model/Settings.h"

#include <QDir>

namespace glimmbar {

namespace {

QStringList& configuredDataFolders() {
    static QStringList folders;
    return folders;
}

} // namespace

QString chooseWorkingFolder(const WorkingFolderFacts& facts) {
    if (facts.currentHasSettings || !facts.runsInstalled || facts.perUserFolder.isEmpty()) {
        return facts.current;
    }
    return facts.perUserFolder;
}

QString enterWorkingFolder(bool runsInstalled, const QString& perUserFolder) {
    const QString current = QDir::currentPath();
    const WorkingFolderFacts facts{current, fileExists(kSettingsFileName), runsInstalled,
                                   perUserFolder};
    const QString chosen = chooseWorkingFolder(facts);
    if (chosen == current) {
        return current;
    }
    // A stray file where the folder should be, or a home the player cannot write to: the
    // program still runs, the way it always did, from the folder it was started in.
    if (!QDir().mkpath(chosen) || !QDir::setCurrent(chosen)) {
        return current;
    }
    return QDir::currentPath();
}

void setDataFolders(const QStringList& folders) {
    configuredDataFolders() = folders;
}

std::optional<QString> findDataFile(const QString& bareName, const QStringList& folders) {
    if (fileExists(bareName)) {
        return bareName;
    }
    for (const QString& folder : folders) {
        if (folder.isEmpty()) {
            continue;
        }
        const QString candidate = QDir(folder).filePath(bareName);
        if (fileExists(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::optional<QString> findDataFile(const QString& bareName) {
    return findDataFile(bareName, configuredDataFolders());
}

} // namespace glimmbar
