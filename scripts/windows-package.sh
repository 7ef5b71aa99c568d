#!/usr/bin/env bash
# The Windows downloads, cross-built on Debian: builds the program with the `mingw-release`
# preset and leaves in build/windows-package/
#   glimmbar-<version>-windows-x64.zip        portable: unzip anywhere and start glimmbar.exe
#   glimmbar-<version>-windows-x64-setup.exe  NSIS installer with Start-menu entry and uninstaller
#   SHA256SUMS                                the checksums of both
# Both carry glimmbar.exe, the Qt and MinGW-w64 runtime DLLs it loads and nothing else, the Qt
# plugins it loads, the calculator's data files, a read-me and the licences.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh windows
GLIMMBAR_MINGW_QT="$(scripts/mingw-qt.sh)"
export GLIMMBAR_MINGW_QT
qt=$GLIMMBAR_MINGW_QT

echo "== mingw-release build"
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release -j"$(nproc)" --target glimmbar
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/mingw-release/CMakeCache.txt)

out=$PWD/build/windows-package
stage=$out/glimmbar-$version
rm -rf "$out"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/licences"

cp build/mingw-release/app/glimmbar.exe "$stage/"
# The plugins Qt loads by name at run time: the Windows platform and the native style.
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"

# Every DLL the program and the plugins import, followed through the DLLs' own imports. A DLL
# found neither in the Windows Qt nor in the MinGW-w64 runtime must be one Windows itself
# provides (Wine carries its own copy of each); anything else stops the build.
triple=x86_64-w64-mingw32
gcc_dir=$(dirname "$($triple-g++-posix -print-libgcc-file-name)")
pthread_dir=$(dirname "$(realpath "$($triple-g++-posix -print-file-name=libwinpthread-1.dll)")")
wine_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
queue=("$stage/glimmbar.exe" "$stage/platforms/qwindows.dll" "$stage/styles/qwindowsvistastyle.dll")
declare -A seen=()
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        key=${dll,,}
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        found=""
        for dir in "$qt/bin" "$gcc_dir" "$pthread_dir"; do
            [ -f "$dir/$dll" ] && found="$dir/$dll" && break
        done
        if [ -n "$found" ]; then
            cp "$found" "$stage/"
            queue+=("$stage/$dll")
        elif [ ! -f "$wine_dlls/$key" ] && [[ $key != api-ms-win-* ]]; then
            echo "error: $file needs $dll, which is neither shipped nor part of Windows" >&2
            exit 1
        fi
    done < <($triple-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
$triple-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# The calculator's tables, as data/pet-tables.tsv lists them; the installer takes the same list.
mapfile -t tables < <(tail -n +2 data/pet-tables.tsv | cut -f2)
for table in "${tables[@]}"; do
    cp "data/$table" "$stage/"
done
printf 'File "${STAGE}/%s"\n' "${tables[@]}" >"$out/tables.nsh"

# Texts for Windows: CR LF line ends.
crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
sed "s/@VERSION@/$version/g; s/\r*$/\r/" packaging/windows/README.txt >"$stage/README.txt"
crlf LICENSE "$stage/LICENSE.txt"
crlf packaging/windows/THIRD-PARTY.txt "$stage/licences/THIRD-PARTY.txt"
# Qt's licence and those of the libraries built into it, from the very source the Windows Qt
# was built from; the MinGW-w64 runtime's from Debian's copyright files.
qt_tar=$(ls "${GLIMMBAR_CACHE:-/var/cache/glimmbar}"/src/qt6-base_*.orig.tar.xz | head -n 1)
licences=(LICENSES/LGPL-3.0-only.txt LICENSES/GPL-3.0-only.txt
    src/3rdparty/zlib/LICENSE src/3rdparty/pcre2/LICENCE src/3rdparty/double-conversion/LICENSE
    src/3rdparty/libpng/LICENSE src/3rdparty/harfbuzz-ng/COPYING src/3rdparty/freetype/docs/FTL.TXT
    src/3rdparty/md4c/LICENSE.md src/3rdparty/tinycbor/LICENSE src/3rdparty/easing/LICENSE
    src/3rdparty/icc/LICENSE.txt src/3rdparty/rfc6234/LICENSE src/3rdparty/blake2/COPYING)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
tar -xJf "$qt_tar" -C "$tmp" --wildcards "${licences[@]/#/*/}"
for path in "${licences[@]}"; do
    name=$path
    [[ $path == src/3rdparty/* ]] && name=${path#src/3rdparty/} && name=${name%%/*}-$(basename "$path")
    [[ $path == LICENSES/* ]] && name=Qt-$(basename "$path")
    crlf "$tmp"/*/"$path" "$stage/licences/${name%.*}.txt"
done
crlf /usr/share/doc/mingw-w64-common/copyright "$stage/licences/mingw-w64-copyright.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/gcc-mingw-w64-copyright.txt"

echo "== zip"
zip_name=glimmbar-$version-windows-x64.zip
(cd "$out" && zip -qr9X "$zip_name" "glimmbar-$version")

echo "== installer"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DTABLES="$out/tables.nsh" \
    -DOUTFILE="$out/glimmbar-$version-windows-x64-setup.exe" packaging/windows/glimmbar.nsi

echo "== checksums"
(cd "$out" && sha256sum "$zip_name" "glimmbar-$version-windows-x64-setup.exe" >SHA256SUMS &&
    cat SHA256SUMS)

echo "shipped:"
(cd "$stage" && find . -name '*.dll' | sort)
ls -l "$out"/*.zip "$out"/*.exe
