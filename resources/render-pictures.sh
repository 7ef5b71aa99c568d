#!/usr/bin/env bash
# Renders the hand-drawn SVG pictures in pictures/ into the PNGs the program embeds. Qt on
# Debian ships no SVG image plug-in by default, so the program carries PNGs; run this after
# changing an SVG and commit both. Needs ImageMagick with its own SVG renderer (on Debian,
# imagemagick and libmagickcore-6.q16-6-extra). The PNGs carry pixels only: no dates (so a
# render is the same every time) and no gamma or colour chunks, which Qt would turn into a
# colour space for every picture it loads.
set -euo pipefail
cd "$(dirname "$0")/pictures"
for svg in *.svg; do
    convert -background none "msvg:${svg}" -strip "png32:${svg%.svg}.png"
done
