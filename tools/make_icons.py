#!/usr/bin/env python3
"""Draws the program's icon (a spruce with a pointer arrow, 32x32 and 16x16) and its hand
cursor, and writes them as res/spruce.ico and res/hand.cur (32-bit images with an AND mask).
Standard library only; run it again after changing a drawing."""

import math
import struct
import sys
from pathlib import Path

SAMPLES = 4  # per axis: 16 samples a pixel give smooth edges at 16x16

# The icon in unit coordinates (0..1, y down); later shapes paint over earlier ones.
TRUNK = [(0.36, 0.74), (0.48, 0.74), (0.48, 0.95), (0.36, 0.95)]
TIERS = [  # bottom tier first, so the upper tiers lie on top
    ([(0.42, 0.36), (0.80, 0.80), (0.04, 0.80)], (24, 112, 48)),
    ([(0.42, 0.18), (0.72, 0.56), (0.12, 0.56)], (36, 140, 60)),
    ([(0.42, 0.02), (0.64, 0.34), (0.20, 0.34)], (52, 168, 76)),
]
ARROW = [(0.0, 0.0), (0.0, 0.42), (0.10, 0.33), (0.17, 0.48), (0.24, 0.45), (0.17, 0.30),
         (0.30, 0.30)]
ARROW_ORIGIN = (0.62, 0.46)
ARROW_STROKE = 0.05

# The hand cursor, pixel by pixel: X outline, o fill, anything else transparent.
HAND = """
.....XX.............
....XooX............
....XooX............
....XooX............
....XooX............
....XooXXX..........
....XooXooXXX.......
....XooXooXooXX.....
.XX.XooXooXooXoX....
XooXXooooooooXooX...
XoooXoooooooooooX...
.XooXoooooooooooX...
..XoXoooooooooooX...
..XooooooooooooX....
...XoooooooooooX....
...XooooooooooX.....
....XoooooooooX.....
....XoooooooooX.....
.....XooooooooX.....
.....XXXXXXXXXX.....
"""
HAND_HOTSPOT = (5, 0)  # the fingertip
CURSOR_SIZE = 32


def inside(polygon, x, y):
    hit = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def edge_distance(polygon, x, y):
    best = math.inf
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - x1 - t * dx, y - y1 - t * dy))
    return best


def icon_sample(x, y):
    """The colour (r, g, b, a) of the icon at a unit point."""
    colour = (0, 0, 0, 0)
    if inside(TRUNK, x, y):
        colour = (112, 72, 32, 255)
    for polygon, rgb in TIERS:
        if inside(polygon, x, y):
            colour = (*rgb, 255)
    ax, ay = x - ARROW_ORIGIN[0], y - ARROW_ORIGIN[1]
    if edge_distance(ARROW, ax, ay) < ARROW_STROKE / 2:
        colour = (0, 0, 0, 255)
    elif inside(ARROW, ax, ay):
        colour = (255, 255, 255, 255)
    return colour


def render(size):
    """Rows of (r, g, b, a) pixels, top row first, averaged over SAMPLES x SAMPLES points."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    r, g, b, a = icon_sample((px + (sx + 0.5) / SAMPLES) / size,
                                             (py + (sy + 0.5) / SAMPLES) / size)
                    total = [total[0] + r * a, total[1] + g * a, total[2] + b * a, total[3] + a]
            alpha = total[3] / (SAMPLES * SAMPLES)
            if total[3]:
                row.append(tuple(round(c / total[3]) for c in total[:3]) + (round(alpha),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def hand_pixels():
    art = [line for line in HAND.strip("\n").split("\n")]
    colours = {"X": (0, 0, 0, 255), "o": (255, 255, 255, 255)}
    rows = []
    for y in range(CURSOR_SIZE):
        line = art[y] if y < len(art) else ""
        rows.append([colours.get(line[x] if x < len(line) else ".", (0, 0, 0, 0))
                     for x in range(CURSOR_SIZE)])
    return rows


def dib(rows):
    """A 32-bit BITMAPINFOHEADER image with its AND mask, as stored in .ico and .cur files."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def icon_file(images, kind, hotspot=(0, 0)):
    """kind 1: icon (planes 1, 32 bits); kind 2: cursor (the two fields hold the hotspot)."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for rows in images:
        blob = dib(rows)
        size = len(rows)
        first, second = (1, 32) if kind == 1 else hotspot
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, first, second, len(blob),
                           offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def main():
    res = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "res"
    (res / "spruce.ico").write_bytes(icon_file([render(32), render(16)], 1))
    (res / "hand.cur").write_bytes(icon_file([hand_pixels()], 2, HAND_HOTSPOT))


if __name__ == "__main__":
    main()
