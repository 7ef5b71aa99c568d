#include "PetSelection.h"

namespace glimmbar {

bool LoadPetSelection(PetSelection& selection, const QString& file) {
    TextReader reader(file);
    if (!reader.isOpen()) {
        return false;
    }
    for (bool& flag : selection.include) {
        const std::optional<QString> line = reader.readLine();
        if (!line) {
            break;
        }
        bool isNumber = false;
        const int value = line->trimmed().toInt(&isNumber);
        if (isNumber) {
            flag = value != 0;
        }
    }
    return true;
}

WriteResult SavePetSelection(const PetSelection& selection, const QString& file) {
    QStringList lines;
    lines.reserve(kPetTypeCount);
    for (const bool flag : selection.include) {
        lines.append(flag ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return writeTextLines(file, lines);
}

WriteResult CreateDefaultPetSelection(PetSelection& selection, const QString& file) {
    selection.include.fill(true);
    return SavePetSelection(selection, file);
}

} // namespace glimmbar
