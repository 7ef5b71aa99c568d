#include "GameFinder.h"

#include "FileLayer.h"
#include "GameFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace glimmbar {

namespace {

const QString kGameSubfolder = QStringLiteral("Funcom/Anarchy Online");
const QString kSteamGameSubfolder = QStringLiteral("steamapps/common/Anarchy Online");

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
            if ((flow && (text[i] == u',' || text[i] == u'}' || colonEnds)) ||
                (text[i] == u'#' && i > start && text[i - 1].isSpace())) {
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

// --- Folders looked up in any letter case, as Windows programs spell them under Wine. ---

// The entries of one folder; a single listing answers several names.
class Listing {
public:
    explicit Listing(const QString& folder)
        : m_folder(folder)
        , m_names(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                             QDir::NoDotAndDotDot,
                                         QDir::Unsorted)) {}

    // The path of the entry named `name` in any letter case, or an empty string. The exact
    // spelling wins; among others the first in sort order, so the answer never depends on the
    // order the disk keeps.
    QString find(QStringView name) const {
        QString other;
        for (const QString& entry : m_names) {
            if (entry == name) {
                return m_folder + QLatin1Char('/') + entry;
            }
            if (entry.compare(name, Qt::CaseInsensitive) == 0 &&
                (other.isEmpty() || entry < other)) {
                other = entry;
            }
        }
        return other.isEmpty() ? QString() : m_folder + QLatin1Char('/') + other;
    }

private:
    QString m_folder;
    QStringList m_names;
};

// The entry of `folder` named `name` in any letter case: one look-up when the spelling is
// exact, one listing otherwise.
QString childIgnoringCase(const QString& folder, QStringView name) {
    const QString exact = folder + QLatin1Char('/') + name.toString();
    return QFileInfo::exists(exact) ? exact : Listing(folder).find(name);
}

// The folder text the program stores, as a folder dialog would give it.
QString folderText(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

bool holdsGame(const QString& folder) {
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(kGameProgramName)).isFile()) {
        return true;
    }
    // QDir's name filters ignore letter case.
    return dir.exists() && !dir.entryList({kGameProgramName}, QDir::Files).isEmpty();
}

// "~" and "~/..." in a path a player or a program wrote.
QString withHome(const QString& path, const QString& home) {
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
        return home + path.mid(1);
    }
    return path;
}

class Search {
public:
    QList<GameInstall> found;

    // `path` with slashes; on Linux each part is also found in another letter case.
    void consider(const QString& path, const QString& where) {
        if (path.isEmpty()) {
            return;
        }
        const QString located = nativePath(path);
        if (!holdsGame(located)) {
            return;
        }
        const QString identity = QFileInfo(located).canonicalFilePath();
        if (m_seen.contains(identity)) {
            return;
        }
        m_seen.insert(identity);
        found.append({folderText(located), where});
    }

    // Steam's own library and every library it lists, each looked at once however many ways
    // lead to it: the game as a Steam game, and in every Proton prefix of the library.
    void steam(const QString& steamFolder) {
        if (steamFolder.isEmpty()) {
            return;
        }
        const QString root = QDir::fromNativeSeparators(steamFolder);
        if (!steamLibrary(root)) {
            return; // a Steam folder seen before, or none
        }
        QFile vdf(root + QStringLiteral("/steamapps/libraryfolders.vdf"));
        if (!vdf.open(QIODevice::ReadOnly)) {
            return;
        }
        for (const QString& library : steamLibraryFolders(QString::fromUtf8(vdf.readAll()))) {
            steamLibrary(QDir::fromNativeSeparators(library));
        }
    }

    // The installer's folders below a drive root.
    void installerFolders(const QString& root, const QString& programFiles,
                          const QString& programFiles86, const QString& where) {
        for (const QString& base : {root, programFiles, programFiles86}) {
            if (!base.isEmpty()) {
                consider(QDir::fromNativeSeparators(base) + QLatin1Char('/') + kGameSubfolder,
                         where);
            }
        }
    }

    // Every prefix below a folder of prefixes (Lutris's games, Bottles' bottles, ...).
    void prefixesIn(const QString& folder, const QString& where) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            winePrefix(dir.filePath(name), where);
        }
    }

    // The installer's folders in a Wine prefix's drive C:, in any letter case. A prefix
    // without the game costs one look-up and three listings at most.
    void winePrefix(const QString& prefix, const QString& where) {
        if (prefix.isEmpty()) {
            return;
        }
        const QString drive = childIgnoringCase(prefix, u"drive_c");
        if (drive.isEmpty()) {
            return;
        }
        const Listing driveC(drive);
        for (const QString& base :
             {drive, driveC.find(u"Program Files"), driveC.find(u"Program Files (x86)")}) {
            if (base.isEmpty()) {
                continue;
            }
            const QString funcom =
                base == drive ? driveC.find(u"Funcom") : Listing(base).find(u"Funcom");
            if (!funcom.isEmpty()) {
                consider(childIgnoringCase(funcom, u"Anarchy Online"), where);
            }
        }
    }

    // The games of every Lutris game file in a folder: where the program each starts lives,
    // and the usual places of its prefix.
    void lutrisGames(const QString& folder, const QString& home) {
        const QDir dir(folder);
        for (const QString& name :
             dir.entryList({QStringLiteral("*.yml")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            // A game file is a few hundred bytes; anything far larger is not one.
            if (file.size() > kLargestGameFile || !file.open(QIODevice::ReadOnly)) {
                continue;
            }
            const LutrisGame game = lutrisGame(QString::fromUtf8(file.readAll()));
            const QString prefix = withHome(game.prefix, home);
            QString exe = withHome(game.exe, home);
            if (!exe.isEmpty() && QDir::isRelativePath(exe) && QDir::isAbsolutePath(prefix)) {
                exe = prefix + QLatin1Char('/') + exe;
            }
            if (QDir::isAbsolutePath(exe)) {
                consider(QFileInfo(QDir::fromNativeSeparators(exe)).path(),
                         QStringLiteral("Lutris"));
            }
            if (QDir::isAbsolutePath(prefix)) {
                winePrefix(prefix, QStringLiteral("Lutris"));
            }
        }
    }

private:
    static constexpr qint64 kLargestGameFile = 1 << 20;

    // Looks at one Steam library unless it was looked at before; false when it was, or when
    // there is no such folder.
    bool steamLibrary(const QString& library) {
        const QString identity = QFileInfo(library).canonicalFilePath();
        if (identity.isEmpty() || m_libraries.contains(identity)) {
            return false;
        }
        m_libraries.insert(identity);
        consider(library + QLatin1Char('/') + kSteamGameSubfolder, QStringLiteral("Steam"));
        const QString compatdata = library + QStringLiteral("/steamapps/compatdata");
        const QDir prefixes(compatdata);
        for (const QString& name :
             prefixes.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            winePrefix(compatdata + QLatin1Char('/') + name + QStringLiteral("/pfx"),
                       QStringLiteral("Proton"));
        }
        return true;
    }

    QSet<QString> m_seen;
    QSet<QString> m_libraries;
};

#ifdef Q_OS_WIN
void registryPlaces(Search& search) {
    const QSettings steam(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"),
                          QSettings::NativeFormat);
    search.steam(steam.value(QStringLiteral("SteamPath")).toString());
    for (const char* key : {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                            "Uninstall",
                            "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\"
                            "CurrentVersion\\Uninstall",
                            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"
                            "Uninstall"}) {
        QSettings uninstall(QString::fromLatin1(key), QSettings::NativeFormat);
        for (const QString& entry : uninstall.childGroups()) {
            uninstall.beginGroup(entry);
            if (uninstall.value(QStringLiteral("DisplayName"))
                    .toString()
                    .contains(QStringLiteral("Anarchy Online"), Qt::CaseInsensitive)) {
                search.consider(uninstall.value(QStringLiteral("InstallLocation")).toString(),
                                QStringLiteral("Windows"));
            }
            uninstall.endGroup();
        }
    }
}
#endif

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

GameSearch gameSearchOfThisComputer() {
    GameSearch search;
    search.home = QDir::homePath();
    search.winePrefix = qEnvironmentVariable("WINEPREFIX");
    search.systemDrive = qEnvironmentVariable("SystemDrive", QStringLiteral("C:"));
    search.programFiles = qEnvironmentVariable("ProgramFiles", QStringLiteral("C:\\Program Files"));
    search.programFiles86 =
        qEnvironmentVariable("ProgramFiles(x86)", QStringLiteral("C:\\Program Files (x86)"));
#ifdef Q_OS_WIN
    search.readRegistry = true;
#endif
    return search;
}

QList<GameInstall> findGameInstalls(const GameSearch& search) {
    Search found;
#ifdef Q_OS_WIN
    if (search.readRegistry) {
        registryPlaces(found);
    }
    found.steam(search.programFiles86 + QStringLiteral("\\Steam"));
    found.installerFolders(search.systemDrive + QLatin1Char('\\'), search.programFiles,
                           search.programFiles86, QStringLiteral("Windows"));
#else
    if (!search.home.isEmpty()) {
        const QString home = search.home;
        const auto in = [&home](const char* place) {
            return home + QLatin1String(place);
        };
        for (const char* steam :
             {"/.local/share/Steam", "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
              "/snap/steam/common/.local/share/Steam", "/.steam/steam"}) {
            found.steam(in(steam));
        }
        const QString wine = QStringLiteral("Wine");
        found.winePrefix(withHome(search.winePrefix, home), wine);
        found.winePrefix(in("/.wine"), wine);
        const QString lutris = QStringLiteral("Lutris");
        found.prefixesIn(in("/Games"), lutris);
        for (const char* games : {"/.config/lutris/games", "/.local/share/lutris/games",
                                  "/.var/app/net.lutris.Lutris/config/lutris/games",
                                  "/.var/app/net.lutris.Lutris/data/lutris/games"}) {
            found.lutrisGames(in(games), home);
        }
        const QString bottles = QStringLiteral("Bottles");
        found.prefixesIn(in("/.local/share/bottles/bottles"), bottles);
        found.prefixesIn(in("/.var/app/com.usebottles.bottles/data/bottles/bottles"), bottles);
        found.prefixesIn(in("/.PlayOnLinux/wineprefix"), QStringLiteral("PlayOnLinux"));
        found.prefixesIn(in("/.cxoffice"), QStringLiteral("CrossOver"));
    }
#endif
    return found.found;
}

} // namespace glimmbar
