// The installation search in a busy player's home: a Steam library with 300 Proton prefixes
// (one per game or non-Steam shortcut, as on a well-used Steam Deck), a second library, Snap
// and Flatpak Steam, ~/.wine and $WINEPREFIX, Lutris prefixes and game files, Bottles (both
// kinds), PlayOnLinux and CrossOver, with the game in four of those places.
#include "finder/GameFinder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace glimmbar;

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::abort();
    }
}

void write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::abort();
    }
}

// A prefix the way Wine or Proton leaves it after its first start.
void makePrefix(const QString& prefix) {
    for (const char* file :
         {"/system.reg", "/user.reg", "/userdef.reg", "/dosdevices/c:", "/drive_c/windows/win.ini",
          "/drive_c/users/steamuser/Documents/readme.txt", "/drive_c/ProgramData/readme.txt"}) {
        touch(prefix + QLatin1String(file));
    }
    for (const char* programFiles : {"/drive_c/Program Files/", "/drive_c/Program Files (x86)/"}) {
        for (const char* folder : {"Common Files", "Internet Explorer", "Windows Media Player",
                                   "Windows NT", "Windows Photo Viewer"}) {
            touch(prefix + QLatin1String(programFiles) + QLatin1String(folder) + "/readme.txt");
        }
    }
}

void makeGame(const QString& folder) {
    touch(folder + QStringLiteral("/anarchy.exe"));
    touch(folder + QStringLiteral("/AnarchyOnline.exe"));
}

class BusyHome {
public:
    BusyHome() {
        const QString home = m_dir.path();
        const QString steam = home + QStringLiteral("/.local/share/Steam");
        const QString card = home + QStringLiteral("/SD card");
        for (int i = 0; i < 300; ++i) {
            makePrefix(QStringLiteral("%1/steamapps/compatdata/%2/pfx").arg(steam).arg(228980 + i));
        }
        makeGame(steam + QStringLiteral("/steamapps/compatdata/228999/pfx/drive_c/Program Files "
                                        "(x86)/Funcom/Anarchy Online"));
        for (int i = 0; i < 10; ++i) {
            touch(QStringLiteral("%1/steamapps/common/Game %2/game.exe").arg(steam).arg(i));
            makePrefix(QStringLiteral("%1/steamapps/compatdata/%2/pfx").arg(card).arg(1000 + i));
        }
        write(
            steam + QStringLiteral("/steamapps/libraryfolders.vdf"),
            QStringLiteral("\"libraryfolders\"\n{\n\t\"0\" { \"path\" \"%1\" }\n\t\"1\" { \"path\" "
                           "\"%2\" }\n}\n")
                .arg(steam, card)
                .toUtf8());
        QDir().mkpath(home + QStringLiteral("/.steam"));
        QFile::link(steam, home + QStringLiteral("/.steam/steam"));
        QFile::link(steam, home + QStringLiteral("/.steam/root"));
        makePrefix(home + QStringLiteral("/snap/steam/common/.local/share/Steam/steamapps/"
                                         "compatdata/1/pfx"));
        makePrefix(home +
                   QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/"
                                  "compatdata/1/pfx"));
        makePrefix(home + QStringLiteral("/.wine"));
        makePrefix(home + QStringLiteral("/Prefixes/ao"));
        makeGame(home + QStringLiteral("/Prefixes/ao/drive_c/Funcom/Anarchy Online"));
        m_search.home = home;
        m_search.winePrefix = home + QStringLiteral("/Prefixes/ao");
        for (int i = 0; i < 5; ++i) {
            const QString n = QString::number(i);
            makePrefix(home + QStringLiteral("/Games/game-") + n);
            makePrefix(home + QStringLiteral("/Lutris/game-") + n);
            write(home + QStringLiteral("/.config/lutris/games/game-%1.yml").arg(n),
                  QStringLiteral("game:\n  exe: %1/Lutris/game-%2/drive_c/Game/game.exe\n  prefix: "
                                 "%1/Lutris/game-%2\nsystem: {}\nwine:\n  version: lutris-7.2\n")
                      .arg(home, n)
                      .toUtf8());
            for (const char* prefixes : {"/.local/share/bottles/bottles/",
                                         "/.var/app/com.usebottles.bottles/data/bottles/"
                                         "bottles/",
                                         "/.PlayOnLinux/wineprefix/", "/.cxoffice/"}) {
                makePrefix(home + QLatin1String(prefixes) + QStringLiteral("Bottle ") + n);
            }
        }
        makeGame(home +
                 QStringLiteral("/Lutris/game-3/drive_c/Program Files/Funcom/Anarchy Online"));
        makeGame(home + QStringLiteral("/.cxoffice/Bottle 4/drive_c/Funcom/Anarchy Online"));
    }

    const GameSearch& search() const { return m_search; }

private:
    QTemporaryDir m_dir;
    GameSearch m_search;
};

void BM_FindInBusyHome(benchmark::State& state) {
    static const BusyHome home;
    qsizetype found = 0;
    for (auto _ : state) {
        found = findGameInstalls(home.search()).size();
        benchmark::DoNotOptimize(found);
    }
    if (found != 4) {
        state.SkipWithError("the four installations were not all found");
    }
}
BENCHMARK(BM_FindInBusyHome)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
