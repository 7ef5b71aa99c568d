#include "ui/WelcomeWindow.h"

#include "model/GameFolder.h"
#include "ui/EnterKey.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace glimmbar {

namespace {

const QString kWelcomeText =
    QStringLiteral("Welcome to Glimmbar!  This is either your first time using this program, or "
                   "your Anarchy Online folder has moved.  Press \"Ok\" to select your Anarchy "
                   "Online folder, or \"Cancel\" to exit.");
const QString kFoundText = QStringLiteral("Anarchy Online &installations found on this computer:");

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    made->setMinimumWidth(96);
    return made;
}

} // namespace

WelcomeWindow::WelcomeWindow(Settings& settings, DialogSeam& dialogs,
                             const QList<GameInstall>& installs, QWidget* parent)
    : QWidget(parent, fixedSizeWindowFlags())
    , m_settings(settings)
    , m_dialogs(dialogs)
    , m_installs(installs) {
    setObjectName(QStringLiteral("frmBrowseFolder"));
    setWindowTitle(QStringLiteral("Welcome to Glimmbar!"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* welcome = new QLabel(kWelcomeText, this);
    welcome->setObjectName(QStringLiteral("labelWelcome"));
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(welcome);

    if (!m_installs.isEmpty()) {
        auto* found = new QLabel(kFoundText, this);
        found->setObjectName(QStringLiteral("labelInstalls"));
        m_list = new QListWidget(this);
        m_list->setObjectName(QStringLiteral("lstInstalls"));
        m_list->setAccessibleName(QString(kFoundText).remove(QLatin1Char('&')).chopped(1));
        found->setBuddy(m_list);
        int firstUsable = -1;
        for (const GameInstall& install : m_installs) {
            auto* item = new QListWidgetItem(
                QStringLiteral("%1   (%2)").arg(install.folder, install.where), m_list);
            if (const std::optional<Refusal> refused = gameFolderRefusal(install.folder)) {
                // Listed, so the player sees the game was found, but not offered: the message
                // says why and what to do.
                item->setText(item->text() + QStringLiteral("   \u2014 cannot be used"));
                item->setToolTip(refused->message.text);
                item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            } else if (firstUsable < 0) {
                firstUsable = m_list->row(item);
            }
        }
        m_list->setCurrentRow(firstUsable);
        // Every folder whole, and no more rows than there are installations (up to six).
        const int rows = static_cast<int>(std::min<qsizetype>(m_installs.size(), 6));
        const int frame = 2 * m_list->frameWidth();
        m_list->setFixedHeight(rows * m_list->sizeHintForRow(0) + frame + 2);
        m_list->setMinimumWidth(std::min(m_list->sizeHintForColumn(0) + frame + 24, 900));
        connect(m_list, &QListWidget::itemActivated, this, &WelcomeWindow::useSelectedFolder);
        layout->addSpacing(6);
        layout->addWidget(found);
        layout->addWidget(m_list);
    }
    welcome->setMinimumWidth(314);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = button(QStringLiteral("&Ok"), "cmdBrowse", this);
    buttons->addWidget(ok);
    if (m_list != nullptr) {
        connect(ok, &QPushButton::clicked, this, &WelcomeWindow::useSelectedFolder);
        QPushButton* other = button(QStringLiteral("&Browse\u2026"), "cmdBrowseOther", this);
        connect(other, &QPushButton::clicked, this, &WelcomeWindow::browseForFolder);
        buttons->addWidget(other);
    } else {
        connect(ok, &QPushButton::clicked, this, &WelcomeWindow::browseForFolder);
    }
    QPushButton* cancel = button(QStringLiteral("&Cancel"), "cmdClose", this);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addSpacing(8);
    layout->addLayout(buttons);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cancel, &QPushButton::click);
    pressFocusedButtonOnEnter(*this);
    if (m_list != nullptr) {
        m_list->setFocus();
    }
}

void WelcomeWindow::useSelectedFolder() {
    const int row = m_list != nullptr ? m_list->currentRow() : -1;
    if (row < 0) {
        browseForFolder();
        return;
    }
    storeGameFolder(m_installs[row].folder);
}

void WelcomeWindow::browseForFolder() {
    // Qt's dialog answers with forward slashes even on Windows, where the settings file and
    // the game expect backslashes; elsewhere this changes nothing.
    const QString folder = QDir::toNativeSeparators(m_dialogs.askFolder(
        this, m_folderText, QStringLiteral("&Select your Anarchy Online folder:")));
    if (folder.isEmpty()) {
        // A cancelled dialog is not a choice: nothing is stored and the player can try again.
        return;
    }
    m_folderText = folder;
    storeGameFolder(folder);
}

void WelcomeWindow::storeGameFolder(const QString& folder) {
    if (const std::optional<Refusal> failure = chooseGameFolder(folder, m_settings)) {
        // The welcome window stays open, so the message belongs to it.
        const ParentWindowScope messagesBelongHere(m_dialogs, this);
        m_dialogs.showMessage(failure->message);
        return;
    }
    m_chosen = true;
    emit gameFolderChosen();
    close();
}

void WelcomeWindow::closeEvent(QCloseEvent* event) {
    if (!m_chosen) {
        emit closedWithoutChoice();
    }
    event->accept();
}

} // namespace glimmbar
