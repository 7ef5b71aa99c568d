#!/usr/bin/env bash
# Renders the hand-drawn SVG pictures in pictures/ into the PNGs the program embeds. Qt on
# Debian ships no SVG image plug-in by default, so the program carries PNGs; run this after
# changing an SVG and commit both. Needs ImageMagick (its own SVG renderer is enough).
set -euo pipefail
cd "$(dirname "$0")/pictures"
for svg in *.svg; do
    convert -background none "msvg:${svg}" "png32:${svg%.svg}.png"
done
