#!/usr/bin/env bash
# Start-up time and peak memory of Glimmbar beside a minimal Qt Widgets program that shows one
# empty window, both release builds, each started RUNS times (default 15) under Xvfb until its
# first window is drawn, the two taking turns so that anything else the machine does weighs on
# both alike. Prints the medians and the ratios.
#   scripts/bench-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}

scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target glimmbar minimal_window >/dev/null

work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb :77 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:77 GLIMMBAR_STARTUP_PROBE=1

# Glimmbar starts as a returning player's would: settings present, game found, the naming
# window first.
mkdir -p "$work/game/scripts" "$work/game/cd_image/text/help"
touch "$work/game/anarchy.exe"
cp data/*.txt "$work/"

measure() { # program -> "milliseconds kilobytes" of one run
    local start end kib
    start=$EPOCHREALTIME
    kib=$(cd "$work" && /usr/bin/time -f '%M' "$1" 2>&1 >/dev/null | tail -n 1)
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" -v k="$kib" 'BEGIN {printf "%.1f %s\n", (e - s) * 1000, k}'
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

bin=$PWD/build/release/app
# First start writes the settings files; store the game folder so the naming window opens.
(cd "$work" && "$bin/glimmbar" >/dev/null 2>&1 || true)
sed -i "3s|.*|$work/game\\\\scripts\\\\\r|" "$work/glimmbar.cfg"

for _ in $(seq "$runs"); do
    measure "$bin/glimmbar" >>"$work/glimmbar.txt"
    measure "$bin/minimal_window" >>"$work/minimal.txt"
done

g_time=$(cut -d' ' -f1 "$work/glimmbar.txt" | median)
m_time=$(cut -d' ' -f1 "$work/minimal.txt" | median)
g_mem=$(cut -d' ' -f2 "$work/glimmbar.txt" | median)
m_mem=$(cut -d' ' -f2 "$work/minimal.txt" | median)
echo "runs: $runs each"
echo "glimmbar:       median ${g_time} ms to first window, peak ${g_mem} KiB"
echo "minimal window: median ${m_time} ms to first window, peak ${m_mem} KiB"
awk -v a="$g_time" -v b="$m_time" -v c="$g_mem" -v d="$m_mem" \
    'BEGIN {printf "ratio: time %.2f, memory %.2f\n", a/b, c/d}'
