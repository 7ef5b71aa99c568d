#include "files/FileLayer.h"

#include "TestFolder.h"

#ifndef Q_OS_WIN
#include <sys/resource.h>

#include <csignal>
#endif

using namespace glimmbar;

class TestFileLayer : public QObject {
    Q_OBJECT

private slots:
    // Qt's own complaints (a broken file name, say) are failures here.
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

    void theCodePage() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            all += static_cast<char>(b);
        }
        QCOMPARE(encodeWindows1252(decodeWindows1252(all)), all);
        QCOMPARE(decodeWindows1252("\x80\x81\x8a\x9f\xa0\xe9"),
                 QString::fromUtf16(u"\u20ac\u0081\u0160\u0178\u00a0\u00e9"));
        QCOMPARE(encodeWindows1252(QString::fromUtf16(u"\u2122a\u03a9")), QByteArray("\x99"
                                                                                     "a?"));
        QCOMPARE(firstUnencodable(QString::fromUtf16(u"ab\u4e2d\U0001F600")), QChar(0x4e2d));
        // C1 controls other than the five holes are taken by printable characters.
        QCOMPARE(firstUnencodable(QString(QChar(0x80))), QChar(0x80));
    }

    void readingLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("CR LF, LF, no end") << QByteArray("a\r\nb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("CR alone inside a line") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << QStringList{QString("a%1b").arg(QChar(0))};
    }
    void readingLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestFolder folder;
        folder.write("f.txt", bytes);
        TextReader reader("f.txt");
        QStringList read;
        while (const std::optional<QString> line = reader.readLine()) {
            read.append(*line);
        }
        QCOMPARE(read, lines);
    }

    void writing() {
        TestFolder folder;
        QVERIFY(!TextReader("missing.txt").isOpen());
        QVERIFY(writeTextLines("out.txt", {"one", "", QString::fromUtf16(u"\u20ac")}));
        QCOMPARE(folder.read("out.txt"), QByteArray("one\r\n\r\n\x80\r\n"));
        QVERIFY(writeTextLines("out.txt", {"x"}));
        // A folder in the way: the save fails whole, with a reason and no temporary file.
        QVERIFY(QDir(folder.path()).mkdir("blocked.cfg"));
        const FileResult result = writeTextLines("blocked.cfg", {"x"});
        QVERIFY(!result);
        QCOMPARE(result.fileName, "blocked.cfg");
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"out.txt"}));
        // A NUL from a hand-edited settings file names nothing, and says so without a fuss.
        const QString withNul = QString("out.txt%1x").arg(QChar(0));
        QCOMPARE(nativePath(withNul), withNul);
        QVERIFY(!fileExists(withNul));
        QVERIFY(!folderExists(withNul));
        QVERIFY(!TextReader(withNul).isOpen());
        QVERIFY(!writeTextLines(withNul, {"x"}));
        QVERIFY(!makeDirectory(withNul));
        // Only one folder level is made.
        QVERIFY(makeDirectory("scripts\\"));
        QVERIFY(makeDirectory("scripts"));
        QVERIFY(folderExists("scripts"));
        QVERIFY(!makeDirectory("a\\b\\c"));
    }

    // A disk that fills up while the file is written: the save fails whole, the file keeps
    // what it held and no temporary file is left. A file-size limit stands in for the full disk.
    void aDiskThatFillsUpFailsTheSave() {
#ifdef Q_OS_WIN
        QSKIP("the file-size limit that stands in for a full disk is POSIX's");
#else
        TestFolder folder;
        folder.write("out.txt", "kept");
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 8;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const FileResult result = writeTextLines("out.txt", {"more than eight bytes"});
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!result);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(folder.read("out.txt"), QByteArray("kept"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"out.txt"}));
#endif
    }

    // tests/data/paths/mapping.txt: game paths as Windows and Wine players store them.
    void gamePaths_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("native");
        QTest::addColumn<QString>("found");
        for (const QStringList& cells : dataTable("paths/mapping.txt", " | ")) {
            QTest::newRow(qPrintable("stored as \"" + cells[0] + '"'))
                << cells[0] << cells[1] << cells[2];
        }
    }
    void gamePaths() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads game paths itself");
#endif
        QFETCH(QString, stored);
        QFETCH(QString, native);
        QFETCH(QString, found);
        TestFolder folder;
        folder.write("Anarchy Online/Anarchy.exe", "MZ");
        QVERIFY(QDir(folder.path()).mkpath("Anarchy Online/scripts"));
        const QString root = folder.path();
        const auto inFolder = [&](QString path) {
            return path.replace("ROOTW", QString(root).replace('/', '\\')).replace("ROOT", root);
        };
        QCOMPARE(nativePath(inFolder(stored)), inFolder(native));
        QCOMPARE(fileExists(inFolder(stored)), found == "file");
        QCOMPARE(folderExists(inFolder(stored)), found == "folder");
    }
};

QTEST_GUILESS_MAIN(TestFileLayer)
#include "test_filelayer.moc"
