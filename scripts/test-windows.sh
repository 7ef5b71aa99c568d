#!/usr/bin/env bash
# The Windows build of the core and its tests, made on Debian with MinGW-w64 and run under
# Wine: installs what is missing, builds a minimal Windows Qt once (scripts/mingw-qt.sh, kept
# in a cache folder outside the clone), cross-builds with the `mingw` preset and runs the tests
# through CTest, which starts every test program under Wine. The windows themselves need a
# Windows Qt with QtWidgets, which Debian does not carry: see "Building on Windows".
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh windows

echo "== Windows Qt"
qt_prefix="$(scripts/mingw-qt.sh)"

jobs=$(nproc)
echo "== mingw build"
cmake --preset mingw -DCMAKE_PREFIX_PATH="$qt_prefix" >/dev/null
cmake --build --preset mingw -j"$jobs"

echo "== Wine prefix"
# Made once, before the tests, so its minute of start-up is not charged to the first test.
time scripts/wine-run.sh "$PWD/build/mingw" cmd /c ver

echo "== mingw tests (under Wine)"
status=0
ctest --preset mingw -j"$jobs" || status=$?
# The Wine server of the private prefix lingers after the last test; end it now.
WINEPREFIX="$PWD/build/mingw/wineprefix" wineserver --kill 2>/dev/null || true
exit "$status"
