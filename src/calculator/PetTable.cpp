#include "calculator/PetTable.h"

#include "calculator/RoundHalfEven.h"
#include "files/FileLayer.h"

#include <charconv>
#include <limits>
#include <string>

namespace glimmbar {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the shape "[sign] digits [. digits]" (digits on at least one side of the point),
// so nothing that merely starts with a number slips through.
bool isPlainDecimal(const QString& text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        ++i;
    }
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    return digits > 0 && i == text.size();
}

} // namespace

std::optional<std::int16_t> parseTableNumber(const QString& line) {
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && isBlank(line[first])) {
        ++first;
    }
    while (last > first && isBlank(line[last - 1])) {
        --last;
    }
    const QString text = line.mid(first, last - first);
    if (!isPlainDecimal(text)) {
        return std::nullopt;
    }
    // from_chars takes no '+' and ignores the program's locale, which is what a data file
    // shipped to every country needs.
    std::string ascii = text.toStdString();
    if (ascii.front() == '+') {
        ascii.erase(0, 1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<PetTable> readPetTable(const QString& gamePath) {
    TextReader reader(gamePath);
    if (!reader.isOpen() || !reader.skipLine()) {
        return std::nullopt;
    }
    PetTable table;
    for (int slot = 1; table.records[static_cast<std::size_t>(slot - 1)].name != kEndRecordName;
         ++slot) {
        if (slot > kMaxPetRecords) {
            return std::nullopt;
        }
        const std::optional<QString> name = reader.readLine();
        const std::optional<QString> ql = reader.readLine();
        const std::optional<QString> requirement = reader.readLine();
        if (!requirement) {
            return std::nullopt;
        }
        const std::optional<std::int16_t> qlValue = parseTableNumber(*ql);
        const std::optional<std::int16_t> requirementValue = parseTableNumber(*requirement);
        if (!qlValue || !requirementValue) {
            return std::nullopt;
        }
        table.records[static_cast<std::size_t>(slot)] =
            PetRecord{*name, *qlValue, *requirementValue};
    }
    return table;
}

} // namespace glimmbar
