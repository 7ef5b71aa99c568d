// The About window: a picture, the program's name and version and a few credit lines.
#pragma once

#include <QWidget>

class QLabel;

namespace glimmbar {

class AboutWindow : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

private:
    // "Glimmbar v" and the running program's version as major.minor.revision.
    static QString titleLine();
    void showCredits();

    QLabel* m_aboutText = nullptr;
};

} // namespace glimmbar
