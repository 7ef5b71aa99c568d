#!/usr/bin/env python3
"""Draws glimmbar.ico, the program icon inside glimmbar.exe, from packaging/glimmbar.svg.

Every size Windows asks for (Explorer, the task bar, the Start menu, title bars) is drawn from
the SVG with rsvg-convert and stored as PNG inside the icon, which Windows Vista and later read.
Run it after changing the SVG and commit the result:  packaging/windows/make-icon.py
"""
import pathlib
import struct
import subprocess

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
here = pathlib.Path(__file__).resolve().parent
svg = here.parent / "glimmbar.svg"

images = [subprocess.run(["rsvg-convert", "-w", str(s), "-h", str(s), str(svg)],
                         check=True, capture_output=True).stdout for s in SIZES]
# ICONDIR, then one ICONDIRENTRY per image (a width or height of 256 is written as 0), then
# the PNG data in the same order.
out = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, png in zip(SIZES, images):
    out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png), offset)
    offset += len(png)
out += b"".join(images)
(here / "glimmbar.ico").write_bytes(out)
print(f"glimmbar.ico: {len(SIZES)} sizes, {len(out)} bytes")
