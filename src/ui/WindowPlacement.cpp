#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace glimmbar {

Qt::WindowFlags fixedSizeWindowFlags() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

void centreOver(QWidget& window, const QWidget& over) {
    window.adjustSize();
    QRect placed(QPoint(), window.size());
    // The frame of a window not yet shown is not known; its title bar makes it sit a few
    // pixels low, which no player notices.
    placed.moveCenter(over.frameGeometry().center());
    if (const QScreen* screen = over.screen(); screen != nullptr) {
        const QRect room = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), room.left(),
                                   std::max(room.left(), room.right() - placed.width() + 1)));
        placed.moveTop(std::clamp(placed.top(), room.top(),
                                  std::max(room.top(), room.bottom() - placed.height() + 1)));
    }
    window.move(placed.topLeft());
}

} // namespace glimmbar
