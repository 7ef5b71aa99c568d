// Create Files from the click to the disk, one folder of tests/data/scriptgen/cases per case:
// input.txt holds what the naming and Options windows show (key=value, UTF-8), before/ the
// working folder before the run, after/ all of it after the run (missing: unchanged), and
// messages.txt every message shown, in order (icon, title and text, tab-separated). "{LF}" in
// input.txt is a line break.
#include "scriptgen/CreateCommand.h"

#include "RecordingSink.h"
#include "TestFolder.h"

#include <QRegularExpression>
#include <QTest>

using namespace glimmbar;

namespace {

const QString kCases = QStringLiteral(GLIMMBAR_TEST_DATA "/scriptgen/cases/");

QStringList fileLines(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
               : QStringList();
}

CreateSnapshot snapshotFrom(const QString& inputFile) {
    QMap<QString, QString> in;
    for (const QString& line : fileLines(inputFile)) {
        in.insert(line.section(QLatin1Char('='), 0, 0),
                  line.section(QLatin1Char('='), 1).replace(QLatin1String("{LF}"), "\n"));
    }
    Settings s = Settings::defaults();
    s.ScriptsDirName = in.value(QStringLiteral("dir"), QStringLiteral("game\\scripts\\"));
    s.LastModeUsedMEC = in.value(QStringLiteral("profession"));
    s.FollowOrBehind = in.value(QStringLiteral("follow")) == QLatin1String("1");
    const QStringList remembered = in.value(QStringLiteral("remember")).split(QLatin1Char(' '));
    for (const PetRole role : kAllRoles) {
        s.petName(role) = in.value(QLatin1String(roleKey(role)));
        s.remembers(role) = remembered.contains(QLatin1String(roleKey(role)));
    }
    for (const OptionsText& text : optionsTexts()) {
        s.*text.field = in.value(QLatin1String(text.boxName), s.*text.field);
    }
    PetSelection selection;
    selection.include.fill(true);
    const QStringList excluded = in.value(QStringLiteral("exclude")).split(QLatin1Char(' '));
    for (const PetType& type : petTypes()) {
        selection.include[petTypeIndex(type)] = !excluded.contains(QLatin1String(type.key));
    }
    return {s, selection};
}

} // namespace

class TestScriptWriter : public QObject {
    Q_OBJECT

private slots:
    void createFiles_data() {
        QTest::addColumn<QString>("dir");
        const QStringList cases = QDir(kCases).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(cases.size() > 40);
        for (const QString& name : cases) {
            QTest::newRow(qPrintable(name)) << kCases + name;
        }
    }

    // A second run with the same input gives the same files and the same messages.
    void createFiles() {
        QFETCH(QString, dir);
        TestFolder folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("game/scripts")));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("game/cd_image/text/help")));
        const QMap<QString, QByteArray> before = folderContents(dir + QStringLiteral("/before"));
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            folder.write(it.key(), it.value());
        }
        const QMap<QString, QByteArray> expected =
            QFileInfo::exists(dir + QStringLiteral("/after"))
                ? folderContents(dir + QStringLiteral("/after"))
                : before;
        const QStringList messages = fileLines(dir + QStringLiteral("/messages.txt"));
        const bool succeeds = !messages.isEmpty() && messages.last().startsWith("Information");
        const CreateSnapshot snapshot = snapshotFrom(dir + QStringLiteral("/input.txt"));
        for (int run = 1; run <= 2; ++run) {
            RecordingSink sink;
            QCOMPARE(runCreateFiles(snapshot, sink), succeeds);
            QStringList shown;
            for (const Message& m : sink.messages) {
                static const QStringList icons = {"Critical", "Information", "Exclamation"};
                shown.append(icons[static_cast<int>(m.icon)] + '\t' + m.title + '\t' + m.text);
            }
            QCOMPARE(shown.size(), messages.size());
            for (qsizetype i = 0; i < shown.size(); ++i) {
                // A "*" stands for the platform's own words: a path's separators, a reason.
                QStringList parts = messages[i].split(QLatin1Char('*'));
                for (QString& part : parts) {
                    part = QRegularExpression::escape(part);
                }
                const QRegularExpression pattern("\\A" + parts.join(".*") + "\\z");
                QVERIFY2(pattern.match(shown[i]).hasMatch(), qPrintable(shown[i]));
            }
            const QMap<QString, QByteArray> written = folderContents(folder.path());
            QCOMPARE(written.keys(), expected.keys());
            for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
                QVERIFY2(written.value(it.key()) == it.value(), qPrintable(it.key() + " differs"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestScriptWriter)
#include "test_scriptwriter.moc"
