#include "model/ColourCodes.h"

#include <algorithm>
#include <array>

namespace glimmbar {

namespace {

// clang-format off
constexpr std::array<GameColour, kGameColourCount> kGameColours = {{
    {"Light Blue", 1, 0x00C0C0}, {"Green", 8, 0x00FF00},  {"Dark Blue", 13, 0x000080},
    {"Dark Green", 6, 0x00C000}, {"Tan", 17, 0xC0C000},   {"Grey", 25, 0xC0C0C0},
    {"Black", 11, 0x000000},     {"White", 15, 0xFFFFFF}, {"Yellow", 16, 0xFFFF00},
    {"Red", 24, 0xFF0000},       {"Teal", 22, 0xC0FFFF},  {"Pink", 9, 0x9C00FF},
}};
// clang-format on

// Whether a whole code starts at `index`.
bool codeStartsAt(const QString& name, qsizetype index) {
    return index + 1 < name.size() && name[index].unicode() == kColourCodeLead &&
           findGameColour(name[index + 1].unicode()) != nullptr;
}

} // namespace

const std::array<GameColour, kGameColourCount>& gameColours() {
    return kGameColours;
}

const GameColour* findGameColour(int number) {
    const auto* found = std::find_if(kGameColours.begin(), kGameColours.end(),
                                     [number](const GameColour& c) { return c.number == number; });
    return found != kGameColours.end() ? found : nullptr;
}

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

QString withoutColourCodes(const QString& name) {
    QString rest;
    rest.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (codeStartsAt(name, i)) {
            ++i;
        } else {
            rest += name[i];
        }
    }
    return rest;
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

bool splitsCode(const QString& name, qsizetype position) {
    return position > 0 && position < name.size() &&
           codeSpanAt(name, position - 1) == std::pair<qsizetype, qsizetype>{position - 1, 2};
}

std::pair<qsizetype, qsizetype> wholeCodeRange(const QString& name, qsizetype start,
                                               qsizetype end) {
    return {splitsCode(name, start) ? start - 1 : start, splitsCode(name, end) ? end + 1 : end};
}

qsizetype halfCodeCharacters(const QString& name) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (codeStartsAt(name, i)) {
            ++i;
        } else if (name[i].unicode() < 32) {
            ++count;
        }
    }
    return count;
}

} // namespace glimmbar
