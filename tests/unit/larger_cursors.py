#!/usr/bin/env python3
"""The 48 x 48 and 64 x 64 images of the committed cursor files: the hotspot on the design's
measuring pixel, and lines one pixel wide (no 2 x 2 block of line pixels), save in the solid
neck of the eyedroppers, which the design itself draws two pixels thick.

usage: larger_cursors.py CURSOR_FOLDER
"""
import struct
import sys
from pathlib import Path

CLEAR, INVERT, BLACK, WHITE = ".", "~", "#", "o"

# File: hotspot at 48 and at 64, the pixel there, line kinds, first row at 48 and 64 below
# which the eyedropper is all thin lines (its design row 14, where the neck ends).
CASES = [
    ("thin-crosshair.cur", (12, 12), (17, 17), CLEAR, INVERT, (0, 0)),
    ("hollow-crosshair.cur", (23, 23), (31, 31), CLEAR, INVERT, (0, 0)),
    ("solid-crosshair.cur", (23, 23), (31, 31), BLACK, BLACK + WHITE, (0, 0)),
    ("dashed-crosshair.cur", (14, 14), (19, 19), CLEAR, BLACK + WHITE, (0, 0)),
    ("eyedropper-inverting.cur", (15, 30), (21, 41), CLEAR, INVERT, (21, 29)),
    ("eyedropper-black.cur", (15, 30), (21, 41), WHITE, BLACK, (21, 29)),
    ("eyedropper-white.cur", (15, 30), (21, 41), BLACK, WHITE, (21, 29)),
]


def images(path):
    """{size: (hotspot, rows of pixel kinds)} of a monochrome .cur file."""
    data = path.read_bytes()
    out = {}
    for i in range(struct.unpack_from("<H", data, 4)[0]):
        size, _, _, _, hx, hy, _, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        stride = (size + 31) // 32 * 4
        xor = offset + 40 + 8
        rows = []
        for y in range(size):
            row = ""
            for x in range(size):
                bit = 0x80 >> (x % 8)
                at = (size - 1 - y) * stride + x // 8
                and_bit = data[xor + size * stride + at] & bit != 0
                xor_bit = data[xor + at] & bit != 0
                row += "#o.~"[and_bit * 2 + xor_bit]
            rows.append(row)
        out[size] = ((hx, hy), rows)
    return out


def problems(folder):
    found = []
    for name, hot48, hot64, at_hotspot, lines, thin_from in CASES:
        held = images(folder / name)
        if sorted(held) != [32, 48, 64]:
            found.append("%s holds sizes %s" % (name, sorted(held)))
            continue
        for size, hotspot, first in ((48, hot48, thin_from[0]), (64, hot64, thin_from[1])):
            (hx, hy), rows = held[size]
            if (hx, hy) != hotspot or rows[hy][hx] != at_hotspot:
                found.append("%s at %d: hotspot %s on %r, expected %s on %r"
                             % (name, size, (hx, hy), rows[hy][hx], hotspot, at_hotspot))
            for y in range(first, size - 1):
                for x in range(size - 1):
                    block = {rows[y][x], rows[y][x + 1], rows[y + 1][x], rows[y + 1][x + 1]}
                    if len(block) == 1 and block <= set(lines):
                        found.append("%s at %d: a thick line at %d, %d" % (name, size, x, y))
    return found


if __name__ == "__main__":
    trouble = problems(Path(sys.argv[1]))
    print("\n".join(trouble[:20]) or "ok")
    sys.exit(1 if trouble else 0)
