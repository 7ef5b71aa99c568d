#!/usr/bin/env bash
# Builds a minimal Windows Qt (QtCore, QtGui, QtWidgets, QtTest and the platform and style
# plugins the program and its tests load) with MinGW-w64 from Debian's own Qt source (the same
# version as the host Qt, whose moc and rcc the cross build uses), and installs it into a cache
# folder outside the clone, named after the Qt version and this script's own content, so a
# change to the script builds a new one. Reused when already there. Prints the install prefix
# on standard output; everything else goes to standard error.
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
script_key="$(sha256sum "$0" | cut -c1-12)"
prefix="$cache/mingw-qt-$qt_upstream-$script_key"

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
echo "== configuring QtCore, QtGui, QtWidgets and QtTest for x86_64-w64-mingw32"
# Only what the program and its tests use: widgets with the Windows platform and styles, and
# the offscreen platform for the tests. No network, SQL, XML, D-Bus, OpenGL, Vulkan, printing,
# ICU (QtCore falls back to the Windows API for text codecs and collation) or image formats
# beyond PNG. zlib, PCRE2, double-conversion, libpng, HarfBuzz and FreeType come bundled with
# the source. Debian's source drops Qt's bundled wintab, hence no tablet events; with OpenGL off
# the dynamic-GL loader must go too. Shared, as the Windows Qt installer ships it.
cmake -G Ninja -S "$qt_src" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_network=OFF -DFEATURE_sql=OFF \
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_sql_sqlite=OFF -DFEATURE_testlib_selfcover=OFF \
    > "$work/configure.log"
tail -n 3 "$work/configure.log"

echo "== building with -j$jobs"
cmake --build "$work/build" -j"$jobs"
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
end=$(date +%s)
echo "MinGW Qt $qt_upstream ($script_key) built in $(((end - start) / 60)) min $(((end - start) % 60)) s"

rm -rf "$work"
echo "$prefix" >&3
