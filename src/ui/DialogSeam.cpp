#include "ui/DialogSeam.h"

#include <QFileDialog>
#include <QMessageBox>

namespace glimmbar {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtDialogs::showMessage(const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.title, message.text, QMessageBox::Ok,
                    parentWindow());
    // A message quotes what the player typed and the paths of their folders: "<b>stop" is a
    // script name, not markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtDialogs::askFolder(QWidget* parent, const QString& start, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
}

} // namespace glimmbar
