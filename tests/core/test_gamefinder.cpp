#include "files/FileLayer.h"
#include "finder/GameFinder.h"

#include "TestFolder.h"

#include <QSysInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace glimmbar;

class TestGameFinder : public QObject {
    Q_OBJECT

private slots:
    // Each case file of tests/data/finder builds a fake home (see its README).
    void findsTheInstallations_data() {
        QTest::addColumn<QString>("file");
        for (const QString& name : QDir(dataPath("finder")).entryList({"*.txt"})) {
            QTest::newRow(qPrintable(name)) << dataPath("finder/" + name);
        }
    }
    void findsTheInstallations() {
        QFETCH(QString, file);
        TestFolder home;
        const QString root = QDir(home.path()).canonicalPath();
        QStringList lines = dataLines(file).replaceInStrings("HOME", root);
        // Set by tests/core/finder_registry.cmake, which writes the entries the case reads.
        const QString registryGames = qEnvironmentVariable("GLIMMBAR_REGISTRY_GAMES");
        if (lines.contains("registry") && registryGames.isEmpty()) {
            QSKIP("registry entries are written only into the Wine prefix of the Windows tests");
        }
        lines.replaceInStrings("REGISTRY", registryGames);
        if (lines.contains("windows") != (QSysInfo::productType() == "windows")) {
            QSKIP("a case for the other platform's places");
        }
        GameSearch search{root, {}, {}, {}, {}, false};
        QList<GameInstall> expected;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString word = lines[i].section(' ', 0, 0);
            const QString rest = lines[i].section(' ', 1);
            const QString last = rest.section(' ', 1);
            if (word == "make") {
                home.write(rest, "");
            } else if (word == "many") {
                for (int n = rest.section(' ', 0, 0).toInt(); n > 0; --n) {
                    home.write(last + "/" + QString::number(n), "");
                }
            } else if (word == "grow") {
                QFile grown(home.filePath(last));
                QVERIFY(grown.open(QIODevice::Append));
                grown.write("#" + QByteArray(rest.section(' ', 0, 0).toInt(), 'x'));
            } else if (word == "link") {
                QVERIFY(QFile::link(root + "/" + rest.section(" -> ", 1),
                                    home.filePath(rest.section(" -> ", 0, 0))));
            } else if (word == "zero" || word == "pipe") {
#ifndef Q_OS_WIN
                QVERIFY(QDir().mkpath(QFileInfo(home.filePath(rest)).path()));
                const QByteArray path = QFile::encodeName(home.filePath(rest));
                QVERIFY(word == "zero" ? QFile::link("/dev/zero", home.filePath(rest))
                                       : mkfifo(path.constData(), 0600) == 0);
#endif
            } else if (word == "windows") {
                search = {
                    {}, {}, root + "/C", root + "/Program Files", root + "/Program Files (x86)"};
            } else if (word == "registry") {
                search.readRegistry = true;
            } else if (word == "env") {
                search.winePrefix = last;
            } else if (word == "file") {
                QByteArray content;
                while (lines[++i] != "end") {
                    content += lines[i].toUtf8() + "\n";
                }
                content.replace("<BOM>", "\xEF\xBB\xBF").replace("<EOF>\n", "");
                home.write(rest, content);
            } else if (word == "expect") {
                const QString folder = QDir::isAbsolutePath(last) ? last : root + "/" + last;
                expected.append({QDir::toNativeSeparators(folder), rest.section(' ', 0, 0)});
            }
        }
        QCOMPARE(findGameInstalls(search), expected);
    }
};

QTEST_GUILESS_MAIN(TestGameFinder)
#include "test_gamefinder.moc"
