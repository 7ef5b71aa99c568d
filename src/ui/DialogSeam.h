// The seam between the windows and the two things that block: message boxes and the folder
// dialog. The program shows real ones; tests answer them from a script.
#pragma once

#include "model/Messages.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace glimmbar {

class DialogSeam : public MessageSink {
public:
    // Asks for a folder; an empty string when the player cancels.
    virtual QString askFolder(QWidget* parent, const QString& start, const QString& title) = 0;
    // Where a message box is parented; windows set themselves while they handle a click
    // (see ParentWindowScope). A window that closes takes itself out.
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    QWidget* parentWindow() const { return m_parent; }

private:
    QPointer<QWidget> m_parent;
};

// Message boxes belong to a window while it handles a click, and to no window after it.
class ParentWindowScope {
public:
    ParentWindowScope(DialogSeam& dialogs, QWidget* window)
        : m_dialogs(dialogs) {
        m_dialogs.setParentWindow(window);
    }
    ~ParentWindowScope() { m_dialogs.setParentWindow(nullptr); }
    ParentWindowScope(const ParentWindowScope&) = delete;
    ParentWindowScope& operator=(const ParentWindowScope&) = delete;

private:
    DialogSeam& m_dialogs;
};

// Modal QMessageBox with a single OK button, and QFileDialog for folders.
class QtDialogs final : public DialogSeam {
public:
    void showMessage(const Message& message) override;
    QString askFolder(QWidget* parent, const QString& start, const QString& title) override;
};

} // namespace glimmbar
