#include "model/FileLayer.h"

#include "TestFolder.h"

#include <QTest>

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
        QCOMPARE(firstUnencodable(QString::fromUtf16(u"ab\u4e2dc")), QChar(0x4e2d));
        // C1 controls other than the five holes are taken by printable characters.
        QVERIFY(!canEncodeWindows1252(QString(QChar(0x80))));
        QVERIFY(!canEncodeWindows1252(QString::fromUtf16(u"\U0001F600")));
    }

    void readingLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("CR LF, LF, none") << QByteArray("a\r\nb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("blank lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("NUL") << QByteArray("a\0b\r\n", 5)
                             << QStringList{QString("a%1b").arg(QChar(0))};
    }
    void readingLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestFolder folder;
        folder.write("f.txt", bytes);
        QCOMPARE(readTextLines("f.txt").value_or(QStringList{"unread"}), lines);
        QVERIFY(!readTextLines("missing.txt").has_value());
        QVERIFY(!TextReader("missing.txt").isOpen());
    }

    void writing() {
        TestFolder folder;
        QVERIFY(writeTextLines("out.txt", {"one", "", QString::fromUtf16(u"\u20ac")}));
        QVERIFY(writeTextLines("out.txt", {"one", "x"}));
        QCOMPARE(folder.read("out.txt"), QByteArray("one\r\nx\r\n"));
        // A folder in the way: the save fails whole, with a reason and no temporary file.
        QVERIFY(QDir(folder.path()).mkdir("blocked.cfg"));
        const WriteResult result = writeTextLines("blocked.cfg", {"x"});
        QVERIFY(!result && result.fileName == "blocked.cfg" && !result.reason.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"out.txt"});
        QVERIFY(!writeTextLines("nowhere/x.cfg", {"x"}).reason.isEmpty());
        // A NUL from a hand-edited settings file names nothing, and says so without a fuss.
        const QString withNul = QString("out.txt%1x").arg(QChar(0));
        QVERIFY(!FExists(withNul) && !DirExists(withNul) && !TextReader(withNul).isOpen());
        QVERIFY(!writeTextLines(withNul, {"x"}) && !makeDirectory(withNul).isEmpty());
        QVERIFY(!FExists(QString(5000, 'x')));
        // Only one folder level is made.
        QCOMPARE(makeDirectory("scripts\\"), QString());
        QCOMPARE(makeDirectory("scripts"), QString());
        QVERIFY(DirExists("scripts") && !makeDirectory("a\\b\\c").isEmpty());
    }

    // tests/data/paths/mapping.txt: game paths as Windows and Wine players store them.
    void gamePaths() {
        TestFolder folder;
        folder.write("Anarchy Online/Anarchy.exe", "MZ");
        QVERIFY(QDir(folder.path()).mkpath("Anarchy Online/scripts"));
        const auto table = readTextLines(GLIMMBAR_TEST_DATA "/paths/mapping.txt");
        QVERIFY(table.has_value());
        for (QString line : *table) {
            if (line.startsWith('#')) {
                continue;
            }
            const QString root = QDir::toNativeSeparators(folder.path());
            const QStringList cells = line.replace("ROOTW", QString(root).replace('/', '\\'))
                                          .replace("ROOT", root)
                                          .split(" | ");
            QCOMPARE(cells.size(), 3);
            const QString& path = cells[0];
#ifdef Q_OS_WIN
            // Windows reads the text itself.
            QCOMPARE(nativePath(path), path);
            if (path.contains(':') || path.contains("scripts..")) {
                continue;
            }
#else
            QCOMPARE(nativePath(path), cells[1]);
#endif
            QVERIFY2(FExists(path) == (cells[2] == "file"), qPrintable(path));
            QVERIFY2(DirExists(path) == (cells[2] == "folder"), qPrintable(path));
        }
    }
};

QTEST_GUILESS_MAIN(TestFileLayer)
#include "test_filelayer.moc"
