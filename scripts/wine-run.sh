#!/usr/bin/env bash
# Runs one Windows program of the MinGW build under Wine; ctest calls it for every test (it is
# the build's CMAKE_CROSSCOMPILING_EMULATOR). The first argument is the build folder, which
# holds the private Wine prefix; the rest is the program and its arguments.
#
# Finds the DLLs through WINEPATH: the Windows Qt (next to its CMake packages, found from the
# build's cache) and the MinGW-w64 runtime (libstdc++, libgcc, winpthread).
set -euo pipefail
build="$1"
shift

qt_prefix="$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt" | head -n 1)"
gcc_dir="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
pthread_dir="$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")"

# Wine sees the Linux root as drive Z:.
winpath() { echo "Z:${1//\//\\}"; }

export WINEPREFIX="$build/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: the tests are plain console programs.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Without a console Qt sends test output to the debugger (OutputDebugString); keep it on the
# streams CTest reads.
export QT_FORCE_STDERR_LOGGING=1
# Qt's offscreen platform on Windows reads its fonts from one folder (by default beside the
# Qt libraries, where a Windows Qt has none); give it Debian's DejaVu fonts. Plugins come from
# the Windows Qt.
export QT_QPA_FONTDIR="$(winpath /usr/share/fonts/truetype/dejavu)"
export QT_PLUGIN_PATH="$(winpath "$qt_prefix/plugins")"
# Wine keeps QT_* variables from Windows programs unless they are spelled WINEQT_*; pass them on
# (QT_QPA_PLATFORM from CTest among them).
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep -E '^QT_[A-Za-z0-9_]*=' || true)
export WINEPATH="$(winpath "$qt_prefix/bin");$(winpath "$gcc_dir");$(winpath "$pthread_dir")"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Creating a prefix takes a while; parallel tests must not each start one.
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        [ -f "$WINEPREFIX/system.reg" ] || { wineboot --init && wineserver --wait; }
    ) 9>"$build/wineprefix.lock"
fi

exec wine "$@"
