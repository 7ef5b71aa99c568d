// glimmbar.cfg and petselect.cfg: each file in tests/data/scriptgen/settings is loaded into a
// record and saved again, and must give the bytes of its ".saved" twin.
#include "model/PetSelection.h"
#include "model/Settings.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

namespace {

const QString kData = QStringLiteral(GLIMMBAR_TEST_DATA "/scriptgen/settings/");

QByteArray data(const QString& name) {
    QFile file(kData + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing " + name.toUtf8());
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void loadThenSave_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : QDir(kData).entryList({"*.cfg", "*.sel"}, QDir::Files)) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    // What a reader leaves alone stays as the record held it before loading: here a ticked
    // follow box, an announcement, and every pet type but the 46th ticked.
    void loadThenSave() {
        QFETCH(QString, name);
        TestFolder folder;
        if (name.endsWith(QLatin1String(".sel"))) {
            folder.write(kPetSelectionFileName, data(name));
            PetSelection selection;
            selection.include.fill(true);
            selection.include[45] = false;
            QVERIFY(LoadPetSelection(selection));
            QVERIFY(SavePetSelection(selection));
            QCOMPARE(folder.read(kPetSelectionFileName), data(name + ".saved"));
        } else if (name.startsWith(QLatin1String("update"))) {
            // Only the given lines are rewritten; the rest go back as read, a short file's
            // missing lines as empty ones.
            folder.write(kSettingsFileName, data(name));
            Settings values;
            values.TitleString = QStringLiteral("Glimmbar Config File");
            values.Naming = QStringLiteral("names");
            values.FollowOrBehind = true;
            using F = SettingsField;
            QVERIFY(UpdateSettingsFile(values, {F::TitleString, F::Naming, F::FollowOrBehind}));
            QCOMPARE(folder.read(kSettingsFileName), data(name + ".updated"));
        } else {
            folder.write(kSettingsFileName, data(name));
            Settings s = Settings::defaults();
            s.FollowOrBehind = true;
            s.MPAttackAnnounce = QStringLiteral("kept");
            QVERIFY(LoadSettings(s));
            QVERIFY(SaveSettings(s));
            QCOMPARE(folder.read(kSettingsFileName), data(name + ".saved"));
            QCOMPARE(ReadScriptsDirName(), s.ScriptsDirName);
        }
    }

    void firstRunAndUnreadableFiles() {
        TestFolder folder;
        Settings s = Settings::defaults();
        PetSelection p;
        QVERIFY(!LoadSettings(s));
        QVERIFY(!LoadPetSelection(p));
        QCOMPARE(s, Settings::defaults());
        QCOMPARE(p, PetSelection{});
        QCOMPARE(ReadScriptsDirName(), QString());

        QVERIFY(CreateDefaultSettings());
        QVERIFY(CreateDefaultPetSelection(p));
        QCOMPARE(folder.read(kSettingsFileName), data("first-run.cfg.saved"));
        QCOMPARE(folder.read(kPetSelectionFileName), data("first-run.sel.saved"));
        Settings loaded;
        QVERIFY(LoadSettings(loaded));
        QCOMPARE(loaded, Settings::defaults());
        QCOMPARE(ReadScriptsDirName(), QStringLiteral("(None)"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
