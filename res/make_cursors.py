#!/usr/bin/env python3
"""Draws the seven cursors, four crosshairs for size mode and three eyedroppers for colour mode,
as monochrome .cur files holding one image drawn at each cursor size Windows uses from 100 % to
400 % scaling (32 px at 96 DPI, in proportion to the DPI), so the system never resamples one.
Run: python3 res/make_cursors.py [folder], by default res/cursors. With --check it writes nothing
and fails if the files there differ from what it would write."""
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


def blank(size=SIZE):
    return [[CLEAR] * size for _ in range(size)]


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


# Resource id: (file name, hotspot (x, y), image, inside). The crosshairs are rows and columns
# (inside None); the eyedroppers are outlines whose inside, when enlarged, takes that kind.
CURSORS = {
    101: ("thin-crosshair.cur", (8, 8), thin_crosshair, None),
    102: ("hollow-crosshair.cur", (15, 15), hollow_crosshair, None),
    103: ("solid-crosshair.cur", (15, 15), solid_crosshair, None),
    104: ("dashed-crosshair.cur", (9, 9), dashed_crosshair, None),
    105: ("eyedropper-inverting.cur", (10, 20), lambda: eyedropper(INVERT, None), CLEAR),
    106: ("eyedropper-black.cur", (10, 20), lambda: eyedropper(BLACK, WHITE), WHITE),
    107: ("eyedropper-white.cur", (10, 20), reversed_eyedropper, BLACK),
}
# 125, 150, 175, 200, 225, 250, 300, 350 and 400 %.
LARGER = (40, 48, 56, 64, 72, 80, 96, 112, 128)


def place(c, hot, hot_there, factor):
    """Where design column or row c lands at factor, counted from the hotspot and rounded half
    away from it, so that lines stay symmetric around the measuring pixel."""
    d = (c - hot) * factor
    return hot_there + (int(d + 0.5) if d >= 0 else -int(-d + 0.5))


def enlarged(image, hotspot, inside, size):
    """The design redrawn size / 32 times larger, not stretched: each line pixel becomes a point
    at the larger scale, and neighbouring points are joined by one-pixel lines. Returns the
    image and its hotspot, the design's hotspot pixel at the larger scale."""
    factor = size / SIZE
    hot = tuple(int((h + 0.5) * factor) for h in hotspot)
    out = blank(size)

    def kind(x, y):
        held = 0 <= x < SIZE and 0 <= y < SIZE and image[y][x] not in (CLEAR, inside)
        return image[y][x] if held else None

    def runs_along(x, y, dx, dy):
        return kind(x, y) in (kind(x + dx, y + dy), kind(x - dx, y - dy))

    def join(x, y, dx, dy):
        # Two kinds meet end to end along a dashed line, never side by side.
        if dx and dy:
            # A diagonal step is an outline's, where no straight step joins the two already.
            same = kind(x, y) == kind(x + dx, y + dy)
            return same and inside is not None and kind(x, y) not in (kind(x + dx, y),
                                                                      kind(x, y + dy))
        return kind(x, y) == kind(x + dx, y + dy) or (
            runs_along(x, y, dx, dy) and runs_along(x + dx, y + dy, dx, dy))

    def point(x, y):
        return place(x, hotspot[0], hot[0], factor), place(y, hotspot[1], hot[1], factor)

    for y in range(SIZE):
        for x in range(SIZE):
            if kind(x, y) is None:
                continue
            px, py = point(x, y)
            out[py][px] = kind(x, y)
            for dx, dy in ((1, 0), (0, 1), (1, 1), (-1, 1)):
                if kind(x + dx, y + dy) is not None and join(x, y, dx, dy):
                    segment(out, (x, y), (x + dx, y + dy), point, kind, hotspot)
    if inside is not None:
        fill_inside(out, inside)
    return out, hot


def segment(out, a, b, point, kind, hotspot):
    """A one-pixel line between the points of design pixels a and b; each half takes its end's
    kind, the middle pixel that of the end farther from the hotspot."""
    def distance(p):
        return abs(p[0] - hotspot[0]) + abs(p[1] - hotspot[1])
    if distance(a) < distance(b):
        a, b = b, a
    (x0, y0), (x1, y1) = point(*a), point(*b)
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps + 1):
        x, y = round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps)
        out[y][x] = kind(*a) if 2 * i <= steps else kind(*b)


def fill_inside(image, kind):
    """Paints kind where the clear pixels cannot reach the edge in straight steps."""
    size = len(image)
    outside = set()
    todo = [(x, y) for x in range(size) for y in (0, size - 1)] + \
        [(x, y) for y in range(size) for x in (0, size - 1)]
    while todo:
        x, y = todo.pop()
        if (x, y) in outside or not (0 <= x < size and 0 <= y < size) or image[y][x] != CLEAR:
            continue
        outside.add((x, y))
        todo += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
    for y in range(size):
        for x in range(size):
            if image[y][x] == CLEAR and (x, y) not in outside:
                image[y][x] = kind


def images(hotspot, draw, inside):
    """(size, hotspot, image) of each size a cursor file holds, the design's own first."""
    design = draw()
    out = [(SIZE, hotspot, design)]
    for size in LARGER:
        image, hot = enlarged(design, hotspot, inside, size)
        out.append((size, hot, image))
    return out


def mask(image, bit):
    """One 1-bit mask: rows bottom-up, each padded to 4 bytes, leftmost pixel in the high bit."""
    out = bytearray()
    for row in reversed(image):
        bits = bytearray((len(row) + 31) // 32 * 4)
        for x, pixel in enumerate(row):
            if pixel[bit]:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return out


def bitmap(image):
    # Height counts both masks; the XOR mask comes first, then the AND mask.
    size = len(image)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 0, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return header + palette + mask(image, 1) + mask(image, 0)


def cur_file(pictures):
    directory = struct.pack("<HHH", 0, 2, len(pictures))
    offset = 6 + 16 * len(pictures)
    entries, data = b"", b""
    for size, hotspot, image in pictures:
        bits = bitmap(image)
        entries += struct.pack("<BBBBHHII", size, size, 2, 0, *hotspot, len(bits), offset)
        offset += len(bits)
        data += bits
    return directory + entries + data


def main(args):
    check = "--check" in args
    folders = [a for a in args if a != "--check"]
    folder = Path(folders[0]) if folders else Path(__file__).parent / "cursors"
    stale = []
    for name, hotspot, draw, inside in CURSORS.values():
        data = cur_file(images(hotspot, draw, inside))
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
