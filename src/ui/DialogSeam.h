// The seam between the windows and the two things that block: message boxes and the folder
// dialog. The program shows real ones; tests answer them from a script.
#pragma once

#include "model/Messages.h"

#include <QString>

class QWidget;

namespace glimmbar {

class DialogSeam : public MessageSink {
public:
    // Asks for a folder; an empty string when the player cancels.
    virtual QString askFolder(QWidget* parent, const QString& start, const QString& title) = 0;
    // Where a message box is parented; windows set themselves while they handle a click.
    void setParentWindow(QWidget* parent) { m_parent = parent; }

protected:
    QWidget* parentWindow() const { return m_parent; }

private:
    QWidget* m_parent = nullptr;
};

// Modal QMessageBox with a single OK button, and QFileDialog for folders.
class QtDialogs final : public DialogSeam {
public:
    void showMessage(const Message& message) override;
    QString askFolder(QWidget* parent, const QString& start, const QString& title) override;
};

} // namespace glimmbar
