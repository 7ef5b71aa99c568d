#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, makes a release build without tests and
# leaves glimmbar_<version>_<arch>.deb in build/package/. Install it with
#   sudo apt-get install ./build/package/glimmbar_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset package >/dev/null
cmake --build --preset package -j"$(nproc)"
rm -f build/package/glimmbar_*.deb
cpack --preset package
ls -1 build/package/glimmbar_*.deb
