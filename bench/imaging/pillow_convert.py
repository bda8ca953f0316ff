#!/usr/bin/python3
"""The yardstick of bench/imaging/compare_convert.sh: the same conversion in Pillow.

Reads a bitmap, takes gray = (5 R + 9 G + 2 B) / 16, makes gray <= 128 black, and writes
the one-bit rows (top row first) with the logo file's 154-byte head.
"""
import sys

from PIL import Image

source, target = sys.argv[1], sys.argv[2]
picture = Image.open(source).convert("RGB")
gray = picture.convert("L", matrix=(5 / 16, 9 / 16, 2 / 16, 0))
# Black as bit 1, as in the logo file.
mono = gray.point([255 if v <= 128 else 0 for v in range(256)]).convert("1")
with open(target, "wb") as out:
    out.write(bytes(154))
    out.write(mono.tobytes())
