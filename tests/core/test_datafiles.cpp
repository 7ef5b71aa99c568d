// The tables shipped in data/, one per calculator category as data/pet-tables.tsv lists them:
// byte for byte what the reference table of pet nanos says (sorted by requirement between the
// two placeholders, CR LF line ends), and usable by the calculator.
#include "calculator/PetCalculator.h"

#include "TestFolder.h"

#include <QTest>

#include <algorithm>

using namespace glimmbar;

namespace {

// The rows of a tab-separated file, without its column names.
QList<QStringList> rowsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    file.readLine();
    QList<QStringList> rows;
    while (!file.atEnd()) {
        rows.append(QString::fromUtf8(file.readLine()).chopped(1).split(QLatin1Char('\t')));
    }
    return rows;
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT

private slots:
    void shippedTable_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("listed"); // its row in data/pet-tables.tsv
        const QList<QStringList> tables =
            rowsOf(QStringLiteral(GLIMMBAR_SOURCE_DIR "/data/pet-tables.tsv"));
        QCOMPARE(tables.size(), qsizetype(kCalcPetTypes.size()));
        for (const CalcPetType type : kCalcPetTypes) {
            const auto row = std::find_if(tables.begin(), tables.end(), [&](const QStringList& r) {
                return r.value(1) == calcCategory(type).dataFile;
            });
            QVERIFY2(row != tables.end(), qPrintable(calcCategory(type).dataFile));
            QTest::newRow(qPrintable(row->value(1))) << static_cast<int>(type) << *row;
        }
    }

    void shippedTable() {
        QFETCH(int, type);
        QFETCH(QStringList, listed);
        const QString reference =
            QStringLiteral(GLIMMBAR_SOURCE_DIR "/../shared/reference/pet-nanos.tsv");
        if (!QFile::exists(reference)) {
            QSKIP("the pet nano reference table is not beside this clone");
        }
        QList<QStringList> pets;
        for (const QStringList& row : rowsOf(reference)) {
            if (row.value(0) == listed.value(2)) {
                pets.append(row);
            }
        }
        QVERIFY(!pets.isEmpty());
        std::stable_sort(pets.begin(), pets.end(), [](const QStringList& a, const QStringList& b) {
            return a.value(3).toInt() < b.value(3).toInt();
        });
        QByteArray expected = "Glimmbar pet table: " + listed.value(3).toUtf8() +
                              " requirement (name, QL, requirement)\r\n(no pet)\r\n-2\r\n0\r\n";
        for (const QStringList& pet : pets) {
            expected +=
                (pet.value(1) + "\r\n" + pet.value(2) + "\r\n" + pet.value(3) + "\r\n").toLatin1();
        }
        expected += "(no further pet)\r\n-1\r\n9999\r\nend\r\n-1\r\n9999\r\n";
        QFile shipped(QStringLiteral(GLIMMBAR_SOURCE_DIR "/data/") + listed.value(1));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(shipped.readAll(), expected);

        // The calculator reads it: the strongest skill gets the last pet and nothing after it.
        TestFolder folder;
        QVERIFY(QFile::copy(shipped.fileName(), folder.filePath(listed.value(1))));
        const CalcResult result =
            CalculateBestPet(static_cast<CalcPetType>(type), QStringLiteral("3000"));
        QCOMPARE(result.BestPetName,
                 QStringLiteral("The best pet you can currently use is %1 (QL %2).")
                     .arg(pets.last().value(1), pets.last().value(2)));
        QCOMPARE(result.NextPetName, QStringLiteral("There are no pets after your current one."));
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_datafiles.moc"
