// Create Files over the whole space of what a player can type, not only the listed cases: the
// properties of CreateProperties.h on a few hundred names made from a fixed seed. The fuzz target
// fuzz_createfiles searches the same space without end.
#include "CreateProperties.h"
#include "TestFolder.h"

#include <QRandomGenerator>

using namespace create_properties;

class TestCreateProperties : public QObject {
    Q_OBJECT

private slots:
    void everyTypedNameComesOutWhole() { check(petNameFails); }
    void everyAcceptedScriptNameIsOneWindowsMakes() { check(scriptNameFails); }

private:
    static void check(QString (*fails)(QByteArrayView)) {
        TestFolder folder;
        makeGameFolder();
        QRandomGenerator random(20261207);
        for (int i = 0; i < 400; ++i) {
            QByteArray input(random.bounded(1, 24), Qt::Uninitialized);
            // Half the bytes from the low range, where the colour codes and the pieces Windows
            // treats apart are.
            for (char& byte : input) {
                byte = static_cast<char>(random.bounded(random.bounded(2) == 0 ? 24 : 256));
            }
            const QString failure = fails(input);
            QVERIFY2(failure.isEmpty(), qPrintable(input.toHex() + ": " + failure));
        }
    }
};

QTEST_GUILESS_MAIN(TestCreateProperties)
#include "test_createproperties.moc"
