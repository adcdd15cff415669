#!/usr/bin/env python3
"""The coordinate test pattern: each pixel's colour names its position, so any screenshot
pixel tells which snapshot pixel it shows. red = x mod 256, green = y mod 256,
blue = (x div 256) * 16 + (y div 256), both high parts taken mod 16."""
import sys


def colour(x, y):
    return x % 256, y % 256, ((x >> 8) & 15) * 16 + ((y >> 8) & 15)


def position(r, g, b):
    """Inverse of colour() for screens up to 4096 pixels."""
    return (b >> 4) * 256 + r, (b & 15) * 256 + g


def pattern_bytes(width, height):
    """The pattern as packed RGB rows, top row first. Rows repeat every 4096 lines, so each
    distinct row is built once by slicing: a per-pixel loop takes seconds on large screens."""
    red = bytes(x % 256 for x in range(width))
    blue_high = [((x >> 8) & 15) * 16 for x in range(width)]
    rows = {}
    out = bytearray()
    for y in range(height):
        key = y % 4096
        row = rows.get(key)
        if row is None:
            row = bytearray(3 * width)
            row[0::3] = red
            row[1::3] = bytes([y % 256]) * width
            row[2::3] = bytes(b + ((y >> 8) & 15) for b in blue_high)
            rows[key] = row
        out += row
    return bytes(out)


def write_ppm(width, height, path):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height) + pattern_bytes(width, height))


if __name__ == "__main__":
    write_ppm(int(sys.argv[1]), int(sys.argv[2]), sys.argv[3])
