// How long one click on Calculate takes: the whole calculation (read the table, read the
// skill, search, build the texts) beside the time to read the same table alone, on the
// largest shipped table and on a table of the most records a file may hold.
#include "calculator/PetCalculator.h"
#include "calculator/PetTable.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

using namespace glimmbar;

namespace {

// The working folder of the calculations: the real Engineer table (the largest one shipped)
// and, as the MP attack table, a table of 500 records: the no-pet placeholder, 497 pets, the
// end placeholder and "end".
class Folder {
public:
    Folder() {
        if (!m_dir.isValid() ||
            !QFile::copy(QStringLiteral(GLIMMBAR_SOURCE_DIR "/data/engypets.txt"),
                         m_dir.filePath(QStringLiteral("engypets.txt")))) {
            std::abort();
        }
        QByteArray bytes = "Benchmark table of 500 records\r\n(no pet)\r\n-2\r\n0\r\n";
        for (int i = 1; i <= 497; ++i) {
            bytes += "Benchmark Pet " + QByteArray::number(i) + "\r\n" + QByteArray::number(i) +
                     "\r\n" + QByteArray::number(i * 6) + "\r\n";
        }
        bytes += "(no further pet)\r\n-1\r\n9999\r\nend\r\n-1\r\n9999\r\n";
        QFile file(m_dir.filePath(QStringLiteral("mpapets.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::abort();
        }
        QDir::setCurrent(m_dir.path());
    }

private:
    QTemporaryDir m_dir;
};

void ensureFolder() {
    static Folder folder;
}

// Skill 3000 walks the search to the end placeholder, the longest search there is.
void calculate(benchmark::State& state, CalcPetType type) {
    ensureFolder();
    const QString skill = QStringLiteral("3000");
    for (auto _ : state) {
        CalcResult result = calculateBestPet(type, skill);
        if (result.kind != CalcResult::Kind::Computed) {
            state.SkipWithError("the calculation failed");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
}

void readOnly(benchmark::State& state, const QString& fileName) {
    ensureFolder();
    for (auto _ : state) {
        std::optional<PetTable> table = readPetTable(fileName);
        if (!table) {
            state.SkipWithError("the table did not load");
            break;
        }
        benchmark::DoNotOptimize(table);
    }
}

void BM_CalculateEngineerTable(benchmark::State& state) {
    calculate(state, CalcPetType::Engy);
}
void BM_ReadEngineerTable(benchmark::State& state) {
    readOnly(state, QStringLiteral("engypets.txt"));
}
void BM_Calculate500Records(benchmark::State& state) {
    calculate(state, CalcPetType::MPAttack);
}
void BM_Read500Records(benchmark::State& state) {
    readOnly(state, QStringLiteral("mpapets.txt"));
}

} // namespace

BENCHMARK(BM_CalculateEngineerTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadEngineerTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Calculate500Records)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Read500Records)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
