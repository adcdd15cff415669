#!/usr/bin/env python3
"""The cursors' 48 x 48 and 64 x 64 images as the generator draws them (cursor_files checks that
the committed files are those): the hotspot on the design's measuring pixel, and lines one pixel
wide (no 2 x 2 block of one line kind), save in the eyedroppers' neck, drawn thick by design.
The committed files' directories hold the same hotspots."""
import struct
import sys
from pathlib import Path

RES = Path(__file__).resolve().parents[2] / "res"
sys.path.insert(0, str(RES))
from make_cursors import BLACK, CLEAR, CURSORS, INVERT, WHITE, images  # noqa: E402

# Id: hotspots at 48 and 64, the pixel there, line kinds, first row at 48 and 64 below which
# all lines are thin (for the eyedroppers their design row 14, where the neck ends).
CASES = {
    101: ((12, 12), (17, 17), CLEAR, [INVERT], (0, 0)),
    102: ((23, 23), (31, 31), CLEAR, [INVERT], (0, 0)),
    103: ((23, 23), (31, 31), BLACK, [BLACK, WHITE], (0, 0)),
    104: ((14, 14), (19, 19), CLEAR, [BLACK, WHITE], (0, 0)),
    105: ((15, 30), (21, 41), CLEAR, [INVERT], (21, 29)),
    106: ((15, 30), (21, 41), WHITE, [BLACK], (21, 29)),
    107: ((15, 30), (21, 41), BLACK, [WHITE], (21, 29)),
}

trouble = []
for cursor, (hot48, hot64, at_hotspot, lines, thin_from) in CASES.items():
    name, hotspot, draw, inside = CURSORS[cursor]
    data = (RES / "cursors" / name).read_bytes()
    # Directory entries: width, height, colours, reserved, hotspot x and y, size, offset.
    stored = {e[0]: e[4:6] for e in struct.iter_unpack("<BBBBHHII", data[6:6 + 16 * data[4]])}
    trouble += ["%s: the %d px hotspot is %s, expected %s" % (name, size, stored.get(size), want)
                for size, want in ((48, hot48), (64, hot64)) if stored.get(size) != want]
    for (size, (hx, hy), image), want, first in zip(images(hotspot, draw, inside)[1:],
                                                    (hot48, hot64), thin_from):
        if (hx, hy) != want or image[hy][hx] != at_hotspot:
            trouble.append("%d at %d: hotspot %s, expected %s on %s" % (
                cursor, size, (hx, hy), want, at_hotspot))
        trouble += ["%d at %d: a thick line at %d, %d" % (cursor, size, x, y)
                    for y in range(first, size - 1) for x in range(size - 1)
                    if image[y][x] in lines
                    and image[y][x] == image[y][x + 1] == image[y + 1][x] == image[y + 1][x + 1]]
print("\n".join(trouble[:20]) or "ok")
sys.exit(1 if trouble else 0)
