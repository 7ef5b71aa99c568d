// Create Files from the click to the disk, one folder of tests/data/scriptgen/cases per case:
// input.txt holds what the naming and Options windows show (key=value, UTF-8), before/ the
// working folder before the run, after/ all of it after the run (missing: unchanged), and
// messages.txt every message shown, in order (icon, title and text, tab-separated). In input.txt
// "{n}" is the character with code n: "{10}" a line break, "{16}" the start of a colour code.
#include "model/Options.h"
#include "scriptgen/CreateCommand.h"

#include "RecordingSink.h"
#include "TestFolder.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace glimmbar;

namespace {

const QString kCases = QStringLiteral(GLIMMBAR_TEST_DATA "/scriptgen/cases/");

CreateSnapshot snapshotFrom(const QString& inputFile) {
    QMap<QString, QString> in;
    for (const QString& line : dataLines(inputFile)) {
        in.insert(line.section(QLatin1Char('='), 0, 0),
                  unescaped(line.section(QLatin1Char('='), 1)));
    }
    Settings s = Settings::defaults();
    s.ScriptsDirName = in.value("dir", "game\\scripts\\");
    s.LastModeUsedMEC = in.value("profession");
    s.FollowOrBehind = in.value("follow") == "1";
    for (const PetRole role : kAllRoles) {
        s.petName(role) = in.value(QLatin1String(roleKey(role)));
        s.remembers(role) = in.value("remember").split(' ').contains(QLatin1String(roleKey(role)));
    }
    for (const OptionsText& text : optionsTexts()) {
        s.*text.field = in.value(text.boxName, s.*text.field);
    }
    PetSelection selection;
    selection.include.assign(selection.include.size(), true);
    for (const PetType& type : petTypes()) {
        selection.include[petTypeIndex(type)] =
            !in.value("exclude").split(' ').contains(type.key());
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
        const QMap<QString, QByteArray> before = folderContents(dir + "/before");
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            folder.write(it.key(), it.value());
        }
        const auto expected =
            QFileInfo::exists(dir + "/after") ? folderContents(dir + "/after") : before;
        const QStringList messages = dataLines(dir + "/messages.txt");
        const CreateSnapshot snapshot = snapshotFrom(dir + "/input.txt");
        const bool created = messages.value(messages.size() - 1).startsWith("Info");
        // A run that stops after saving glimmbar.cfg must say so: the naming window's record
        // follows what the file holds.
        const bool settingsSaved =
            created || expected.value("glimmbar.cfg") != before.value("glimmbar.cfg");
        for (int run = 1; run <= 2; ++run) {
            RecordingSink sink;
            const CreateResult result = runCreateFiles(snapshot, sink);
            QCOMPARE(result.created, created);
            QCOMPARE(result.settingsSaved, settingsSaved);
            QStringList shown;
            for (const Message& m : sink.messages) {
                static const QStringList icons = {"Critical", "Information", "Exclamation"};
                shown.append(icons[static_cast<int>(m.icon)] + '\t' + m.title + '\t' + m.text);
            }
            // A "*" in a stored message stands for the platform's own words (separators, reasons).
            for (qsizetype i = 0; i < std::max(shown.size(), messages.size()); ++i) {
                const QRegularExpression pattern(
                    "\\A" + QRegularExpression::escape(messages.value(i)).replace("\\*", ".*") +
                    "\\z");
                QVERIFY2(pattern.match(shown.value(i)).hasMatch(), qPrintable(shown.value(i)));
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
