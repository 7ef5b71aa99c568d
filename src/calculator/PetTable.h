// The pet requirement tables behind the pet calculator.
//
// Each calculator category has a small text file in the working folder: a heading line, then
// records of three lines (pet nano name, QL, the skill value needed to use it) in ascending
// order of requirement, closed by a record named "end". Two QLs mark placeholders instead of
// pets: -2 the "no pet yet" record at requirement 0, -1 the "nothing after this" record above
// the highest skill the calculator takes.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace glimmbar {

struct PetRecord {
    QString name;
    std::int16_t ql = 0;
    std::int16_t requirement = 0;

    friend bool operator==(const PetRecord&, const PetRecord&) = default;
};

// QLs that mark placeholder records rather than pet nanos.
inline constexpr std::int16_t kNoPetQl = -2;
inline constexpr std::int16_t kEndOfTableQl = -1;

// The name line that closes a table (exact, lower case: "End" or "end " are pets).
inline const QString kEndRecordName = QStringLiteral("end");

// The most records one file may hold, the "end" record included.
inline constexpr int kMaxPetRecords = 500;

// Slot 0 is always an empty record (requirement 0), the file's records start in slot 1 and
// the slots after the "end" record stay empty.
struct PetTable {
    std::array<PetRecord, kMaxPetRecords + 1> records{};
};

// One number line of a table: a whole number with blanks around it allowed; a decimal
// fraction is rounded to the nearest whole number, a half to the even neighbour. nullopt when
// the line is not such a number or the result does not fit 16 bits.
std::optional<std::int16_t> parseTableNumber(const QString& line);

// Reads a table file (a game path, usually a bare name in the working folder). nullopt when
// the file cannot be read, the heading is missing, the file ends before the "end" record and
// its two number lines, a number line is bad, or a 501st record follows.
std::optional<PetTable> readPetTable(const QString& gamePath);

} // namespace glimmbar
