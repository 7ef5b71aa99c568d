#include "finder/LauncherFiles.h"

#include <algorithm>
#include <utility>

namespace glimmbar {

namespace {

// A text without the byte-order mark some editors put in front of UTF-8.
QStringView withoutByteOrderMark(const QString& text) {
    QStringView view(text);
    return view.startsWith(QChar(0xFEFF)) ? view.mid(1) : view;
}

// The character a backslash escape stands for, in Valve's KeyValues and in YAML alike.
QChar unescaped(QChar e) {
    return e == u'n' ? QChar(u'\n') : e == u't' ? QChar(u'\t') : e;
}

// Valve's KeyValues text as tokens: "{", "}" or a string (quotes and escapes removed).
QStringList keyValueTokens(QStringView text) {
    QStringList tokens;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'/' && i + 1 < n && text[i + 1] == u'/') {
            while (i < n && text[i] != u'\n') {
                ++i;
            }
        } else if (c == u'{' || c == u'}') {
            tokens.append(QString(c));
            ++i;
        } else if (c == u'"') {
            QString token;
            for (++i; i < n && text[i] != u'"'; ++i) {
                if (text[i] == u'\\' && i + 1 < n) {
                    ++i;
                    token += unescaped(text[i]);
                } else {
                    token += text[i];
                }
            }
            ++i; // the closing quote
            tokens.append(token);
        } else {
            const qsizetype start = i;
            while (i < n && !text[i].isSpace() && text[i] != u'{' && text[i] != u'}' &&
                   text[i] != u'"') {
                ++i;
            }
            tokens.append(text.mid(start, i - start).toString());
        }
    }
    return tokens;
}

bool isNumber(const QString& text) {
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

// --- A little of YAML, as Lutris writes its game files (PyYAML, block style). ---

// The text of the escape whose letter is at `i` in a double-quoted scalar; `i` ends on its last
// character. PyYAML writes every character outside ASCII as \xXX, \uXXXX or \UXXXXXXXX, so a
// home folder named "jörg" reaches the file as "j\xF6rg".
QString yamlEscape(QStringView text, qsizetype& i) {
    const QChar e = text[i];
    const int digits = e == u'x' ? 2 : e == u'u' ? 4 : e == u'U' ? 8 : 0;
    const QStringView hex = text.mid(i + 1).left(digits);
    const bool isHex = std::all_of(hex.begin(), hex.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c.toLower() >= u'a' && c.toLower() <= u'f');
    });
    const uint code = hex.toUInt(nullptr, 16);
    if (digits == 0 || hex.size() < digits || !isHex || code > 0x10FFFF) {
        return unescaped(e);
    }
    i += digits;
    const char32_t point = code;
    return QString::fromUcs4(&point, 1);
}

qsizetype indentOf(QStringView line) {
    qsizetype n = 0;
    while (n < line.size() && line[n] == u' ') {
        ++n;
    }
    return n;
}

bool isBlank(QStringView line) {
    return line.trimmed().isEmpty() || line.trimmed().startsWith(u'#');
}

// One scalar from `from` on: double-quoted, single-quoted or plain. A plain scalar in a flow
// mapping ("{a: b, c: d}") ends at a comma, a closing brace or a key's colon. `end` is where
// reading stopped. A quote left open gives a null string.
QString yamlScalar(QStringView text, qsizetype from, bool flow, qsizetype* end = nullptr) {
    const qsizetype n = text.size();
    qsizetype i = from;
    while (i < n && text[i].isSpace()) {
        ++i;
    }
    const QChar quote = i < n && (text[i] == u'"' || text[i] == u'\'') ? text[i] : QChar();
    QString value(QLatin1String(""));
    if (quote.isNull()) {
        const qsizetype start = i;
        for (; i < n; ++i) {
            const bool colonEnds = text[i] == u':' && (i + 1 == n || text[i + 1].isSpace());
            // A "#" after a blank starts a comment, even where the value would begin.
            if ((flow && (text[i] == u',' || text[i] == u'}' || colonEnds)) ||
                (text[i] == u'#' && (i == 0 || text[i - 1].isSpace()))) {
                break;
            }
        }
        // A line break the value was folded at, with the blanks before it, is one space.
        for (const QChar c : text.mid(start, i - start).trimmed()) {
            if (c == u'\n') {
                while (value.endsWith(u' ') || value.endsWith(u'\t')) {
                    value.chop(1);
                }
                value += u' ';
            } else {
                value += c;
            }
        }
    } else {
        // Blanks typed before a line break go with it; the break itself becomes one space, or
        // nothing when a backslash escapes it (the blanks before that backslash stay).
        QString blanks;
        bool closed = false;
        for (++i; i < n && !closed; ++i) {
            const QChar c = text[i];
            if (c == u' ' || c == u'\t') {
                blanks += c;
                continue;
            }
            if (c == u'\n') {
                blanks = QStringLiteral(" ");
                continue;
            }
            value += std::exchange(blanks, QString());
            if (quote == u'"' && c == u'\\' && i + 1 < n && text[i + 1] == u'\n') {
                ++i;
            } else if (quote == u'"' && c == u'\\' && i + 1 < n) {
                value += yamlEscape(text, ++i);
            } else if (quote == u'\'' && c == u'\'' && i + 1 < n && text[i + 1] == u'\'') {
                value += text[++i];
            } else if (c == quote) {
                closed = true;
            } else {
                value += c;
            }
        }
        if (!closed) {
            value = QString();
        }
    }
    if (end != nullptr) {
        *end = i;
    }
    return value;
}

// Splits "key: value" at the colon that ends the key; the key is empty when there is none.
// Lutris writes its keys plain, never quoted.
std::pair<QString, QStringView> yamlKey(QStringView content) {
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] == u':' && (i + 1 == content.size() || content[i + 1].isSpace())) {
            return {content.left(i).trimmed().toString(), content.mid(i + 1)};
        }
    }
    return {};
}

void setLutrisValue(LutrisGame& game, const QString& key, const QString& value) {
    if (key == QLatin1String("exe")) {
        game.exe = value;
    } else if (key == QLatin1String("prefix")) {
        game.prefix = value;
    }
}

// "{args: '', exe: /path}": the one-line form of a section.
void readFlowSection(QStringView text, LutrisGame& game) {
    qsizetype i = text.indexOf(u'{') + 1;
    const qsizetype n = text.size();
    while (i > 0 && i < n) {
        qsizetype end = i;
        const QString key = yamlScalar(text, i, true, &end);
        if (key.isNull() || end >= n || text[end] != u':') {
            return;
        }
        const QString value = yamlScalar(text, end + 1, true, &end);
        if (!value.isNull()) {
            setLutrisValue(game, key, value);
        }
        while (end < n && text[end].isSpace()) {
            ++end;
        }
        if (end >= n || text[end] != u',') {
            return;
        }
        i = end + 1;
    }
}

// A line without the spaces and tabs around it (and the CR of a CR LF): YAML's blanks, which
// are fewer than QString::trimmed()'s.
QStringView withoutBlanks(QStringView line) {
    while (!line.isEmpty() && (line.front() == u' ' || line.front() == u'\t')) {
        line = line.mid(1);
    }
    while (!line.isEmpty() &&
           (line.back() == u' ' || line.back() == u'\t' || line.back() == u'\r')) {
        line.chop(1);
    }
    return line;
}

// A value and the lines it is folded onto (each further line indented more than the key), the
// lines kept apart by a line break: yamlScalar folds them as its kind of scalar does.
QString foldedValue(const QList<QStringView>& lines, qsizetype& index, qsizetype keyIndent,
                    QStringView first) {
    QString value = first.toString();
    while (index + 1 < lines.size() && !lines[index + 1].trimmed().isEmpty() &&
           indentOf(lines[index + 1]) > keyIndent) {
        value += u'\n';
        value += withoutBlanks(lines[++index]);
    }
    return value;
}

} // namespace

QStringList steamLibraryFolders(const QString& vdfText) {
    const QStringList tokens = keyValueTokens(withoutByteOrderMark(vdfText));
    QStringList folders;
    QStringList open; // the keys of the blocks we are in
    QString key;
    for (const QString& token : tokens) {
        if (token == QLatin1String("{")) {
            open.append(key);
            key.clear();
        } else if (token == QLatin1String("}")) {
            if (!open.isEmpty()) {
                open.removeLast();
            }
            key.clear();
        } else if (key.isNull()) {
            key = token.isNull() ? QStringLiteral("") : token;
        } else {
            const bool inList =
                !open.isEmpty() && open.constFirst().compare(QLatin1String("libraryfolders"),
                                                             Qt::CaseInsensitive) == 0;
            if (inList && open.size() == 2 && isNumber(open[1]) &&
                key.compare(QLatin1String("path"), Qt::CaseInsensitive) == 0) {
                folders.append(token);
            } else if (inList && open.size() == 1 && isNumber(key)) {
                folders.append(token);
            }
            key.clear();
        }
    }
    return folders;
}

LutrisGame lutrisGame(const QString& yamlText) {
    const QList<QStringView> lines = withoutByteOrderMark(yamlText).split(u'\n');
    LutrisGame game;
    bool inGame = false;
    qsizetype childIndent = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (isBlank(line)) {
            continue;
        }
        const qsizetype indent = indentOf(line);
        const auto [key, rest] = yamlKey(line.mid(indent));
        if (indent == 0) {
            inGame = key == QLatin1String("game");
            childIndent = -1;
            if (inGame && rest.trimmed().startsWith(u'{')) {
                readFlowSection(foldedValue(lines, i, 0, rest), game);
                inGame = false;
            }
            continue;
        }
        if (!inGame || (childIndent >= 0 && indent != childIndent)) {
            continue; // another section, or a value nested deeper
        }
        childIndent = indent;
        if (key == QLatin1String("exe") || key == QLatin1String("prefix")) {
            const QString value = yamlScalar(foldedValue(lines, i, indent, rest), 0, false);
            if (!value.isNull()) {
                setLutrisValue(game, key, value);
            }
        }
    }
    return game;
}

} // namespace glimmbar
