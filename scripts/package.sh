#!/usr/bin/env bash
# The Linux downloads: installs what is missing, makes one release build without tests and
# leaves in build/package/
#   glimmbar_<version>_<arch>.deb           for Debian 12:
#                                             sudo apt-get install ./build/package/glimmbar_*.deb
#   glimmbar-<version>-linux-x86_64.tar.gz  portable, for any distribution whose C library is
#                                             at least Debian 12's (glibc 2.36)
#   SHA256SUMS                              the checksums of both
# The tarball carries the program, the Qt libraries and plugins it loads (X11 and Wayland) with
# every library they need that a desktop does not have, the calculator's tables, a read-me and
# the licences. Its program finds all of that relative to itself (run paths with $ORIGIN and a
# qt.conf), never in the system's Qt.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset package >/dev/null
cmake --build --preset package -j"$(nproc)"
out=$PWD/build/package
rm -f "$out"/glimmbar_*.deb "$out"/glimmbar-*-linux-x86_64.tar.gz "$out/SHA256SUMS"
cpack --preset package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package-build/CMakeCache.txt)

echo "== portable tarball"
name=glimmbar-$version
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/$name
# The same install as the .deb's, into a folder of its own: bin/glimmbar finds its tables in
# ../share/glimmbar, and that folder tells it to keep a menu start's settings in ~/.config.
cmake --install build/package-build --prefix "$stage" --strip >/dev/null
rm -rf "$stage/share/doc" "$stage/share/lintian" "$stage/share/man" "$stage/share/metainfo"

# The plugins Qt loads by name: the X11 and Wayland platforms; on Wayland the window shell,
# title bars (for compositors that leave them to the program) and the EGL buffers Qt asks for
# first (without them it warns on every start); compose-key input so dead keys work in the name
# boxes.
system_qt=$(qtpaths6 --query QT_INSTALL_PLUGINS)
plugins=(platforms/libqxcb.so platforms/libqwayland-generic.so
    wayland-shell-integration/libxdg-shell.so wayland-decoration-client/libbradient.so
    wayland-graphics-integration-client/libqt-plugin-wayland-egl.so
    platforminputcontexts/libcomposeplatforminputcontextplugin.so)
for plugin in "${plugins[@]}"; do
    mkdir -p "$stage/plugins/$(dirname "$plugin")"
    cp "$system_qt/$plugin" "$stage/plugins/$plugin"
done
printf '[Paths]\nPrefix = ..\nPlugins = plugins\n' >"$stage/bin/qt.conf"

# What every desktop has is taken from the system (packaging/linux/desktop-libs.txt says which
# and why); everything else the program and the plugins need, directly or through each other,
# goes into lib/.
declare -A desktop_lib=()
for soname in $(grep -v '^#' packaging/linux/desktop-libs.txt); do desktop_lib[$soname]=1; done
mkdir -p "$stage/lib"
queue=("$stage/bin/glimmbar" "${plugins[@]/#/$stage/plugins/}")
declare -A seen=() origin=()
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    for soname in $(objdump -p "$file" | sed -n 's/^ *NEEDED *//p'); do
        [ -n "${seen[$soname]:-}" ] && continue
        seen[$soname]=1
        [ -n "${desktop_lib[$soname]:-}" ] && continue
        # Where the system's loader finds it (the build machine has every one installed).
        path=$(ldd "$file" | awk -v n="$soname" '$1 == n { print $3 }')
        [ -f "$path" ] || { echo "error: $file needs $soname, which is not installed" >&2; exit 1; }
        cp -L "$path" "$stage/lib/$soname"
        origin[lib/$soname]=$path
        queue+=("$stage/lib/$soname")
    done
done
# Each file finds the carried libraries relative to itself, wherever the folder is unpacked.
patchelf --set-rpath '$ORIGIN/../lib' "$stage/bin/glimmbar"
for lib in "$stage"/lib/*; do patchelf --set-rpath '$ORIGIN' "$lib"; done
for plugin in "${plugins[@]}"; do
    patchelf --set-rpath '$ORIGIN/../../lib' "$stage/plugins/$plugin"
done

# The newest C library and C++ runtime the whole folder asks for: this is what "at least
# Debian 12's" rests on, so a newer need stops the build.
newest() { # prefix
    find "$stage/bin/glimmbar" "$stage/lib" "$stage/plugins" -type f -exec objdump -T {} + |
        grep -o "$1[0-9.]*" | sort -uV | tail -n 1
}
at_most() { # needed limit: Debian 12's C library is 2.36, its C++ runtime GCC 12's
    if [ "$(printf '%s\n' "$1" "$2" | sort -V | tail -n 1)" != "$2" ]; then
        echo "error: the tarball needs $1, newer than Debian 12's $2" >&2
        exit 1
    fi
}
glibc=$(newest GLIBC_)
glibcxx=$(newest GLIBCXX_)
at_most "$glibc" GLIBC_2.36
at_most "$glibcxx" GLIBCXX_3.4.30

# The player's texts, and the licence of every carried library from its Debian package, with
# the source package it was built from.
ln -s bin/glimmbar "$stage/glimmbar"
cp packaging/linux/add-to-menu.sh "$stage/"
sed "s/@VERSION@/$version/g" packaging/linux/README.txt >"$stage/README.txt"
cp LICENSE "$stage/LICENSE"
mkdir -p "$stage/licences"
sources=$stage/licences/SOURCES.txt
{
    echo "Every library in lib/ and plugins/ is Debian 12's own, unmodified (only its run path"
    echo "is set to find the others here). Its source: apt-get source <source>=<version> on"
    echo "Debian 12, or https://snapshot.debian.org/package/<source>/<version>/."
    echo
    printf '%-52s %-28s %s\n' file "Debian package" "source=version"
} >"$sources"
# The package a file came from; with Debian's merged /usr a package may list it under /lib.
owner() {
    { dpkg -S "$1" || dpkg -S "${1#/usr}"; } 2>/dev/null | sed -n 1p | cut -d: -f1
}
for plugin in "${plugins[@]}"; do origin[plugins/$plugin]=$system_qt/$plugin; done
for file in $(printf '%s\n' "${!origin[@]}" | sort); do
    original=${origin[$file]}
    package=$(owner "$(realpath "$original")")
    source=$(dpkg-query -W -f='${source:Package}=${source:Version}' "$package")
    printf '%-52s %-28s %s\n' "$file" "$package" "$source" >>"$sources"
    cp "/usr/share/doc/$package/copyright" "$stage/licences/${source%%=*}.copyright"
done
# The full texts those statements refer to, which only Debian keeps in /usr/share/common-licenses.
mkdir -p "$stage/licences/common-licenses"
for text in $(grep -oh '/usr/share/common-licenses/[A-Za-z0-9.+_-]*[A-Za-z0-9]' \
    "$stage"/licences/*.copyright | sort -u); do
    if [ -f "$text" ]; then cp -L "$text" "$stage/licences/common-licenses/"; fi
done
cp packaging/linux/THIRD-PARTY.txt "$stage/licences/"

tarball=$name-linux-x86_64.tar.gz
# Packed twice from the same build, the same bytes: no owner names, a fixed time (the last
# commit's, or SOURCE_DATE_EPOCH's) and order, no gzip time stamp.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
tar -C "$work" --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$epoch" \
    -cf - "$name" | gzip -9n >"$out/$tarball"

echo "== checksums"
(cd "$out" && sha256sum glimmbar_*.deb "$tarball" >SHA256SUMS && cat SHA256SUMS)
echo "tarball: $(du -h "$out/$tarball" | cut -f1), $(ls "$stage/lib" | wc -l) libraries," \
    "needs $glibc and $glibcxx"
ls "$stage/lib" "$stage/plugins"/*
ls -l "$out"/glimmbar_*.deb "$out/$tarball"
