#!/usr/bin/env python3
"""Every committed cursor file holds one image per cursor size Windows uses from 100 % to 400 %,
each with its hotspot on the design's measuring pixel (that pixel's middle scaled, rounded down)
and lines one pixel wide (no 2 x 2 block of one line kind), save in the eyedroppers' neck,
drawn thick by design; the generator draws the images the files hold (cursor_files)."""
import struct
import sys
from pathlib import Path

RES = Path(__file__).resolve().parents[2] / "res"
sys.path.insert(0, str(RES))
from make_cursors import BLACK, CLEAR, CURSORS, INVERT, WHITE, images  # noqa: E402

# MulDiv(32, dpi, 96) for 96, 120, 144, 168, 192, 216, 240, 288, 336 and 384 DPI.
SIZES = (32, 40, 48, 56, 64, 72, 80, 96, 112, 128)
# Id: the pixel at the hotspot, line kinds, the design row below which all lines are thin.
CASES = {
    101: (CLEAR, [INVERT], 0),
    102: (CLEAR, [INVERT], 0),
    103: (BLACK, [BLACK, WHITE], 0),
    104: (CLEAR, [BLACK, WHITE], 0),
    105: (CLEAR, [INVERT], 14),
    106: (WHITE, [BLACK], 14),
    107: (BLACK, [WHITE], 14),
}

trouble = []
for cursor, (at_hotspot, lines, thin_row) in CASES.items():
    name, (x32, y32), draw, inside = CURSORS[cursor]
    data = (RES / "cursors" / name).read_bytes()
    # Directory entries: width, height, colours, reserved, hotspot x and y, size, offset.
    stored = {e[0]: e[4:6] for e in struct.iter_unpack("<BBBBHHII", data[6:6 + 16 * data[4]])}
    if sorted(stored) != list(SIZES):
        trouble.append("%s holds sizes %s" % (name, sorted(stored)))
    drawn = {size: (hot, image) for size, hot, image in images((x32, y32), draw, inside)}
    for size in SIZES:
        want = ((2 * x32 + 1) * size // 64, (2 * y32 + 1) * size // 64)
        if stored.get(size) != want:
            trouble.append("%s: the %d px hotspot is %s, expected %s" % (
                name, size, stored.get(size), want))
        (hx, hy), image = drawn[size]
        if (hx, hy) != want or image[hy][hx] != at_hotspot:
            trouble.append("%d at %d: hotspot %s on %s, expected %s on %s" % (
                cursor, size, (hx, hy), image[hy][hx], want, at_hotspot))
        first = (2 * thin_row + 1) * size // 64 if thin_row else 0
        trouble += ["%d at %d: a thick line at %d, %d" % (cursor, size, x, y)
                    for y in range(first, size - 1) for x in range(size - 1)
                    if image[y][x] in lines
                    and image[y][x] == image[y][x + 1] == image[y + 1][x] == image[y + 1][x + 1]]
print("\n".join(trouble[:20]) or "ok")
sys.exit(1 if trouble else 0)
