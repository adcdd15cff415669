#!/usr/bin/env python3
"""Draws the application icon, a magnifier glass over a ruler edge, as tarvok.ico
(16 x 16 and 32 x 32, 32 bits per pixel). Run: python3 res/make_icon.py res/tarvok.ico"""
import math
import struct
import sys

RIM = (40, 40, 48)
LENS = (170, 215, 245)
HANDLE = (120, 70, 30)
SAMPLES = 4


def shade(x, y, size):
    """Colour and coverage of one sample point; coordinates in units of the icon size."""
    u, v = x / size, y / size
    cx, cy, r = 0.40, 0.40, 0.30
    d = math.hypot(u - cx, v - cy)
    if abs(d - r) <= 0.055:
        return RIM, 1.0
    if d < r:
        return LENS, 0.85
    # Handle: a thick segment along the diagonal from the rim to the corner.
    t = ((u - cx) + (v - cy)) / 2
    off = abs((u - cx) - (v - cy)) / math.sqrt(2)
    if r * 0.7 < t * math.sqrt(2) <= 0.80 and off <= 0.075:
        return HANDLE, 1.0
    return None, 0.0


def render(size):
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0]
            alpha = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour, a = shade(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES, size)
                    if colour:
                        for i in range(3):
                            acc[i] += colour[i] * a
                        alpha += a
            n = SAMPLES * SAMPLES
            if alpha > 0:
                rgb = tuple(int(round(c / alpha)) for c in acc)
            else:
                rgb = (0, 0, 0)
            row.append((rgb, int(round(255 * alpha / n))))
        rows.append(row)
    return rows


def icon_image(size):
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(pixels):
        for (r, g, b), a in row:
            xor += bytes((b, g, r, a))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + mask


def main(path):
    images = [icon_image(s) for s in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "tarvok.ico")
