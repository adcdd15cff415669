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


def write_ppm(width, height, path):
    rows = bytearray()
    for y in range(height):
        for x in range(width):
            rows += bytes(colour(x, y))
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height) + rows)


if __name__ == "__main__":
    write_ppm(int(sys.argv[1]), int(sys.argv[2]), sys.argv[3])
