// The pictures drawn for Glimmbar, embedded through Qt's resource system.
#pragma once

#include <QPixmap>
#include <QString>

namespace glimmbar {

// A picture by its file name in resources/pictures ("about.png"); a null pixmap when it is
// not there.
QPixmap picture(const QString& fileName);

} // namespace glimmbar
