// The game's in-line colour codes in pet names: the character 16, then the character whose code
// is one of the game's twelve colour numbers. No font draws them, so the windows use these to
// show a name as the game will and to treat each code as one piece while editing.
#pragma once

#include <QList>
#include <QString>

#include <array>
#include <utility>

namespace glimmbar {

// The first character of every colour code.
inline constexpr char16_t kColourCodeLead = 16;

// One of the twelve colours a name can switch to.
struct GameColour {
    const char* name; // as the naming window's button shows it
    int number;       // the second character of its code
    unsigned rgb;     // 0xRRGGBB, as the game draws it
};

// The twelve colours in the order of the naming window's buttons: two rows of six.
inline constexpr std::size_t kGameColourCount = 12;
const std::array<GameColour, kGameColourCount>& gameColours();

// The colour whose code ends in `number`; nullptr when no colour does.
const GameColour* findGameColour(int number);

// The two characters that switch the game to colour `number`.
QString colourCode(int number);

// A piece of a name in one colour. Colour 0 is the game's own colour, before the first code.
struct ColourRun {
    int colour = 0;
    QString text;

    friend bool operator==(const ColourRun&, const ColourRun&) = default;
};

// The name as the game shows it: the text between the codes, each piece in the colour of the
// code before it, the codes themselves left out. A piece that has no text is left out too. A
// control character that is not part of a whole code (half a code, a stray character) breaks
// the name in game; it stays in the text as U+FFFD so the player sees where.
QList<ColourRun> colourRuns(const QString& name);

// The name with every whole colour code taken out. Dark Blue's code ends in the character 13,
// a carriage return; inside a code it is no line break, and the files hold it as it is.
QString withoutColourCodes(const QString& name);

// Whether the name holds any character no font draws: a colour code or a piece of one.
bool holdsColourCode(const QString& name);

// What one key press removing the character at `index` takes out, as start and length: the
// whole colour code the character belongs to, or that character alone. Codes are read from the
// start of the name, so the Yellow code (16, 16) is never cut in two. An index outside the name
// (Backspace at the start, Delete at the end) gives length 1 at that index.
std::pair<qsizetype, qsizetype> codeSpanAt(const QString& name, qsizetype index);

// Whether a caret at `position` would stand between the two characters of a colour code.
bool splitsCode(const QString& name, qsizetype position);

// The range [start, end) widened so that it cuts no colour code in two: what a selection
// covers once it takes in every code it touches.
std::pair<qsizetype, qsizetype> wholeCodeRange(const QString& name, qsizetype start, qsizetype end);

// How many control characters of the name belong to no whole colour code: half codes and
// strays, which the game shows as garbage.
qsizetype halfCodeCharacters(const QString& name);

} // namespace glimmbar
