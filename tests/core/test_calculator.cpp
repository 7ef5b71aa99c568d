// The pet calculator: every calculation in tests/data/calculator/cases.tsv. (pet_tables.sh checks
// the tables shipped in data/ against the reference table of pet nanos.)
#include "calculator/PetCalculator.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    // Each in a fresh working folder holding only the category's table, if any.
    void calculation_data() {
        QTest::addColumn<QStringList>("cells");
        for (const QStringList& row : dataTable("calculator/cases.tsv", "\t")) {
            QTest::addRow("%s", qPrintable(row.mid(0, 3).join(QLatin1Char(' ')))) << row;
        }
    }
    void calculation() {
        QFETCH(QStringList, cells);
        const auto type = static_cast<CalcPetType>(cells[0].toInt());
        TestFolder folder;
        if (cells[1] != QLatin1String("-")) {
            QVERIFY(QFile::copy(dataPath("calculator/tables/" + cells[1]),
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
};

QTEST_GUILESS_MAIN(TestCalculator)
#include "test_calculator.moc"
