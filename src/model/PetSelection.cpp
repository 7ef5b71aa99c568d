#include "model/PetSelection.h"

namespace glimmbar {

bool loadPetSelection(PetSelection& selection, const QString& file) {
    TextReader reader(file);
    if (!reader.isOpen()) {
        return false;
    }
    for (std::size_t i = 0; i < selection.include.size(); ++i) {
        const std::optional<QString> line = reader.readLine();
        if (!line) {
            break;
        }
        bool isNumber = false;
        const int value = line->trimmed().toInt(&isNumber);
        if (isNumber) {
            selection.include[i] = value != 0;
        }
    }
    return true;
}

FileResult savePetSelection(const PetSelection& selection, const QString& file) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(selection.include.size()));
    for (const bool flag : selection.include) {
        lines.append(flag ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return writeTextLines(file, lines);
}

FileResult createDefaultPetSelection(PetSelection& selection, const QString& file) {
    selection.include.assign(petTypes().size(), true);
    return savePetSelection(selection, file);
}

} // namespace glimmbar
