#include "ColourCodes.h"

#include <algorithm>
#include <array>

namespace glimmbar {

namespace {

constexpr std::array<int, 12> kColourNumbers = {1, 6, 8, 9, 11, 13, 15, 16, 17, 22, 24, 25};

bool isColourNumber(int number) {
    return std::find(kColourNumbers.begin(), kColourNumbers.end(), number) != kColourNumbers.end();
}

// Whether a whole code starts at `index`.
bool codeStartsAt(const QString& name, qsizetype index) {
    return index + 1 < name.size() && name[index].unicode() == kColourCodeLead &&
           isColourNumber(name[index + 1].unicode());
}

} // namespace

QString colourCode(int number) {
    return QString(QChar(kColourCodeLead)) + QChar(static_cast<char16_t>(number));
}

QList<ColourRun> colourRuns(const QString& name) {
    QList<ColourRun> runs;
    ColourRun current;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (codeStartsAt(name, i)) {
            if (!current.text.isEmpty()) {
                runs.append(current);
            }
            current = ColourRun{name[i + 1].unicode(), QString()};
            ++i;
        } else if (name[i].unicode() < 32) {
            current.text += QChar::ReplacementCharacter;
        } else {
            current.text += name[i];
        }
    }
    if (!current.text.isEmpty()) {
        runs.append(current);
    }
    return runs;
}

bool holdsColourCode(const QString& name) {
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 32; });
}

std::pair<qsizetype, qsizetype> codeSpanAt(const QString& name, qsizetype index) {
    for (qsizetype i = 0; i < name.size() && i <= index; ++i) {
        if (codeStartsAt(name, i)) {
            if (index <= i + 1) {
                return {i, 2};
            }
            ++i;
        }
    }
    return {index, 1};
}

} // namespace glimmbar
