#include "ui/Pictures.h"

#include <QImageReader>

#include <mutex>

// The resources live in a static library, whose registration the linker would otherwise drop;
// Q_INIT_RESOURCE has to stand outside any namespace.
static void registerPictures() {
    Q_INIT_RESOURCE(glimmbar);
}

namespace glimmbar {

QPixmap picture(const QString& fileName) {
    static std::once_flag registered;
    std::call_once(registered, registerPictures);
    // Every picture is a PNG, which Qt decodes itself. Naming the format and turning off
    // detection keeps Qt from loading each image-format plugin installed on the machine just to
    // ask whether it reads PNG: that cost the naming window a tenth of its start-up.
    QImageReader reader(QStringLiteral(":/pictures/") + fileName, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace glimmbar
