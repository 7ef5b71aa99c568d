#include "model/FileLayer.h"
#include "model/GameFinder.h"

#include "TestFolder.h"

#include <QElapsedTimer>
#include <QTest>

using namespace glimmbar;

class TestGameFinder : public QObject {
    Q_OBJECT

private slots:
    // Each case file of tests/data/finder builds a fake home (see its README).
    void findsTheInstallations_data() {
        QTest::addColumn<QString>("file");
        for (const QString& name : QDir(GLIMMBAR_TEST_DATA "/finder").entryList({"*.txt"})) {
            QTest::newRow(qPrintable(name)) << QString(GLIMMBAR_TEST_DATA "/finder/" + name);
        }
    }
    void findsTheInstallations() {
        QFETCH(QString, file);
#ifdef Q_OS_WIN
        QSKIP("the places looked at on Windows are the registry and the drive's own folders");
#endif
        TestFolder home;
        const QString root = QDir(home.path()).canonicalPath();
        GameSearch search;
        search.home = root;
        QList<GameInstall> expected;
        auto put = [&](QString text) {
            return text.replace("HOME", root);
        };
        const auto lines = readTextLines(file);
        QVERIFY(lines.has_value());
        for (qsizetype i = 0; i < lines->size(); ++i) {
            const QString& line = lines->at(i);
            const QString word = line.section(' ', 0, 0);
            const QString rest = line.section(' ', 1);
            if (word == "make") {
                home.write(rest, "");
            } else if (word == "many") {
                for (int n = rest.section(' ', 0, 0).toInt(); n > 0; --n) {
                    home.write(rest.section(' ', 1) + "/" + QString::number(n), "");
                }
            } else if (word == "link") {
                QDir(root).mkpath(QFileInfo(rest.section(" -> ", 0, 0)).path());
                QVERIFY(QFile::link(root + "/" + rest.section(" -> ", 1),
                                    root + "/" + rest.section(" -> ", 0, 0)));
            } else if (word == "env") {
                QCOMPARE(rest.section(' ', 0, 0), QString("WINEPREFIX"));
                search.winePrefix = put(rest.section(' ', 1));
            } else if (word == "file") {
                QByteArray content;
                while (lines->at(++i) != "end") {
                    content += put(lines->at(i)).toUtf8() + "\n";
                }
                home.write(rest, content);
            } else if (word == "expect") {
                expected.append({root + "/" + rest.section(' ', 1), rest.section(' ', 0, 0)});
            }
        }
        QElapsedTimer clock;
        clock.start();
        const QList<GameInstall> found = findGameInstalls(search);
        qInfo("searched in %lld ms", static_cast<long long>(clock.elapsed()));
        QCOMPARE(found, expected);
    }

    // A library list written on Windows doubles its backslashes.
    void windowsLibraryFolders() {
        const QString vdf = "\"libraryfolders\" { \"0\" { \"path\" \"C:\\\\Program Files "
                            "(x86)\\\\Steam\" } \"1\" { \"path\" \"D:\\\\Steam \\\"Lib\\\"\" } }";
        QCOMPARE(steamLibraryFolders(vdf),
                 QStringList({"C:\\Program Files (x86)\\Steam", "D:\\Steam \"Lib\""}));
    }
};

QTEST_GUILESS_MAIN(TestGameFinder)
#include "test_gamefinder.moc"
