// A Meta-Physicist's full Create Files run (three names, every pet type, announcements and a
// heal delay) beside a loop that writes the very same bytes to the very same files with fopen.
#include "scriptgen/CreateCommand.h"
#include "scriptgen/ScriptWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace glimmbar;

namespace {

class SilentSink final : public MessageSink {
public:
    void showMessage(const Message& message) override { last = message; }
    Message last;
};

// A game installation in a temporary working folder, kept for the whole benchmark run.
class Workspace {
public:
    Workspace()
        : m_previous(QDir::currentPath()) {
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("game/scripts"));
        root.mkpath(QStringLiteral("game/cd_image/text/help"));
        QDir::setCurrent(m_dir.path());
    }
    ~Workspace() { QDir::setCurrent(m_previous); }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

CreateSnapshot fullMpRun() {
    PetSelection selection;
    selection.include.assign(selection.include.size(), true);
    Settings s = Settings::defaults();
    s.ScriptsDirName = QStringLiteral("game\\scripts\\");
    s.LastModeUsedMEC = QStringLiteral("MP");
    s.petName(PetRole::Attack) = QStringLiteral("Zapper");
    s.petName(PetRole::Heal) = QStringLiteral("Doc Holly");
    s.petName(PetRole::Mezz) = QStringLiteral("Sandman");
    s.remembers(PetRole::Attack) = true;
    s.remembers(PetRole::Heal) = true;
    s.remembers(PetRole::Mezz) = true;
    s.MPAttackAnnounce = QStringLiteral("Attacking %t!");
    s.MPHealAnnounce = QStringLiteral("Healing %t");
    s.MPMezzAnnounce = QStringLiteral("Sleep, %t");
    s.NewHealPetDelay = QStringLiteral("1500");
    return {s, selection};
}

void createFiles(benchmark::State& state) {
    const Workspace workspace;
    const CreateSnapshot snap = fullMpRun();
    SilentSink sink;
    for (auto _ : state) {
        if (!runCreateFiles(snap, sink).created) {
            static std::string reason;
            reason = sink.last.text.toStdString();
            state.SkipWithError(reason.c_str());
            break;
        }
    }
}

void plainStdio(benchmark::State& state) {
    const Workspace workspace;
    // The files one real run writes, with their bytes.
    SilentSink sink;
    runCreateFiles(fullMpRun(), sink);
    std::vector<std::pair<std::string, QByteArray>> files;
    QDirIterator it(QDir::currentPath(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.emplace_back(file.fileName().toStdString(), file.readAll());
    }
    for (auto _ : state) {
        for (const auto& [path, bytes] : files) {
            std::FILE* out = std::fopen(path.c_str(), "wb");
            if (out == nullptr) {
                state.SkipWithError("cannot open a file");
                return;
            }
            std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out);
            std::fclose(out);
        }
    }
}

} // namespace

BENCHMARK(createFiles)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(plainStdio)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
