#!/usr/bin/env python3
"""The coordinate test pattern: each pixel's colour names its position, so any screenshot
pixel tells which snapshot pixel it shows. red = x mod 256, green = y mod 256,
blue = (x div 256) * 16 + (y div 256), both high parts taken mod 16."""
import functools
import sys


def colour(x, y):
    return x % 256, y % 256, ((x >> 8) & 15) * 16 + ((y >> 8) & 15)


def position(r, g, b):
    """Inverse of colour() for screens up to 4096 pixels."""
    return (b >> 4) * 256 + r, (b & 15) * 256 + g


@functools.lru_cache(maxsize=2)
def pattern_bytes(width, height):
    """The pattern as packed RGB rows, top row first, built by slicing whole rows (a per-pixel
    loop takes seconds on large screens) and kept for the next caller of the same size. Rows
    repeat every 4096 lines, and a row's blue channel takes one of 16 forms."""
    red = bytes(x % 256 for x in range(width))
    blue_high = bytes(((x >> 8) & 15) * 16 for x in range(width))
    blues = [blue_high.translate(bytes((b + low) % 256 for b in range(256))) for low in range(16)]
    rows = bytearray(3 * width * min(height, 4096))
    rows[0::3] = red * (len(rows) // (3 * width))
    for y in range(min(height, 4096)):
        row = rows[3 * width * y:3 * width * (y + 1)]
        row[1::3] = bytes([y % 256]) * width
        row[2::3] = blues[(y >> 8) & 15]
        rows[3 * width * y:3 * width * (y + 1)] = row
    whole, rest = divmod(height, 4096)
    return bytes(rows) * whole + bytes(rows[:3 * width * rest]) if whole else bytes(rows)


def write_ppm(width, height, path):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height) + pattern_bytes(width, height))


if __name__ == "__main__":
    write_ppm(int(sys.argv[1]), int(sys.argv[2]), sys.argv[3])
