// The welcome window: shown on a first run, or when the game has moved, to ask where
// Anarchy Online is installed. The installations found on this computer are offered in a
// list; "Browse…" opens the folder dialog for any other folder.
#pragma once

#include "finder/GameFinder.h"
#include "model/Settings.h"
#include "ui/DialogSeam.h"

#include <QWidget>

class QListWidget;

namespace glimmbar {

class WelcomeWindow : public QWidget {
    Q_OBJECT

public:
    // `settings` is the record read at start-up; a chosen folder is stored into it.
    WelcomeWindow(Settings& settings, DialogSeam& dialogs, const QList<GameInstall>& installs = {},
                  QWidget* parent = nullptr);

signals:
    // The chosen game folder is stored; the window closes.
    void gameFolderChosen();
    // Cancel, Esc or the close box: nothing was stored.
    void closedWithoutChoice();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void useSelectedFolder();
    void browseForFolder();

private:
    // Stores the folder through the model; tells the player when that fails.
    void storeGameFolder(const QString& folder);

    Settings& m_settings;
    DialogSeam& m_dialogs;
    QList<GameInstall> m_installs;
    QListWidget* m_list = nullptr;
    // The folder last chosen in the dialog; the dialog opens there.
    QString m_folderText;
    bool m_chosen = false;
};

} // namespace glimmbar
