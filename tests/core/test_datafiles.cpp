// The five pet tables shipped in data/: every one must load, keep the order and the
// placeholders the search relies on, and hold the same pet nanos as the reference table the
// files are generated from (scripts/make_pet_tables.py).
#include "calculator/PetCalculator.h"
#include "calculator/PetTable.h"
#include "model/FileLayer.h"

#include <QFile>
#include <QTest>

using namespace glimmbar;

namespace {

QString shippedFile(const QString& name) {
    return QStringLiteral(GLIMMBAR_SOURCE_DIR "/data/") + name;
}

// The pets of a table: the records between the no-pet and the end placeholder.
QList<PetRecord> petsOf(const PetTable& table) {
    QList<PetRecord> pets;
    for (std::size_t slot = 2; slot < table.records.size(); ++slot) {
        if (table.records[slot].ql == kEndOfTableQl) {
            break;
        }
        pets.append(table.records[slot]);
    }
    return pets;
}

const char* referenceCategory(int petType) {
    static const char* const names[] = {"mp_attack", "mp_heal", "mp_mezz", "engineer",
                                        "bureaucrat"};
    return names[petType - 1];
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT

private slots:
    void shippedTable_data() {
        QTest::addColumn<int>("petType");
        for (int petType = 1; petType <= 5; ++petType) {
            QTest::newRow(qPrintable(calcCategory(petType)->dataFile)) << petType;
        }
    }

    void shippedTable() {
        QFETCH(int, petType);
        const QString file = shippedFile(calcCategory(petType)->dataFile);
        const std::optional<QByteArray> bytes = [&]() -> std::optional<QByteArray> {
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? std::optional(f.readAll()) : std::nullopt;
        }();
        QVERIFY2(bytes, qPrintable(file));
        QVERIFY2(bytes->endsWith("\r\n") && bytes->count("\r\n") == bytes->count('\n'),
                 "every line ends in CR LF");

        const std::optional<PetTable> table = readPetTable(file);
        QVERIFY2(table, "the file parses");
        const auto& recs = table->records;

        QCOMPARE(recs[1].ql, kNoPetQl);
        QCOMPARE(recs[1].requirement, std::int16_t(0));
        const QList<PetRecord> pets = petsOf(*table);
        QVERIFY(!pets.isEmpty());
        const auto endPlaceholder = static_cast<std::size_t>(pets.size()) + 2;
        QCOMPARE(recs[endPlaceholder].ql, kEndOfTableQl);
        QVERIFY(recs[endPlaceholder].requirement > 3000);
        QCOMPARE(recs[endPlaceholder + 1].name, QStringLiteral("end"));
        QCOMPARE(recs[endPlaceholder + 2], PetRecord{});

        for (std::size_t slot = 2; slot <= endPlaceholder + 1; ++slot) {
            QVERIFY2(recs[slot].requirement >= recs[slot - 1].requirement,
                     qPrintable(recs[slot].name));
        }
        for (const PetRecord& pet : pets) {
            QVERIFY2(pet.ql > 0 && pet.requirement > 0 && pet.requirement <= 3000,
                     qPrintable(pet.name));
            // The window's labels would take a single '&' for an access key.
            QVERIFY2(!pet.name.contains(QLatin1Char('&')), qPrintable(pet.name));
        }
    }

    void shippedTableMatchesTheReference_data() { shippedTable_data(); }

    void shippedTableMatchesTheReference() {
        QFETCH(int, petType);
        const QString reference =
            QStringLiteral(GLIMMBAR_SOURCE_DIR "/../shared/reference/pet-nanos.tsv");
        if (!QFile::exists(reference)) {
            QSKIP("the pet nano reference table is not beside this clone");
        }
        QFile tsv(reference);
        QVERIFY(tsv.open(QIODevice::ReadOnly | QIODevice::Text));
        QList<PetRecord> expected;
        tsv.readLine(); // column names
        while (!tsv.atEnd()) {
            const QStringList cells = QString::fromUtf8(tsv.readLine()).chopped(1).split('\t');
            QVERIFY(cells.size() >= 4);
            if (cells[0] == QLatin1String(referenceCategory(petType))) {
                expected.append(PetRecord{cells[1], std::int16_t(cells[2].toShort()),
                                          std::int16_t(cells[3].toShort())});
            }
        }
        std::stable_sort(
            expected.begin(), expected.end(),
            [](const PetRecord& a, const PetRecord& b) { return a.requirement < b.requirement; });

        const std::optional<PetTable> table =
            readPetTable(shippedFile(calcCategory(petType)->dataFile));
        QVERIFY(table);
        const QList<PetRecord> pets = petsOf(*table);
        QCOMPARE(pets.size(), expected.size());
        for (qsizetype i = 0; i < pets.size(); ++i) {
            QCOMPARE(pets[i].name, expected[i].name);
            QCOMPARE(pets[i].ql, expected[i].ql);
            QCOMPARE(pets[i].requirement, expected[i].requirement);
        }
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_datafiles.moc"
