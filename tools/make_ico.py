#!/usr/bin/env python3
"""Writes data/kmtx.ico, the program's icon for Windows, from the PNG pictures of data/.

Each size is stored as the PNG itself (the form Windows reads since Vista), so the icon
shows exactly the pictures the window uses.   python3 tools/make_ico.py > data/kmtx.ico
"""
import struct
import sys
from pathlib import Path

data = Path(__file__).resolve().parent.parent / "data"
sizes = [16, 32, 48, 64, 128, 256]
pictures = [(data / f"kmtx-{size}.png").read_bytes() for size in sizes]

out = bytearray(struct.pack("<HHH", 0, 1, len(sizes)))  # reserved, type icon, count
offset = 6 + 16 * len(sizes)
for size, png in zip(sizes, pictures):
    width, height = struct.unpack(">II", png[16:24])  # the PNG's IHDR
    assert (width, height) == (size, size), f"kmtx-{size}.png is {width}x{height}"
    # Width and height 0 mean 256; no palette; one plane; 32 bits a pixel.
    out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png), offset)
    offset += len(png)
for png in pictures:
    out += png
sys.stdout.buffer.write(out)
