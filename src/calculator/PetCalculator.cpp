#include "calculator/PetCalculator.h"

#include "calculator/PetTable.h"
#include "calculator/RoundHalfEven.h"
#include "files/FileLayer.h"
#include "model/PetRoles.h"
#include "model/WorkingFolder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace glimmbar {

namespace {

// "Matter Creation" is "MC" in the game's item texts.
QString initials(const QString& words) {
    QString letters;
    for (const QString& word : words.split(QLatin1Char(' '))) {
        letters += word.front();
    }
    return letters;
}

const std::array<CalcCategory, kCalcPetTypes.size()>& categories() {
    static const auto table = [] {
        std::array<CalcCategory, kCalcPetTypes.size()> made;
        for (std::size_t i = 0; i < made.size(); ++i) {
            const CalcPetType type = kCalcPetTypes.at(i);
            const PetRoleRow& role = roleOfCategory(type);
            const QString skill = QString::fromLatin1(role.calculator.nanoSkill);
            made.at(i) = {QString::fromUtf16(kPetTableFiles.at(i)), skill,
                          QStringLiteral("This nano requires ") + initials(skill),
                          role.calculator.builtInShell ? QStringLiteral("create the shell, and ")
                                                       : QStringLiteral("summon, and ")};
        }
        return made;
    }();
    return table;
}

// The highest skill the calculator looks up; higher values are searched as this one, which
// lies below every table's end placeholder.
constexpr int kHighestSkill = 3000;

// Skill texts longer than this are not read at all (the box holds a skill, not a sentence).
constexpr qsizetype kLongestSkillText = 4;

bool isIgnoredInNumber(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

int digitValue(QChar c, int radix) {
    int digit = radix;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        digit = c.unicode() - u'0';
    } else if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) {
        digit = c.unicode() - u'a' + 10;
    } else if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) {
        digit = c.unicode() - u'A' + 10;
    }
    return digit < radix ? digit : -1;
}

double radixNumber(const QString& digits, int radix) {
    double value = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c, radix);
        if (digit < 0) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

// The decimal number (sign, digits, point, exponent) at the start of a text without blanks.
double decimalNumber(const QString& text) {
    qsizetype i = 0;
    std::string number;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-')) {
            number += '-';
        }
        ++i;
    }
    const auto takeDigits = [&](std::string& into) {
        qsizetype count = 0;
        while (i < text.size() && digitValue(text[i], 10) >= 0) {
            into += static_cast<char>(text[i].unicode());
            ++i;
            ++count;
        }
        return count;
    };
    std::string mantissa = "0";
    qsizetype mantissaDigits = takeDigits(mantissa);
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        mantissa += '.';
        ++i;
        mantissaDigits += takeDigits(mantissa);
    }
    if (mantissaDigits == 0) {
        return 0;
    }
    number += mantissa;

    bool negativeExponent = false;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        std::string exponent = "e";
        ++i;
        if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negativeExponent = text[i] == QLatin1Char('-');
            exponent += static_cast<char>(text[i].unicode());
            ++i;
        }
        if (takeDigits(exponent) > 0) { // "1e" alone is the number 1
            number += exponent;
        }
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (negativeExponent) {
            return 0;
        }
        const double huge = std::numeric_limits<double>::infinity();
        return number.front() == '-' ? -huge : huge;
    }
    return value;
}

// The skill value that keeps a pet from over-equipping (OE): 80% of its requirement.
int oeValue(int requirement) {
    // 4/5 of a whole number never ends in exactly one half, so plain rounding is exact here.
    return static_cast<int>(std::lround(requirement * 4 / 5.0));
}

QString recordName(const QString& opening, const PetRecord& record) {
    return opening + record.name + QStringLiteral(" (QL ") + QString::number(record.ql) +
           QStringLiteral(").");
}

QString skillSentence(const CalcCategory& category, const PetRecord& record) {
    return category.skillText + QStringLiteral("/T&S skills of at least ") +
           QString::number(record.requirement) + QStringLiteral(" to ") + category.phrase +
           QString::number(oeValue(record.requirement)) + QStringLiteral(" to prevent OE.");
}

// The number a text begins with: blanks, tabs and line feeds anywhere are ignored; a sign,
// digits, a decimal point and an exponent are taken, "&H" and "&O" read hexadecimal and
// octal; reading stops at the first character that cannot continue the number. 0 when the
// text does not begin with a number; may be infinite when the exponent is too large.
double leadingNumber(const QString& text) {
    QString compact;
    compact.reserve(text.size());
    for (const QChar c : text) {
        if (!isIgnoredInNumber(c)) {
            compact += c;
        }
    }
    if (compact.size() >= 2 && compact[0] == QLatin1Char('&')) {
        const QChar prefix = compact[1].toUpper();
        if (prefix == QLatin1Char('H')) {
            return radixNumber(compact.mid(2), 16);
        }
        if (prefix == QLatin1Char('O')) {
            return radixNumber(compact.mid(2), 8);
        }
    }
    return decimalNumber(compact);
}

// The skill box's text read the way the calculator always read it.
struct SkillValue {
    int value = 0;                         // 0..3000, what the search uses
    std::optional<QString> correctedSkill; // the box's new text, when it had to change
};

// nullopt when the number lies beyond the 32-bit range (a large exponent).
std::optional<SkillValue> normaliseSkill(const QString& skillText) {
    QString text = skillText;
    if (text.size() > kLongestSkillText) {
        text = QStringLiteral("0");
    }
    if (text.isEmpty()) {
        text = QStringLiteral("0");
    }
    const double rounded = roundHalfEven(leadingNumber(text));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    int value = static_cast<int>(rounded);
    if (value < 0) {
        text = QStringLiteral("0");
        value = 0;
    }
    SkillValue skill;
    skill.value = std::min(value, kHighestSkill);
    if (text != skillText) {
        skill.correctedSkill = text;
    }
    return skill;
}

// The first slot whose requirement is greater than the value (the next pet; the best pet is
// the slot before it), or nullopt when no slot up to 500 has one.
std::optional<int> findNextSlot(const PetTable& table, int value) {
    for (std::size_t slot = 0; slot < table.records.size(); ++slot) {
        if (table.records[slot].requirement > value) {
            return static_cast<int>(slot);
        }
    }
    return std::nullopt;
}

struct CalcTexts {
    QString BestPetName, BestPetSkill, NextPetName, NextPetSkill;
};

CalcTexts composeTexts(const CalcCategory& category, const PetRecord& best, const PetRecord& next) {
    CalcTexts texts;
    if (best.ql == kNoPetQl) {
        texts.BestPetName = QStringLiteral("Your skills are too low to use any pets.");
        texts.BestPetSkill = QStringLiteral(" ");
    } else {
        texts.BestPetName =
            recordName(QStringLiteral("The best pet you can currently use is "), best);
        texts.BestPetSkill = skillSentence(category, best);
    }
    if (next.ql == kEndOfTableQl) {
        texts.NextPetName = QStringLiteral("There are no pets after your current one.");
        texts.NextPetSkill = QStringLiteral(" ");
    } else {
        texts.NextPetName = recordName(QStringLiteral("The next pet up from this is "), next);
        texts.NextPetSkill = skillSentence(category, next);
    }
    return texts;
}

} // namespace

const CalcCategory& calcCategory(CalcPetType type) {
    return categories().at(static_cast<std::size_t>(type) - 1);
}

CalcResult calculateBestPet(CalcPetType type, const QString& skillText) {
    CalcResult result;
    const CalcCategory& category = calcCategory(type);
    const std::optional<QString> dataFile = findDataFile(category.dataFile);
    if (!dataFile) {
        result.kind = CalcResult::Kind::MissingFile;
        result.missingFile =
            Message{QStringLiteral("A required file, ") + category.dataFile.toUpper() +
                        QStringLiteral(", is missing. Please re-install Glimmbar"),
                    kMissingFileTitle, MessageIcon::Exclamation};
        return result;
    }
    const std::optional<PetTable> table = readPetTable(*dataFile);
    if (!table) {
        return result;
    }
    const std::optional<SkillValue> skill = normaliseSkill(skillText);
    if (!skill) {
        return result;
    }
    // A table without an end placeholder has no next pet for a high skill: nothing to show.
    const std::optional<int> next = findNextSlot(*table, skill->value);
    if (!next || *next == 0) {
        return result;
    }
    const auto nextSlot = static_cast<std::size_t>(*next);
    const CalcTexts texts =
        composeTexts(category, table->records[nextSlot - 1], table->records[nextSlot]);
    result.kind = CalcResult::Kind::Computed;
    result.BestPetName = texts.BestPetName;
    result.BestPetSkill = texts.BestPetSkill;
    result.NextPetName = texts.NextPetName;
    result.NextPetSkill = texts.NextPetSkill;
    result.correctedSkill = skill->correctedSkill;
    return result;
}

} // namespace glimmbar
