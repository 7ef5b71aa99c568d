#!/bin/sh
# Adds Glimmbar from this folder to your desktop's menu (Games), for you alone: a menu entry in
# ~/.local/share/applications and the icon in ~/.local/share/icons. No root needed.
#   ./add-to-menu.sh            add it (run it again after moving the folder)
#   ./add-to-menu.sh --remove   take it out of the menu; your settings stay
set -eu
here=$(cd "$(dirname "$0")" && pwd -P)
id=org.glimmbar.Glimmbar
data=${XDG_DATA_HOME:-$HOME/.local/share}
entry=$data/applications/$id.desktop
icons=$data/icons/hicolor

# Menus cache what they list; tell them when the tools for it are there.
refresh() {
    if command -v update-desktop-database >/dev/null 2>&1; then
        update-desktop-database -q "$data/applications" 2>/dev/null || true
    fi
    if [ -f "$icons/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null 2>&1; then
        gtk-update-icon-cache -q -f -t "$icons" 2>/dev/null || true
    fi
}

if [ "${1:-}" = --remove ]; then
    rm -f "$entry" "$icons"/*/apps/$id.png "$icons"/scalable/apps/$id.svg
    refresh
    echo "Glimmbar is no longer in the menu."
    exit 0
fi

program=$here/bin/glimmbar
[ -x "$program" ] || { echo "error: $program is missing; unpack the whole archive" >&2; exit 1; }

# A menu entry quotes the program's path for the menu's own command-line parsing ("...", with
# \ before " ` $ and \), then escapes every \ once more as a text value, and doubles %.
quoted=$(printf '%s' "$program" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
plain=$(printf '%s' "$program" | sed -e 's/\\/\\\\/g')

mkdir -p "$data/applications"
(cd "$here/share/icons/hicolor" && find . -name "$id.*") | while read -r icon; do
    mkdir -p "$icons/$(dirname "$icon")"
    cp "$here/share/icons/hicolor/$icon" "$icons/$icon"
done
# The entry the .deb installs, started by its full path; the menu hides it if the folder goes.
tmp=$entry.new
# (awk reads them from the environment: its -v would undo the backslashes.)
EXEC_LINE="Exec=\"$quoted\"" TRY_LINE="TryExec=$plain" awk '
    /^Exec=/ { print ENVIRON["EXEC_LINE"]; print ENVIRON["TRY_LINE"]; next }
    { print }' "$here/share/applications/$id.desktop" >"$tmp"
mv "$tmp" "$entry"
refresh
echo "Glimmbar is in the menu (Games). Started from there it keeps its settings in"
echo "${XDG_CONFIG_HOME:-$HOME/.config}/Glimmbar."
