#!/usr/bin/env bash
# The Windows build, made on Debian with MinGW-w64 and tested under Wine: installs what is
# missing, builds a minimal Windows Qt once (scripts/mingw-qt.sh, kept in a cache folder
# outside the clone), cross-builds the program and every test program with the `mingw` preset
# and runs the tests through CTest, which starts each under Wine (GUI tests on Qt's offscreen
# platform). Then makes the zip and the installer (scripts/windows-package.sh) and tries both
# under Wine on an Xvfb display (tests/packaging/wine_downloads.sh). Screenshots of that go to
# build/windows-package/shots/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh windows

echo "== Windows Qt"
GLIMMBAR_MINGW_QT="$(scripts/mingw-qt.sh)"
export GLIMMBAR_MINGW_QT

jobs=$(nproc)
echo "== mingw build"
cmake --preset mingw >/dev/null
time cmake --build --preset mingw -j"$jobs"

echo "== Wine prefix"
# Made once, before the tests, so its minute of start-up is not charged to the first test.
time scripts/wine-run.sh "$PWD/build/mingw" cmd /c ver

echo "== mingw tests (under Wine)"
status=0
time ctest --preset mingw -j"$jobs" || status=$?
# The Wine server of the private prefix lingers after the last test; end it now.
WINEPREFIX="$PWD/build/mingw/wineprefix" wineserver --kill 2>/dev/null || true
[ "$status" -eq 0 ] || exit "$status"

echo "== Windows downloads"
time scripts/windows-package.sh
echo "== Windows downloads under Wine"
time tests/packaging/wine_downloads.sh build/windows-package
