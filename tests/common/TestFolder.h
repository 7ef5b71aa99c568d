// A fresh temporary folder that is the working folder for the life of the object, so tests
// never touch the developer's own glimmbar.cfg.
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestFolder {
public:
    TestFolder()
        : m_previous(QDir::currentPath()) {
        QVERIFY2(m_dir.isValid(), "cannot make a temporary folder");
        QDir::setCurrent(m_dir.path());
    }
    ~TestFolder() { QDir::setCurrent(m_previous); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes raw bytes, creating the folders on the way.
    void write(const QString& name, const QByteArray& bytes) const {
        const QString full = filePath(name);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    QByteArray read(const QString& name) const {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool exists(const QString& name) const { return QFileInfo::exists(filePath(name)); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

// A test's data file: a path below tests/data, or an absolute one.
inline QString dataPath(const QString& path) {
    return QDir(QStringLiteral(GLIMMBAR_TEST_DATA)).filePath(path);
}

inline QByteArray dataBytes(const QString& path) {
    QFile file(dataPath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "missing " + path.toUtf8();
}

// Its lines (UTF-8, LF or CR LF), empty ones left out.
inline QStringList dataLines(const QString& path) {
    return QString::fromUtf8(dataBytes(path).replace("\r\n", "\n")).split('\n', Qt::SkipEmptyParts);
}

// The rows of a data file whose fields are separated by `separator`, comment lines ("#") left out.
inline QList<QStringList> dataTable(const QString& path,
                                    const QString& separator = QStringLiteral("|")) {
    QList<QStringList> rows;
    for (const QString& line : dataLines(path)) {
        if (!line.startsWith(QLatin1Char('#'))) {
            rows.append(line.split(separator));
        }
    }
    return rows;
}

// A text as test data writes it: {n} is the character with code n (a colour code is {16}{13},
// a line break {10}).
inline QString unescaped(QString text) {
    static const QRegularExpression escape(QStringLiteral("\\{(\\d+)\\}"));
    for (QRegularExpressionMatch m; (m = escape.match(text)).hasMatch();) {
        text.replace(m.capturedStart(), m.capturedLength(), QChar(m.captured(1).toInt()));
    }
    return text;
}

// Every file below a folder with its bytes, keyed by its path inside the folder: what a run
// wrote, or proof that a refused one wrote nothing.
inline QMap<QString, QByteArray> folderContents(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(QDir(root).relativeFilePath(file.fileName()),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable"));
    }
    return files;
}

// A game folder below the test folder (anarchy.exe, scripts and help folders) and the text
// line 3 of glimmbar.cfg holds for it, as the program stores a chosen folder.
inline QString makeGameFolder(const TestFolder& folder, const QString& name = "game") {
    folder.write(name + "/anarchy.exe", "MZ");
    QDir(folder.path()).mkpath(name + "/scripts");
    QDir(folder.path()).mkpath(name + "/cd_image/text/help");
    return QDir::toNativeSeparators(folder.filePath(name)) + "\\scripts\\";
}
