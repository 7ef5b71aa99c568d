#!/usr/bin/env bash
# Builds a minimal Windows QtCore + QtTest with MinGW-w64 from Debian's own Qt source (the same
# version as the host Qt, whose moc and rcc the cross build uses), and installs it into a cache
# folder outside the clone. Reused when already there. Prints the install prefix on standard
# output; everything else goes to standard error.
#
#   scripts/mingw-qt.sh            # build if missing
#   GLIMMBAR_CACHE=/some/where scripts/mingw-qt.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exec 3>&1 1>&2

cache="${GLIMMBAR_CACHE:-/var/cache/glimmbar}"
qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"   # e.g. 6.4.2+dfsg-10
qt_upstream="${qt_version%%+*}"
qt_upstream="${qt_upstream%%-*}"
prefix="$cache/mingw-qt-$qt_upstream"

if [ -f "$prefix/.complete" ]; then
    echo "MinGW Qt $qt_upstream already built"
    echo "$prefix" >&3
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo mkdir -p "$cache"
$sudo chown "$(id -u):$(id -g)" "$cache"

# Debian ships Qt's source only through deb-src; add a line for it when none is there.
if ! apt-cache showsrc qt6-base >/dev/null 2>&1 || [ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]; then
    echo "Enabling Debian source packages (deb-src) for bookworm"
    $sudo tee /etc/apt/sources.list.d/glimmbar-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    $sudo apt-get update -qq
fi

src_dir="$cache/src"
mkdir -p "$src_dir"
if ! ls "$src_dir"/qt6-base_"$qt_upstream"*.orig.tar.xz >/dev/null 2>&1; then
    # The exact Debian revision of the host Qt when the archive still has it; any revision of
    # the same upstream version will do (checked by the unpacking below).
    (cd "$src_dir" && { apt-get source --download-only "qt6-base=$qt_version" ||
                        apt-get source --download-only qt6-base; })
fi

work="$cache/work-qt-$qt_upstream"
rm -rf "$work"
mkdir -p "$work"
echo "== unpacking Qt $qt_upstream"
tar -xf "$src_dir"/qt6-base_"$qt_upstream"*.orig.tar.xz -C "$work"
qt_src="$(echo "$work"/qtbase-everywhere-src-*)"

jobs="${GLIMMBAR_JOBS:-$(nproc)}"
start=$(date +%s)
echo "== configuring QtCore + QtTest for x86_64-w64-mingw32"
# Only what the core library and its tests link: no GUI, no network, no SQL, no D-Bus, no ICU
# (QtCore falls back to the Windows API for text codecs and collation). zlib, PCRE2 and
# double-conversion come bundled with the source. Shared, as the Windows Qt installer ships it.
cmake -G Ninja -S "$qt_src" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_gui=OFF -DFEATURE_widgets=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF \
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_sql_sqlite=OFF -DFEATURE_testlib_selfcover=OFF \
    > "$work/configure.log"
tail -n 3 "$work/configure.log"

echo "== building with -j$jobs"
cmake --build "$work/build" -j"$jobs"
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
end=$(date +%s)
echo "MinGW Qt $qt_upstream built in $(((end - start) / 60)) min $(((end - start) % 60)) s"

rm -rf "$work"
echo "$prefix" >&3
