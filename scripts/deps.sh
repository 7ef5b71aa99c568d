#!/usr/bin/env bash
# Installs what building and testing Glimmbar needs on Debian 12, and only what is missing.
#   scripts/deps.sh            the packages for the Linux build, tests, fuzzing, the Linux
#                              downloads and their test
#   scripts/deps.sh windows    MinGW-w64, Wine (with its Tahoma and the other fonts Windows
#                              programs expect), NSIS and the display tools for the Windows build
set -euo pipefail

windows=(cmake make ninja-build g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
         qt6-base-dev qt6-base-dev-tools wine wine64 nsis zip unzip xvfb xauth openbox xdotool
         imagemagick fonts-dejavu-core fonts-wine)

linux=(
    cmake g++ make pkg-config python3
    qt6-base-dev qt6-base-dev-tools libgl-dev
    clang-format clang-14 libclang-rt-14-dev
    libbenchmark-dev
    xvfb xauth
    librsvg2-bin desktop-file-utils appstream dpkg-dev file lintian
    qt6-wayland patchelf openbox xdotool imagemagick weston
)

if [ "${1:-}" = windows ]; then
    packages=("${windows[@]}")
else
    packages=("${linux[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
