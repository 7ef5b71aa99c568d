// glimmbar.cfg and petselect.cfg: each file in tests/data/model/settings is loaded into a
// record and saved again, and must give the bytes of its ".saved" twin.
#include "model/PetSelection.h"
#include "model/Settings.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

namespace {

QByteArray data(const QString& name) {
    return dataBytes("model/settings/" + name);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void loadThenSave_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name :
             QDir(dataPath("model/settings")).entryList({"*.cfg", "*.sel"}, QDir::Files)) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    // What a reader leaves alone stays as the record held it before loading: here a ticked
    // follow box, an announcement, and every pet type but the 46th ticked.
    void loadThenSave() {
        QFETCH(QString, name);
        TestFolder folder;
        const bool isSelection = name.endsWith(QLatin1String(".sel"));
        const QString file = isSelection ? kPetSelectionFileName : kSettingsFileName;
        folder.write(file, data(name));
        PetSelection selection;
        selection.include.assign(selection.include.size(), true);
        selection.include[45] = false;
        Settings s = Settings::defaults();
        s.FollowOrBehind = true;
        s.MPAttackAnnounce = QStringLiteral("kept");
        QVERIFY(isSelection ? loadPetSelection(selection) : loadSettings(s));
        QVERIFY(isSelection ? savePetSelection(selection) : saveSettings(s));
        QCOMPARE(folder.read(file), data(name + ".saved"));
    }

    void firstRunAndUnreadableFiles() {
        TestFolder folder;
        Settings s = Settings::defaults();
        PetSelection p;
        QVERIFY(!loadSettings(s));
        QVERIFY(!loadPetSelection(p));
        QVERIFY(s == Settings::defaults());
        QVERIFY(p == PetSelection{});
        QVERIFY(createDefaultSettings());
        QVERIFY(createDefaultPetSelection(p));
        QCOMPARE(folder.read(kSettingsFileName), data("first-run.cfg.saved"));
        QCOMPARE(folder.read(kPetSelectionFileName), data("first-run.sel.saved"));
        QVERIFY(loadSettings(s));
        QVERIFY(s == Settings::defaults());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
