#include "model/FileLayer.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

class TestFileLayer : public QObject {
    Q_OBJECT

private slots:
    // Qt's own complaints (a broken file name, say) are failures here.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void everyByteSurvivesDecodeAndEncode() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            all += static_cast<char>(b);
        }
        const QString text = decodeWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(encodeWindows1252(text), all);
        QVERIFY(canEncodeWindows1252(text));
    }

    void codePageCharacters() {
        const QString text = decodeWindows1252("\x80\x81\x8a\x9f\xa0\xe9");
        QCOMPARE(text, QString::fromUtf16(u"\u20ac\u0081\u0160\u0178\u00a0\u00e9"));
        QCOMPARE(encodeWindows1252(QString::fromUtf16(u"\u2122")), QByteArray("\x99"));
    }

    void charactersOutsideTheCodePage() {
        QVERIFY(!canEncodeWindows1252(QString::fromUtf16(u"Zh\u03a9k")));
        QCOMPARE(firstUnencodable(QString::fromUtf16(u"ab\u4e2dc")), QChar(0x4e2d));
        QVERIFY(!canEncodeWindows1252(QString::fromUtf16(u"\U0001F600")));
        // C1 controls other than the five holes are taken by printable characters.
        QVERIFY(!canEncodeWindows1252(QString(QChar(0x80))));
        QCOMPARE(encodeWindows1252(QString::fromUtf16(u"a\u03a9")), QByteArray("a?"));
    }

    void readingLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("no end on last line") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("blank lines kept")
            << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("lone CR stays in the line") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("NUL byte") << QByteArray("a\0b\r\n", 5)
                                  << QStringList{QString::fromUtf16(u"a\u0000b", 3)};
    }
    void readingLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestFolder folder;
        folder.write(QStringLiteral("f.txt"), bytes);
        const auto read = readTextLines(QStringLiteral("f.txt"));
        QVERIFY(read.has_value());
        QCOMPARE(*read, lines);
    }

    void readingAMissingFile() {
        TestFolder folder;
        QVERIFY(!readTextLines(QStringLiteral("missing.txt")).has_value());
        TextReader reader(QStringLiteral("missing.txt"));
        QVERIFY(!reader.isOpen());
        QVERIFY(!reader.readLine().has_value());
        QVERIFY(!reader.skipLine());
    }

    void writingEndsEveryLineWithCrLf() {
        TestFolder folder;
        QVERIFY(writeTextLines(QStringLiteral("out.txt"),
                               {QStringLiteral("one"), QString(), QString::fromUtf16(u"\u20ac")}));
        QCOMPARE(folder.read(QStringLiteral("out.txt")), QByteArray("one\r\n\r\n\x80\r\n"));
        // Rewritten whole, not appended to.
        QVERIFY(writeTextLines(QStringLiteral("out.txt"), {QStringLiteral("x")}));
        QCOMPARE(folder.read(QStringLiteral("out.txt")), QByteArray("x\r\n"));
    }

    void aFailedSaveLeavesTheOldFileWhole() {
        TestFolder folder;
        // A folder in the way of the file: the save cannot replace it, even as root.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("blocked.cfg")));
        const WriteResult result = writeTextLines(QStringLiteral("blocked.cfg"), {"x"});
        QVERIFY(!result);
        QCOMPARE(result.fileName, QStringLiteral("blocked.cfg"));
        QVERIFY(!result.reason.isEmpty());
        // No temporary file is left behind.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());

        const WriteResult noFolder = writeTextLines(QStringLiteral("nowhere/x.cfg"), {"x"});
        QVERIFY(!noFolder);
        QVERIFY(!noFolder.reason.isEmpty());
    }

    void existenceNeverFails() {
        TestFolder folder;
        folder.write(QStringLiteral("file.txt"), "x");
        QVERIFY(FExists(QStringLiteral("file.txt")));
        QVERIFY(!DirExists(QStringLiteral("file.txt")));
        QVERIFY(!FExists(QStringLiteral(".")));
        QVERIFY(DirExists(QStringLiteral(".")));
        QVERIFY(!FExists(QString()));
        QVERIFY(!DirExists(QString()));
        QVERIFY(!FExists(QStringLiteral("file.txt\\deeper")));
        QVERIFY(!FExists(QString(5000, QLatin1Char('x'))));
        // A NUL from a hand-edited settings file names nothing, and says so without a fuss.
        const QString withNul = QStringLiteral("file.txt") + QChar(u'\0') + QStringLiteral("x");
        QVERIFY(!FExists(withNul));
        QVERIFY(!DirExists(withNul));
        QVERIFY(!TextReader(withNul).isOpen());
        QVERIFY(!writeTextLines(withNul, {QStringLiteral("x")}));
        QVERIFY(!makeDirectory(withNul).isEmpty());
    }

    void makingAFolder() {
        TestFolder folder;
        QCOMPARE(makeDirectory(QStringLiteral("scripts\\")), QString());
        QVERIFY(DirExists(QStringLiteral("scripts")));
        QCOMPARE(makeDirectory(QStringLiteral("scripts")), QString()); // already there
        QVERIFY(!makeDirectory(QStringLiteral("a\\b\\c")).isEmpty());
    }

#ifndef Q_OS_WIN
    // Game paths are Windows texts; elsewhere they are mapped the way Windows would read them.
    void gamePathsMapToThePlatform() {
        TestFolder folder;
        const QString root = folder.path();
        folder.write(QStringLiteral("Anarchy Online/Anarchy.exe"), "game");
        QDir(root).mkpath(QStringLiteral("Anarchy Online/scripts"));
        const QString game = QDir::toNativeSeparators(root).replace(QLatin1Char('/'), '\\');
        const QString expected = root + QStringLiteral("/Anarchy Online/Anarchy.exe");

        QCOMPARE(nativePath(game + QStringLiteral("\\Anarchy Online\\scripts\\..\\anarchy.exe")),
                 expected);
        QCOMPARE(nativePath(game + QStringLiteral("\\anarchy online\\\\.\\ANARCHY.EXE")), expected);
        // No scripts folder: ".." is resolved on the text, as Windows does.
        QCOMPARE(nativePath(game + QStringLiteral("\\Anarchy Online\\gone\\..\\anarchy.exe")),
                 expected);
        QVERIFY(FExists(game + QStringLiteral("\\ANARCHY ONLINE\\scripts\\..\\anarchy.exe")));
        QVERIFY(DirExists(game + QStringLiteral("\\anarchy online\\SCRIPTS\\")));
        // A path without its closing backslash names nothing.
        QVERIFY(!FExists(game + QStringLiteral("\\Anarchy Online\\scripts..\\anarchy.exe")));
        // Relative paths start at the working folder.
        QCOMPARE(nativePath(QStringLiteral("ANARCHY ONLINE\\scripts\\")),
                 QStringLiteral("Anarchy Online/scripts"));
        // What does not exist keeps its spelling.
        QCOMPARE(nativePath(QStringLiteral("Anarchy Online\\New\\Sub")),
                 QStringLiteral("Anarchy Online/New/Sub"));
    }
#else
    // On Windows a game path is already a native path: the text goes to the file API as it
    // is, and Windows itself resolves backslashes, "..", and letter case.
    void gamePathsGoToWindowsAsTheyAre() {
        TestFolder folder;
        folder.write(QStringLiteral("Anarchy Online/Anarchy.exe"), "game");
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Anarchy Online/scripts")));
        const QString game = QDir::toNativeSeparators(folder.path());

        for (const QString& text : {game + QStringLiteral("\\anarchy online\\\\.\\ANARCHY.EXE"),
                                    QStringLiteral("ANARCHY ONLINE\\scripts\\"),
                                    QStringLiteral("Anarchy Online/New\\Sub")}) {
            QCOMPARE(nativePath(text), text);
        }
        QVERIFY(FExists(game + QStringLiteral("\\ANARCHY ONLINE\\scripts\\..\\anarchy.exe")));
        // No scripts folder: ".." is still resolved on the text.
        QVERIFY(FExists(game + QStringLiteral("\\Anarchy Online\\gone\\..\\anarchy.exe")));
        QVERIFY(DirExists(game + QStringLiteral("\\anarchy online\\SCRIPTS\\")));
        QVERIFY(FExists(QStringLiteral("anarchy online\\anarchy.exe")));

        // Scripts written through another spelling land in the game's own folder.
        QVERIFY(writeTextLines(QStringLiteral("anarchy online\\SCRIPTS\\petattack"),
                               {QStringLiteral("/pet attack")}));
        QCOMPARE(folder.read(QStringLiteral("Anarchy Online/scripts/petattack")),
                 QByteArray("/pet attack\r\n"));
        const auto lines =
            readTextLines(game + QStringLiteral("\\ANARCHY ONLINE\\Scripts\\PetAttack"));
        QVERIFY(lines.has_value());
        QCOMPARE(*lines, QStringList{QStringLiteral("/pet attack")});
    }
#endif
};

QTEST_GUILESS_MAIN(TestFileLayer)
#include "test_filelayer.moc"
