#!/usr/bin/env bash
# The portable Linux download as a player meets it on a distribution without Qt: unpacked into
# a folder whose name has a space and a $, added to the menu with its own command, started the
# way the menu starts it on a real X display (Xvfb with a window manager) and on Wayland (a headless
# Weston), and started from a player's folder. The program sees only the libraries of a bare
# desktop (packaging/linux/desktop-libs.txt and what they need): in a private mount namespace
# the system's library folder, Qt and its plugins included, is replaced by a folder holding
# those alone (a user namespace: no root needed). Also checks the downloads against SHA256SUMS.
#   tests/packaging/linux_tarball.sh <folder with the downloads> [screenshot folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
downloads=$(realpath "$1")
shots=${2:-$downloads/shots}
mkdir -p "$shots"

fail() { echo "FAIL: $*" >&2; exit 1; }
lines() { [ "$(wc -l <"$1")" -eq "$2" ] || fail "$1 has $(wc -l <"$1") lines, not $2"; }

(cd "$downloads" && sha256sum --quiet -c SHA256SUMS) || fail "a download does not match SHA256SUMS"
grep -q -- '-linux-x86_64\.tar\.gz$' "$downloads/SHA256SUMS" || fail "SHA256SUMS lacks the tarball"
grep -q '\.deb$' "$downloads/SHA256SUMS" || fail "SHA256SUMS lacks the .deb"
echo "ok: SHA256SUMS"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A folder name with what a menu entry must quote and escape: a space and a dollar sign.
unpack_to='Glimmbar $HOME'
mkdir -p "$work/$unpack_to"
tar -xzf "$downloads"/glimmbar-*-linux-x86_64.tar.gz -C "$work/$unpack_to"
unpacked=$(echo "$work/$unpack_to"/glimmbar-*)

# The bare desktop's library folder: each listed library and everything it needs, as the
# system's loader finds them; no Qt.
syslib=/usr/lib/x86_64-linux-gnu
bare=$work/bare-lib
mkdir -p "$bare"
for soname in $(grep -v '^#' "$here/../../packaging/linux/desktop-libs.txt"); do
    path=$(PATH=$PATH:/usr/sbin:/sbin ldconfig -p |
        awk -v n="$soname" '$1 == n && /x86-64/ && !found { print $NF; found = 1 }')
    [ -n "$path" ] || fail "$soname is not installed here"
    for lib in "$path" $(ldd "$path" | awk '$3 ~ /^\// { print $3 }'); do
        name=$(basename "$lib")
        [ -e "$bare/$name" ] || cp -L "$lib" "$bare/$name"
    done
done
cp -L /lib64/ld-linux-x86-64.so.2 "$bare/"
[ -z "$(find "$bare" -name '*Qt*')" ] || fail "the bare desktop has Qt"

# Runs a program with the bare desktop's libraries in place of the system's, in a folder;
# it replaces the shell it is called in, so a background call's $! is the program.
bare_desktop() { # folder program [arguments]
    exec unshare --map-root-user --mount \
        sh -c 'mount --bind "$1" "$2" && cd "$3" && shift 3 && exec "$@"' - "$bare" "$syslib" "$@"
}

source "$here/desktop.sh"
start_desktop "$work"

export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset XDG_CONFIG_HOME XDG_DATA_HOME QT_QPA_PLATFORM QT_PLUGIN_PATH LD_LIBRARY_PATH

# Starts the program in the bare desktop, waits for a window with the given title, checks that
# every Qt library it maps is the tarball's, screenshots it and closes it.
see_window() { # folder title shot program [arguments]
    local where=$1 title=$2 shot=$3 window program
    shift 3
    bare_desktop "$where" "$@" >"$work/program.log" 2>&1 &
    program=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$title\$" | sed -n 1p) ||
        fail "no window titled '$title' from $1 in $where: $(cat "$work/program.log")"
    local mapped
    # (The path is the rest of the line after the fifth field, and may hold spaces.)
    mapped=$(sed -n 's|^[^/]*\(/.*\.so[.0-9]*\)$|\1|p' "/proc/$program/maps" | sort -u)
    grep -qxF "$unpacked/lib/libQt6Widgets.so.6" <<<"$mapped" ||
        fail "the tarball's Qt is not mapped"
    local outside
    outside=$(grep -vF "$unpacked/" <<<"$mapped")
    ! grep -E 'Qt|qt6' <<<"$outside" || fail "Qt from outside the tarball is mapped"
    sleep 1
    import -window root "$shots/$shot.png"
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
    timeout 30 tail --pid="$program" -f /dev/null || fail "'$title' did not end when closed"
    [ ! -s "$work/program.log" ] || fail "the program warned: $(cat "$work/program.log")"
    echo "ok: '$title' in $where, $(grep -cF "$unpacked/" <<<"$mapped") libraries from the" \
        "tarball, $(wc -l <<<"$outside") from the system ($shots/$shot.png)"
}

"$unpacked/add-to-menu.sh" >/dev/null
entry=$HOME/.local/share/applications/org.glimmbar.Glimmbar.desktop
desktop-file-validate "$entry" || fail "the menu entry does not validate"
[ -f "$HOME/.local/share/icons/hicolor/48x48/apps/org.glimmbar.Glimmbar.png" ] ||
    fail "no icon in the menu's icon folder"
# The menu's command as a menu reads it: a text value, where \\ is \ and \s a space (a \ before
# anything else is refused here), then quoted as a shell's double quotes are.
exec_line=$(perl -ne 'next unless s/^Exec=//; chomp;
    s/\\(.)/$1 eq "\\" ? "\\" : $1 eq "s" ? " " : die "bad escape \\$1\n"/ge; print' "$entry") ||
    fail "the menu entry's command is not a valid text value"
eval "set -- $exec_line"
see_window "$HOME" "Welcome to Glimmbar!" tarball-welcome "$@"
lines "$HOME/.config/Glimmbar/glimmbar.cfg" 30
lines "$HOME/.config/Glimmbar/petselect.cfg" 56
for stray in "$HOME/glimmbar.cfg" "$unpacked/glimmbar.cfg" "$unpacked/bin/glimmbar.cfg"; do
    [ ! -e "$stray" ] || fail "a menu start wrote $stray"
done

# A player's folder with a glimmbar.cfg naming the game (line 3; its parent holds
# anarchy.exe): started there from a terminal, it works there and opens the naming window.
mkdir -p "$work/AO/scripts" "$work/AO/cd_image/text/help" "$work/player"
touch "$work/AO/anarchy.exe"
sed "3s|.*|$work/AO/scripts/\r|" "$HOME/.config/Glimmbar/glimmbar.cfg" >"$work/player/glimmbar.cfg"
see_window "$work/player" "Glimmbar" tarball-naming "$unpacked/glimmbar"
lines "$work/player/petselect.cfg" 56

# Wayland: the program draws its first window on a compositor without X and ends (the start-up
# probe ends it), with nothing to say on the way.
weston --backend=headless-backend.so --socket=wayland-glimmbar --idle-time=0 \
    >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/wayland-glimmbar" ] && break; sleep 0.2; done
(WAYLAND_DISPLAY=wayland-glimmbar QT_QPA_PLATFORM=wayland GLIMMBAR_STARTUP_PROBE=1 \
    bare_desktop "$HOME" env -u DISPLAY "$@") >"$work/program.log" 2>&1 &
program=$!
for _ in $(seq 300); do grep -q "first window shown" "$work/program.log" && break; sleep 0.2; done
grep -q "first window shown" "$work/program.log" ||
    fail "no window on Wayland: $(cat "$work/program.log")"
# Qt 6.4's Wayland client now and then waits for ever at exit for its event thread (the window
# is gone by then); that is Qt's, not the tarball's.
if ! timeout 10 tail --pid="$program" -f /dev/null; then
    kill "$program"
    echo "note: Qt's Wayland client hung at exit and was ended"
fi
# (The bare desktop has OpenGL's dispatch but no graphics driver behind it.)
[ "$(grep -vc -e "first window shown" -e "EGL not available" "$work/program.log")" -eq 0 ] ||
    fail "the program warned on Wayland: $(cat "$work/program.log")"
echo "ok: the welcome window on Wayland"

"$unpacked/add-to-menu.sh" --remove >/dev/null
[ ! -e "$entry" ] || fail "--remove left the menu entry"
[ -z "$(find "$HOME/.local/share/icons" -name 'org.glimmbar.Glimmbar.*')" ] ||
    fail "--remove left an icon"
lines "$HOME/.config/Glimmbar/glimmbar.cfg" 30
echo "ok: the portable tarball, where no Qt is installed"
