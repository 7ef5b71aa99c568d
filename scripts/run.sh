#!/usr/bin/env bash
# Installs what is missing, builds Glimmbar and starts it in run/, a working folder that
# holds the calculator's data files. glimmbar.cfg and petselect.cfg are kept there between
# runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"

mkdir -p run
cp -f data/*.txt run/ 2>/dev/null || true
cd run
exec ../build/release/app/glimmbar "$@"
