#!/usr/bin/env python3
"""Draws the seven cursors, four crosshairs for size mode and three eyedroppers for colour mode,
as 32 x 32 monochrome .cur files. Run: python3 res/make_cursors.py [folder], by default res/cursors.
With --check it writes nothing and fails if the files there differ from what it would write."""
import struct
import sys
from pathlib import Path

SIZE = 32
# Pixel kinds as (AND bit, XOR bit).
CLEAR = (1, 0)
INVERT = (1, 1)
BLACK = (0, 0)
WHITE = (0, 1)


def span(text):
    """Columns or rows as the tables give them: "17 19 20", "18-23" or a mix."""
    out = []
    for part in text.split():
        first, _, last = part.partition("-")
        out += range(int(first), int(last or first) + 1)
    return out


def blank():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def paint(image, kind, cols, rows):
    for y in span(rows):
        for x in span(cols):
            image[y][x] = kind


def thin_crosshair():
    image = blank()
    paint(image, INVERT, "8", "0-16")
    paint(image, INVERT, "0-16", "8")
    paint(image, CLEAR, "8", "8")
    return image


def hollow_crosshair(edge=INVERT):
    image = blank()
    paint(image, edge, "14 16", "0-13 17-30")
    paint(image, edge, "0-14 16-30", "14 16")
    return image


def solid_crosshair():
    image = hollow_crosshair(edge=WHITE)
    paint(image, BLACK, "15", "0-30")
    paint(image, BLACK, "0-30", "15")
    return image


def dashed_crosshair():
    # Each arm, from its outer end to the centre: 3 black, 3 white, 3 black.
    image = blank()
    for kind, run in ((BLACK, "0-2 6-8 10-12 16-18"), (WHITE, "3-5 13-15")):
        paint(image, kind, "9", run)
        paint(image, kind, run, "9")
    return image


# Row: (outline columns, inner columns), tip at the lower left, bulb at the upper right.
EYEDROPPER = {
    5: ("22 23 24", ""),
    6: ("21 23 25", "22 24"),
    7: ("20 22 24 25", "21 23"),
    8: ("17 18 19 21 23 24 25", "20 22"),
    9: ("17 18 19 20 22 23 24", "21"),
    10: ("18-23", ""),
    11: ("17 19 20 21 22", "18"),
    12: ("16 20 21 22", "17 18 19"),
    13: ("15 19 21 22", "16 17 18"),
    14: ("14 18", "15 16 17"),
    15: ("13 17", "14 15 16"),
    16: ("12 16", "13 14 15"),
    17: ("11 15", "12 13 14"),
    18: ("10 14", "11 12 13"),
    19: ("10 13", "11 12"),
    20: ("9 11 12", "10"),
    21: ("9 10", ""),
}


def eyedropper(outline, inner):
    image = blank()
    for row, (outline_cols, inner_cols) in EYEDROPPER.items():
        paint(image, outline, outline_cols, str(row))
        if inner is not None:
            paint(image, inner, inner_cols, str(row))
    return image


def reversed_eyedropper():
    image = eyedropper(WHITE, BLACK)
    image[6][24] = WHITE  # a glint on the bulb, white in both opaque eyedroppers
    return image


# Resource id: (file name, hotspot (x, y), image).
CURSORS = {
    101: ("thin-crosshair.cur", (8, 8), thin_crosshair),
    102: ("hollow-crosshair.cur", (15, 15), hollow_crosshair),
    103: ("solid-crosshair.cur", (15, 15), solid_crosshair),
    104: ("dashed-crosshair.cur", (9, 9), dashed_crosshair),
    105: ("eyedropper-inverting.cur", (10, 20), lambda: eyedropper(INVERT, None)),
    106: ("eyedropper-black.cur", (10, 20), lambda: eyedropper(BLACK, WHITE)),
    107: ("eyedropper-white.cur", (10, 20), reversed_eyedropper),
}


def mask(image, bit):
    """One 1-bit mask: rows bottom-up, 4 bytes each, leftmost pixel in the high bit."""
    out = bytearray()
    for row in reversed(image):
        bits = bytearray(SIZE // 8)
        for x, pixel in enumerate(row):
            if pixel[bit]:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return out


def cur_file(hotspot, image):
    # Height counts both masks; the XOR mask comes first, then the AND mask.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 0, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    data = header + palette + mask(image, 1) + mask(image, 0)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, *hotspot, len(data), 6 + 16)
    return directory + entry + data


def main(args):
    check = "--check" in args
    folders = [a for a in args if a != "--check"]
    folder = Path(folders[0]) if folders else Path(__file__).parent / "cursors"
    stale = []
    for name, hotspot, draw in CURSORS.values():
        data = cur_file(hotspot, draw())
        path = folder / name
        if not check:
            folder.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
        elif not path.exists() or path.read_bytes() != data:
            stale.append(str(path))
    if stale:
        sys.exit("out of date, run res/make_cursors.py %s: %s" % (folder, " ".join(stale)))


if __name__ == "__main__":
    main(sys.argv[1:])
