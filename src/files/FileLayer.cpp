#include "files/FileLayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <filesystem>
#include <system_error>

namespace glimmbar {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1. The five
// holes of Windows-1252 keep their own number. Hand-written rather than left to
// QStringConverter because not every Qt build carries the ICU codecs, and none of them keeps
// the holes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte for a character, or -1 when the code page has none.
int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return 0x80 + static_cast<int>(i);
        }
    }
    return -1;
}

// No file system takes a NUL character in a name; a hand-edited settings file can hold one.
bool isUsablePath(const QString& path) {
    return !path.contains(QChar(u'\0'));
}

QString fromStd(const std::error_code& ec) {
    return QString::fromLocal8Bit(ec.message());
}

std::filesystem::path fsPath(const QString& native) {
#ifdef Q_OS_WIN
    return std::filesystem::path(native.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(native).toStdString());
#endif
}

#ifndef Q_OS_WIN
// Whether a path starts with drive Z: ("Z:", "z:\...", "Z:/...").
bool startsWithDriveZ(const QString& path) {
    return path.size() >= 2 && path[1] == u':' && (path[0] == u'Z' || path[0] == u'z') &&
           (path.size() == 2 || path[2] == u'\\' || path[2] == u'/');
}

QString joined(const QString& folder, const QString& name) {
    if (folder.isEmpty()) {
        return name;
    }
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}
#endif

} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar((b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80u] : char16_t{b});
    }
    return text;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const int b = byteFor(c.unicode());
        *out++ = static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

QChar firstUnencodable(const QString& text) {
    for (const QChar c : text) {
        if (byteFor(c.unicode()) < 0) {
            return c;
        }
    }
    return {};
}

QString shownPath(const QString& gamePath) {
    return QDir::toNativeSeparators(QDir::cleanPath(nativePath(gamePath)));
}

QString nativePath(const QString& gamePath) {
#ifdef Q_OS_WIN
    return gamePath;
#else
    if (gamePath.isEmpty() || !isUsablePath(gamePath)) {
        return gamePath;
    }
    QString path = gamePath;
    // The Windows build under Wine stores Linux paths on drive Z:, Wine's name for "/".
    if (startsWithDriveZ(path)) {
        path = QStringLiteral("/") + path.mid(2);
    }
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    path = QDir::cleanPath(path);

    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // "a\..\Z:\x" cleans up to "Z:/x", a folder named "Z:" in the working folder. It keeps
    // "./" in front, so that the Linux path is never read as drive Z: when mapped again.
    QString resolved = absolute                 ? QStringLiteral("/")
                       : startsWithDriveZ(path) ? QStringLiteral(".")
                                                : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString exact = joined(resolved, part);
        if (part == QLatin1String("..") || QFileInfo::exists(exact)) {
            resolved = exact;
            continue;
        }
        const QString other =
            FolderListing(resolved.isEmpty() ? QStringLiteral(".") : resolved).find(part);
        if (other.isEmpty()) {
            // Nothing by that name: the rest of the path cannot exist either.
            return joined(resolved, parts.mid(i).join(QLatin1Char('/')));
        }
        resolved = joined(resolved, other);
    }
    return resolved;
#endif
}

FolderListing::FolderListing(const QString& folder)
    : m_names(QDir(folder).entryList(
          QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted)) {}

QString FolderListing::find(QStringView name) const {
    QString other;
    for (const QString& entry : m_names) {
        if (entry == name) {
            return entry;
        }
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (other.isEmpty() || entry < other)) {
            other = entry;
        }
    }
    return other;
}

bool fileExists(const QString& gamePath) {
    if (gamePath.isEmpty() || !isUsablePath(gamePath)) {
        return false;
    }
    const QFileInfo info(nativePath(gamePath));
    return info.exists() && info.isFile();
}

bool folderExists(const QString& gamePath) {
    if (gamePath.isEmpty() || !isUsablePath(gamePath)) {
        return false;
    }
    const QFileInfo info(nativePath(gamePath));
    return info.exists() && info.isDir();
}

namespace {

template <typename Make> FileResult makeFolder(const QString& gamePath, Make make) {
    if (!isUsablePath(gamePath)) {
        return {false, gamePath, QStringLiteral("The folder name holds a NUL character.")};
    }
    std::error_code ec;
    make(fsPath(nativePath(gamePath)), ec);
    return {!ec, gamePath, ec ? fromStd(ec) : QString()};
}

} // namespace

FileResult makeDirectory(const QString& gamePath) {
    return makeFolder(gamePath, [](const std::filesystem::path& path, std::error_code& ec) {
        std::filesystem::create_directory(path, ec);
    });
}

FileResult makeDirectories(const QString& gamePath) {
    return makeFolder(gamePath, [](const std::filesystem::path& path, std::error_code& ec) {
        std::filesystem::create_directories(path, ec);
    });
}

struct TextReader::Impl {
    QFile file;
};

TextReader::TextReader(const QString& gamePath)
    : m_impl(new Impl) {
    if (!isUsablePath(gamePath)) {
        return;
    }
    m_impl->file.setFileName(nativePath(gamePath));
    if (!m_impl->file.open(QIODevice::ReadOnly)) {
        m_impl->file.setFileName(QString());
    }
}

TextReader::~TextReader() {
    delete m_impl;
}

bool TextReader::isOpen() const {
    return m_impl->file.isOpen();
}

std::optional<QString> TextReader::readLine() {
    if (!isOpen() || m_impl->file.atEnd()) {
        return std::nullopt;
    }
    QByteArray line = m_impl->file.readLine();
    if (line.endsWith('\n')) {
        line.chop(line.endsWith("\r\n") ? 2 : 1);
    }
    return decodeWindows1252(line);
}

bool TextReader::skipLine() {
    return readLine().has_value();
}

QByteArray encodeLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

FileResult writeFileBytes(const QString& gamePath, const QByteArray& bytes) {
    if (!isUsablePath(gamePath)) {
        return {false, gamePath, QStringLiteral("The file name holds a NUL character.")};
    }
    QSaveFile file(nativePath(gamePath));
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, gamePath, file.errorString()};
    }
    // Writes are buffered, and Qt's commit() does not notice when the disk refuses the rest (a
    // full disk): it would put the cut-off file in place of the whole one. Flushed first, a
    // refusal stops the save with the file as it was.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, gamePath, reason};
    }
    if (!file.commit()) {
        return {false, gamePath, file.errorString()};
    }
    return {true, gamePath, {}};
}

FileResult writeTextLines(const QString& gamePath, const QStringList& lines) {
    return writeFileBytes(gamePath, encodeLines(lines));
}

} // namespace glimmbar
