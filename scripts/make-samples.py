#!/usr/bin/env python3
"""Draws the sample logo bitmaps of res/samples/ (run again only to change them).

Each picture is computed from simple geometry, so the files are the project's own and the
same on every run. Depths differ on purpose: the samples exercise the 1-, 8- and 24-bit
readers and the binarization of colour and grey.
"""
import math
import os
import struct
import sys


def bmp_file(width, height, bits, palette, rows):
    """rows: bottom-up list of row byte strings, unpadded."""
    stride = ((width * bits + 31) // 32) * 4
    pixels = b"".join(row + b"\0" * (stride - len(row)) for row in rows)
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + 40 + len(palette_bytes)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels),
                       2835, 2835, len(palette), 0)
    return header + info + palette_bytes + pixels


def rgb24(width, height, colour_at):
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row))
    return bmp_file(width, height, 24, [], rows)


def indexed8(width, height, palette, index_at):
    rows = [bytes(index_at(x, y) for x in range(width)) for y in reversed(range(height))]
    return bmp_file(width, height, 8, palette, rows)


def mono(width, height, black_at):
    rows = []
    for y in reversed(range(height)):
        row = bytearray((width + 7) // 8)
        for x in range(width):
            if black_at(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    # Palette white, black: bit 1 is black.
    return bmp_file(width, height, 1, [(255, 255, 255), (0, 0, 0)], rows)


def star(x, y, cx=80, cy=62, outer=56, inner=23):
    """A red five-pointed star with a dark outline on white."""
    dx, dy = x - cx, cy - y
    r = math.hypot(dx, dy)
    a = (math.atan2(dy, dx) - math.pi / 2) % (2 * math.pi / 5)
    a = abs(a - math.pi / 5) / (math.pi / 5)  # 0 at a valley, 1 at a point
    edge = inner + (outer - inner) * a
    if r <= edge - 4:
        return (220, 40, 40)
    if r <= edge:
        return (60, 10, 10)
    return (255, 255, 255)


def disc(x, y, size=128):
    """A blue disc that fades from dark in the middle to pale at its rim."""
    c = (size - 1) / 2
    r = math.hypot(x - c, y - c) / c
    if r > 1:
        return (255, 255, 255)
    v = int(20 + 235 * r)
    return (v, int(v * 0.9), 255)


def stamp(x, y, width=200, height=80):
    """A hanko-style frame with diagonal hatching and a solid bar."""
    border = x < 4 or y < 4 or x >= width - 4 or y >= height - 4
    inner = 10 <= x < width - 10 and 10 <= y < height - 10
    hatch = inner and (x + y) % 12 < 3 and x < width // 2
    bar = inner and x >= width // 2 + 10 and height // 2 - 8 <= y < height // 2 + 8
    return border or hatch or bar


def waves(x, y, height=96):
    """Three grey sine waves over a light band; 8-bit grey palette."""
    level = 235
    for k, amp in enumerate((18, 12, 8)):
        centre = 24 + 24 * k + amp * math.sin((x + 30 * k) / 17.0)
        if abs(y - centre) < 4:
            level = 40 + 50 * k
    return level


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "res", "samples"))
    os.makedirs(out, exist_ok=True)
    grey = [(i, i, i) for i in range(256)]
    files = {
        "star.bmp": rgb24(160, 124, star),
        "disc.bmp": rgb24(128, 128, disc),
        "stamp.bmp": mono(200, 80, stamp),
        "waves.bmp": indexed8(240, 96, grey, waves),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print(os.path.join(out, name), len(data), "bytes")


if __name__ == "__main__":
    main()
