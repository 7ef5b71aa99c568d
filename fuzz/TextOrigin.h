// Whether a value a reader returned can have come from the text it read: the value's
// characters stand in the text in order, each one either as itself or written the way a quoted
// string writes it (a backslash escape, a hexadecimal escape, a doubled single quote), a space
// may stand for a line break where a long value was folded onto the next line, and an escaped
// line break for nothing. A reader that invents a folder, or glues together pieces from far
// apart, fails this.
#pragma once

#include <QString>

#include <utility>
#include <vector>

// The characters a \xXX, \uXXXX or \UXXXXXXXX escape starting at `p` stands for, and its
// length; an empty piece when there is none.
inline std::pair<QString, qsizetype> hexEscapeAt(const QString& text, qsizetype p) {
    if (p + 1 >= text.size() || text[p] != u'\\') {
        return {};
    }
    const QChar e = text[p + 1];
    const qsizetype digits = e == u'x' ? 2 : e == u'u' ? 4 : e == u'U' ? 8 : 0;
    if (digits == 0 || p + 2 + digits > text.size()) {
        return {};
    }
    char32_t code = 0;
    for (qsizetype i = p + 2; i < p + 2 + digits; ++i) {
        const qsizetype digit = QStringLiteral("0123456789abcdef").indexOf(text[i].toLower());
        if (digit < 0) {
            return {};
        }
        code = code * 16 + static_cast<char32_t>(digit);
    }
    if (code > 0x10FFFF) {
        return {};
    }
    return {QString::fromUcs4(&code, 1), 2 + digits};
}

inline bool readFrom(const QString& text, const QString& value) {
    const qsizetype n = text.size();
    const qsizetype m = value.size();
    const auto unescaped = [](QChar e) {
        return e == u'n' ? QChar(u'\n') : e == u't' ? QChar(u'\t') : e;
    };
    // The end of a line break with the blanks around it starting at `p`, or -1.
    const auto foldEnd = [&text, n](qsizetype p) {
        while (p < n && (text[p] == u' ' || text[p] == u'\t' || text[p] == u'\r')) {
            ++p;
        }
        if (p >= n || text[p] != u'\n') {
            return qsizetype{-1};
        }
        for (++p; p < n && (text[p] == u' ' || text[p] == u'\t'); ++p) {
        }
        return p;
    };
    // reach[k][p]: the first k characters of the value can end at text position p. Any
    // position may begin.
    std::vector<std::vector<char>> reach(static_cast<std::size_t>(m) + 1);
    const auto mark = [&reach, n](qsizetype k, qsizetype p) {
        auto& row = reach[static_cast<std::size_t>(k)];
        if (row.empty()) {
            row.assign(static_cast<std::size_t>(n) + 1, 0);
        }
        row[static_cast<std::size_t>(p)] = 1;
    };
    for (qsizetype p = 0; p <= n; ++p) {
        mark(0, p);
    }
    for (qsizetype k = 0; k <= m; ++k) {
        if (reach[static_cast<std::size_t>(k)].empty()) {
            continue;
        }
        for (qsizetype p = 0; p <= n; ++p) {
            if (!reach[static_cast<std::size_t>(k)][static_cast<std::size_t>(p)]) {
                continue;
            }
            if (k == m) {
                return true;
            }
            // An escaped line break stands for nothing.
            if (p < n && text[p] == u'\\') {
                if (const qsizetype end = foldEnd(p + 1); end >= 0) {
                    mark(k, end);
                }
            }
            if (p >= n) {
                continue;
            }
            const QChar c = value[k];
            if (text[p] == c) {
                mark(k + 1, p + 1);
            }
            if (p + 1 < n && text[p] == u'\\' && unescaped(text[p + 1]) == c) {
                mark(k + 1, p + 2);
            }
            if (p + 1 < n && c == u'\'' && text[p] == u'\'' && text[p + 1] == u'\'') {
                mark(k + 1, p + 2);
            }
            if (const auto [piece, length] = hexEscapeAt(text, p);
                !piece.isEmpty() && QStringView(value).mid(k).startsWith(piece)) {
                mark(k + piece.size(), p + length);
            }
            if (c == u' ') {
                if (const qsizetype end = foldEnd(p); end >= 0) {
                    mark(k + 1, end);
                }
            }
        }
    }
    return false;
}
