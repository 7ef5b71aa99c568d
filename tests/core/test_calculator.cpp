// Every calculation in tests/data/calculator/cases.tsv, each in a fresh working folder that
// holds only the category's table from tests/data/calculator/tables/.
#include "calculator/PetCalculator.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    void calculation_data() {
        QTest::addColumn<QStringList>("cells");
        QFile cases(QStringLiteral(GLIMMBAR_TEST_DATA "/calculator/cases.tsv"));
        QVERIFY(cases.open(QIODevice::ReadOnly));
        for (int line = 1; !cases.atEnd(); ++line) {
            const QString text = QString::fromUtf8(cases.readLine()).chopped(1);
            if (!text.startsWith(QLatin1Char('#'))) {
                QTest::addRow("line %d: %s", line, qPrintable(text.left(40))) << text.split('\t');
            }
        }
    }

    void calculation() {
        QFETCH(QStringList, cells);
        QVERIFY(cells.size() >= 5);
        const auto type = static_cast<CalcPetType>(cells[0].toInt());
        TestFolder folder;
        if (cells[1] != QLatin1String("-")) {
            QFile table(QStringLiteral(GLIMMBAR_TEST_DATA "/calculator/tables/") + cells[1]);
            QVERIFY(table.open(QIODevice::ReadOnly));
            folder.write(calcCategory(type).dataFile, table.readAll());
        }
        const CalcResult result = CalculateBestPet(type, cells[2]);
        QCOMPARE(result.correctedSkill.value_or(cells[2]), cells[3]);
        const QString& kind = cells[4];
        if (kind == QLatin1String("Missing")) {
            QCOMPARE(result.kind, CalcResult::Kind::MissingFile);
            QCOMPARE(result.missingFile,
                     (Message{cells.value(5), kMissingFileTitle, MessageIcon::Exclamation}));
        } else if (kind == QLatin1String("Failed")) {
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
