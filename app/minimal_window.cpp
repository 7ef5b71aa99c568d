// The yardstick for Glimmbar's start-up: a Qt Widgets program that shows one empty window,
// built the same way as Glimmbar.
#include "StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    StartupProbe::armIfAsked(app);
    QWidget window;
    window.resize(560, 425);
    window.show();
    return QApplication::exec();
}
