#include "Pictures.h"

// The resources live in a static library, whose registration the linker would otherwise drop;
// Q_INIT_RESOURCE has to stand outside any namespace.
static void registerPictures() {
    Q_INIT_RESOURCE(glimmbar);
}

namespace glimmbar {

QPixmap picture(const QString& fileName) {
    static const bool registered = [] {
        registerPictures();
        return true;
    }();
    Q_UNUSED(registered);
    return QPixmap(QStringLiteral(":/pictures/") + fileName);
}

} // namespace glimmbar
