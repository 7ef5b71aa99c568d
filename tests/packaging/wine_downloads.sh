#!/usr/bin/env bash
# The Windows downloads as a player meets them, under Wine on a real X display (Xvfb with a
# window manager): checked against SHA256SUMS, then the program from the portable zip and from
# a silent install, each checked from outside through its window title, the files it writes and
# a screenshot.
#   tests/packaging/wine_downloads.sh <folder with the zip and the setup.exe> [screenshot folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
downloads=$(realpath "$1")
shots=${2:-$downloads/shots}
mkdir -p "$shots"
zip=$(ls "$downloads"/glimmbar-*-windows-x64.zip)
setup=$(ls "$downloads"/glimmbar-*-windows-x64-setup.exe)
# Both as the player checks them, against SHA256SUMS.
(cd "$downloads" && sha256sum --quiet -c SHA256SUMS) || { echo "FAIL: SHA256SUMS" >&2; exit 1; }
for download in "$zip" "$setup"; do
    grep -q " $(basename "$download")\$" "$downloads/SHA256SUMS" ||
        { echo "FAIL: SHA256SUMS lacks $(basename "$download")" >&2; exit 1; }
done

work=$(mktemp -d)
export WINEPREFIX=$work/wineprefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
pids=()
cleanup() {
    wineserver --kill 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
source "$here/desktop.sh"
start_desktop "$work"
wineboot --init >/dev/null 2>&1
wineserver --wait
# Players' Wine and Proton give programs Wine's own fonts, Tahoma first (the face Windows
# dialogs ask for); Debian's Wine finds none of those that fonts-wine installs, and a Qt program
# falls back to a serif face. Put them in the prefix's Fonts folder, where every Wine looks.
ln -s /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
[ -e "$WINEPREFIX/drive_c/windows/Fonts/tahoma.ttf" ] ||
    { echo "FAIL: no Tahoma for Wine (fonts-wine, scripts/deps.sh windows)" >&2; exit 1; }

fail() { echo "FAIL: $*" >&2; exit 1; }
winpath() { echo "Z:${1//\//\\}"; }
# Starts the program in a folder, waits for a window with the given title, screenshots it and
# ends the program.
see_window() { # program folder title shot
    (cd "$2" && exec wine "$1" >/dev/null 2>&1) &
    local window program=$!
    window=$(timeout 120 xdotool search --sync --onlyvisible --name "^$3\$" | head -n 1) ||
        fail "no window titled '$3' from $1 in $2"
    sleep 2
    import -window root "$shots/$4.png"
    xdotool windowclose "$window" 2>/dev/null || true
    wineserver --kill
    wineserver --wait
    wait "$program" 2>/dev/null || true
    echo "ok: '$3' from $(basename "$1") in $2 ($shots/$4.png)"
}
lines() { [ "$(wc -l <"$1")" -eq "$2" ] || fail "$1 has $(wc -l <"$1") lines, not $2"; }

# The portable zip: unpacked anywhere, it works in its own folder.
unzip -q "$zip" -d "$work/portable"
portable=$(echo "$work"/portable/glimmbar-*)
see_window "$portable/glimmbar.exe" "$portable" "Welcome to Glimmbar!" zip-welcome
lines "$portable/glimmbar.cfg" 30
lines "$portable/petselect.cfg" 56
# A stored game folder (line 3) whose parent holds anarchy.exe opens the naming window.
mkdir -p "$work/AO/scripts" "$work/AO/cd_image/text/help"
touch "$work/AO/anarchy.exe"
game=$(winpath "$work/AO/scripts/")
sed -i "3s|.*|${game//\\/\\\\}\r|" "$portable/glimmbar.cfg"
see_window "$portable/glimmbar.exe" "$portable" "Glimmbar" zip-naming

# The installer, silent: the program, its Start-menu entry and its uninstaller.
wine "$setup" /S
wineserver --wait
drive_c=$WINEPREFIX/drive_c
installed="$drive_c/Program Files/Glimmbar"
for file in glimmbar.exe Qt6Widgets.dll platforms/qwindows.dll data/engypets.txt uninstall.exe \
    "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Glimmbar.lnk"; do
    [[ $file == /* ]] || file=$installed/$file
    [ -f "$file" ] || fail "the installer did not install $file"
done
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmbar' /v DisplayVersion |
    grep -q "$(basename "$setup" | cut -d- -f2)" || fail "no uninstall entry with the version"
# Started as the Start menu starts it, in its install folder: settings go to %APPDATA%.
see_window "$installed/glimmbar.exe" "$installed" "Welcome to Glimmbar!" installed-welcome
appdata=$(echo "$drive_c"/users/*/AppData/Roaming/Glimmbar)
lines "$appdata/glimmbar.cfg" 30
lines "$appdata/petselect.cfg" 56
[ ! -e "$installed/glimmbar.cfg" ] || fail "the installed program wrote into its install folder"

wine "$installed/uninstall.exe" /S
wineserver --wait
sleep 2
wineserver --wait
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed" | head -n 5)"
[ ! -e "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Glimmbar.lnk" ] ||
    fail "the uninstaller left the Start-menu entry"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmbar' >/dev/null 2>&1; then
    fail "the uninstaller left the uninstall entry"
fi
lines "$appdata/glimmbar.cfg" 30
echo "ok: installed, started, uninstalled; the player's settings stay"
