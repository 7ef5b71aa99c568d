// The welcome window: shown on a first run, or when the game has moved, to ask where
// Anarchy Online is installed.
#pragma once

#include "DialogSeam.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <QPointer>
#include <QWidget>

namespace glimmbar {

class frmNamingScreen;

class frmBrowseFolder : public QWidget {
    Q_OBJECT

public:
    frmBrowseFolder(Settings& settings, PetSelection& selection, DialogSeam& dialogs,
                    QWidget* parent = nullptr);

    // The naming window Ok opened, while it is open.
    frmNamingScreen* namingWindow() const { return m_namingWindow; }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdBrowse_Click();
    void cmdClose_Click();

private:
    // Makes the scripts folder when it is missing; false (after telling the player) when it
    // cannot be made.
    bool ensureScriptsFolder(const QString& scriptsDir);

    Settings& m_settings;
    PetSelection& m_selection;
    DialogSeam& m_dialogs;
    // The folder last chosen; the dialog opens there.
    QString m_folderText;
    QPointer<frmNamingScreen> m_namingWindow;
    bool m_handedOver = false;
};

} // namespace glimmbar
