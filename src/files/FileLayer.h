// The one way the program reads and writes files.
//
// Every file Glimmbar touches is single-byte Windows-1252 text with CR LF line ends, because
// that is what the game reads on every platform. Paths are kept the way the game and the
// settings file spell them (Windows style, "C:\Games\AO\scripts\"); only this layer turns them
// into something the running platform can open.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace glimmbar {

// Windows-1252, lossless for all 256 byte values: the five bytes 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the code points of the same number, so reading a
// file and writing it back gives the same bytes.
QString decodeWindows1252(const QByteArray& bytes);
// Characters that have no byte in the code page are written as '?'; look for them with
// firstUnencodable() first where that would be wrong.
QByteArray encodeWindows1252(const QString& text);
// The first character that has no byte in the code page, or a null QChar.
QChar firstUnencodable(const QString& text);

// Maps a game path (Windows-style text, or a bare file name taken from the working folder)
// to a path the platform can open. On Windows the text is used as it is. Elsewhere
// backslashes become slashes, "." and ".." and doubled separators are resolved as Windows
// resolves them (lexically, so "scripts\..\anarchy.exe" works with no scripts folder), and a
// component missing in the exact spelling is looked up ignoring letter case, since a game
// installed under Wine keeps its installer's capitalisation. A path on drive Z: (written by
// the Windows build running under Wine) is the Linux path it names; other drive letters are
// kept as they are.
QString nativePath(const QString& gamePath);

// The entries of one folder, for names a Windows program may spell in another letter case
// than the disk does; one listing answers several names.
class FolderListing {
public:
    explicit FolderListing(const QString& folder);
    // The entry named `name` in any letter case, or an empty string. The exact spelling wins;
    // among others the first in sort order, so the answer never depends on the order the disk
    // keeps.
    QString find(QStringView name) const;

private:
    QStringList m_names;
};

// A game path the way the player's file manager shows it: the platform's own path, without
// the doubled separator or the climb through "..".
QString shownPath(const QString& gamePath);

// Whether a file / a folder exists at a game path. Never fails: whatever cannot be tested
// counts as absent.
bool fileExists(const QString& gamePath);
bool folderExists(const QString& gamePath);

// How a write, or the making of a folder, went: on failure the path and the system's words.
struct FileResult {
    bool ok = true;
    QString fileName; // the game path that was written or made
    QString reason;   // the system's words when !ok

    explicit operator bool() const { return ok; }
};

// Creates one folder (its parent must exist); an existing folder counts as made.
FileResult makeDirectory(const QString& gamePath);
// Creates a folder and every missing folder above it.
FileResult makeDirectories(const QString& gamePath);

// Reads a text file line by line, the way the settings readers walk through their files.
class TextReader {
public:
    explicit TextReader(const QString& gamePath);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    bool isOpen() const;
    // The next line without its CR LF (or lone LF); nullopt at the end of the file.
    std::optional<QString> readLine();
    // Skips one line; false at the end of the file.
    bool skipLine();

private:
    struct Impl;
    Impl* m_impl;
};

// The bytes a list of lines is stored as: each line in Windows-1252, followed by CR LF.
QByteArray encodeLines(const QStringList& lines);

// Writes the lines whole, each followed by CR LF. The save is atomic: until it succeeds
// the previous file stays as it was, so a crash or a full disk never leaves half a file.
FileResult writeTextLines(const QString& gamePath, const QStringList& lines);
FileResult writeFileBytes(const QString& gamePath, const QByteArray& bytes);

} // namespace glimmbar
