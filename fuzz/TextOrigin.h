// Whether a value a reader returned can have come from the text it read: the value's
// characters stand in the text in order, each one either as itself or written the way a quoted
// string writes it (a backslash escape, a doubled single quote), and a space may stand for a
// line break where a long value was folded onto the next line. A reader that invents a folder,
// or glues together pieces from far apart, fails this.
#pragma once

#include <QString>

#include <vector>

inline bool readFrom(const QString& text, const QString& value) {
    const qsizetype n = text.size();
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
    // Positions in the text where the rest of the value may start; every position to begin.
    std::vector<char> reach(static_cast<std::size_t>(n) + 1, 1);
    const auto closeOverEscapedBreaks = [&] {
        for (qsizetype p = 0; p < n; ++p) {
            if (reach[static_cast<std::size_t>(p)] && text[p] == u'\\') {
                if (const qsizetype end = foldEnd(p + 1); end >= 0) {
                    reach[static_cast<std::size_t>(end)] = 1;
                }
            }
        }
    };
    closeOverEscapedBreaks();
    for (const QChar c : value) {
        std::vector<char> next(reach.size(), 0);
        bool any = false;
        for (qsizetype p = 0; p < n; ++p) {
            if (!reach[static_cast<std::size_t>(p)]) {
                continue;
            }
            const auto mark = [&](qsizetype to) {
                next[static_cast<std::size_t>(to)] = 1;
                any = true;
            };
            if (text[p] == c) {
                mark(p + 1);
            }
            if (p + 1 < n && text[p] == u'\\' && unescaped(text[p + 1]) == c) {
                mark(p + 2);
            }
            if (p + 1 < n && c == u'\'' && text[p] == u'\'' && text[p + 1] == u'\'') {
                mark(p + 2);
            }
            if (c == u' ') {
                if (const qsizetype end = foldEnd(p); end >= 0) {
                    mark(end);
                }
            }
        }
        if (!any) {
            return false;
        }
        reach.swap(next);
        closeOverEscapedBreaks();
    }
    return true;
}
