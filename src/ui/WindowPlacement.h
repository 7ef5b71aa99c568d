// Where the program's windows appear and which title-bar buttons they offer.
#pragma once

#include <Qt>

class QWidget;

namespace glimmbar {

// The title-bar buttons of a window whose size is fixed: minimise and close, no maximise.
Qt::WindowFlags fixedSizeWindowFlags();

// Puts `window`, not yet shown, centred over `over`, moved as little as needed to stay whole
// on the screen `over` is on.
void centreOver(QWidget& window, const QWidget& over);

} // namespace glimmbar
