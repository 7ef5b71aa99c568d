// The pet calculator: every calculation in tests/data/calculator/cases.tsv, and the tables
// shipped in data/ against the reference table of pet nanos.
#include "calculator/PetCalculator.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

// The rows of a tab-separated file whose first line names its columns.
static QList<QStringList> rowsOf(const QString& path) {
    return dataTable(path, QStringLiteral("\t")).mid(1);
}

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    // Each in a fresh working folder holding only the category's table, if any.
    void calculation_data() {
        QTest::addColumn<QStringList>("cells");
        for (const QStringList& row :
             dataTable(QStringLiteral(GLIMMBAR_TEST_DATA "/calculator/cases.tsv"), "\t")) {
            QTest::addRow("%s", qPrintable(row.mid(0, 3).join(QLatin1Char(' ')))) << row;
        }
    }
    void calculation() {
        QFETCH(QStringList, cells);
        const auto type = static_cast<CalcPetType>(cells[0].toInt());
        TestFolder folder;
        if (cells[1] != QLatin1String("-")) {
            QVERIFY(QFile::copy(QStringLiteral(GLIMMBAR_TEST_DATA "/calculator/tables/") + cells[1],
                                folder.filePath(calcCategory(type).dataFile)));
        }
        const CalcResult result = calculateBestPet(type, cells[2]);
        QCOMPARE(result.correctedSkill.value_or(cells[2]), cells[3]);
        if (cells.value(4) == QLatin1String("Missing")) {
            QCOMPARE(result.kind, CalcResult::Kind::MissingFile);
            QCOMPARE(result.missingFile,
                     (Message{cells.value(5), kMissingFileTitle, MessageIcon::Exclamation}));
        } else if (cells.value(4) == QLatin1String("Failed")) {
            QCOMPARE(result.kind, CalcResult::Kind::Failed);
        } else {
            QCOMPARE(result.kind, CalcResult::Kind::Computed);
            QCOMPARE(QStringList({result.BestPetName, result.BestPetSkill, result.NextPetName,
                                  result.NextPetSkill}),
                     cells.mid(5));
        }
    }

    // One table per category, as data/pet-tables.tsv lists them: byte for byte the reference's
    // pet nanos sorted by requirement between the two placeholders, with CR LF line ends.
    void shippedTablesAreTheReferences() {
        const QList<QStringList> reference =
            rowsOf(QStringLiteral(GLIMMBAR_SOURCE_DIR "/../shared/reference/pet-nanos.tsv"));
        if (reference.isEmpty()) {
            QSKIP("the pet nano reference table is not beside this clone");
        }
        const QList<QStringList> listed =
            rowsOf(QStringLiteral(GLIMMBAR_SOURCE_DIR "/data/pet-tables.tsv"));
        QCOMPARE(listed.size(), qsizetype(kCalcPetTypes.size()));
        for (std::size_t i = 0; i < kCalcPetTypes.size(); ++i) { // listed by category number
            const QStringList& row = listed[static_cast<qsizetype>(i)];
            const QString file = calcCategory(kCalcPetTypes[i]).dataFile;
            QCOMPARE(row.value(1), file);
            QList<QStringList> pets;
            std::copy_if(reference.begin(), reference.end(), std::back_inserter(pets),
                         [&](const QStringList& r) { return r.value(0) == row.value(2); });
            QVERIFY2(!pets.isEmpty(), qPrintable(file));
            std::stable_sort(pets.begin(), pets.end(),
                             [](const QStringList& a, const QStringList& b) {
                                 return a.value(3).toInt() < b.value(3).toInt();
                             });
            QString expected = QStringLiteral("Glimmbar pet table: %1 requirement (name, QL, "
                                              "requirement)\r\n(no pet)\r\n-2\r\n0\r\n")
                                   .arg(row.value(3));
            for (const QStringList& pet : pets) {
                expected += pet.mid(1, 3).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
            }
            expected += QStringLiteral("(no further pet)\r\n-1\r\n9999\r\nend\r\n-1\r\n9999\r\n");
            QFile shipped(QStringLiteral(GLIMMBAR_SOURCE_DIR "/data/") + file);
            QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(file));
            QCOMPARE(shipped.readAll(), expected.toLatin1());
        }
    }
};

QTEST_GUILESS_MAIN(TestCalculator)
#include "test_calculator.moc"
