// The About window: a picture, the program's name and version and a few credit lines.
#pragma once

#include <QWidget>

class QLabel;

namespace glimmbar {

class frmNewAbout : public QWidget {
    Q_OBJECT

public:
    explicit frmNewAbout(QWidget* parent = nullptr);

    // "Glimmbar v" and the running program's version as major.minor.revision.
    static QString titleLine();

private slots:
    void cmdOK_Click();

private:
    void Form_Load();

    QLabel* m_aboutText = nullptr;
};

} // namespace glimmbar
