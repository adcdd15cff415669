#!/usr/bin/env python3
"""Colour formats, the wheel and the pixel grid on the real program: a click copies the colour
in the format F chose; G below zoom 6 draws nothing, one wheel notch zooms as the key 2 does, and
at zoom 10 each cell's top row and left column are drawn in the grid colour.

usage: formats_wheel_grid.py tarvok.exe
"""
import sys

import pattern
from harness import Image, Session, magnification_problems, run
from zoom import BOTTOM_STRIP, HEIGHT, WIDTH


def formats(session):
    """F three times, then a click copies oklch(). The pattern pixel (300, 200), red 44, green
    200, blue 16, is OKLab lightness 72.60 %, chroma 0.2373, hue 141.52, worked by hand."""
    session.move(300, 200)
    session.expect_pointer(300, 200)
    session.key("space", "f", "f", "f")
    session.xdotool("click", 1)
    session.expect_clipboard("oklch(72.6% 0.237 141.5)")
    session.key("space")


def zoom_ten_with_grid(left, top):
    """The pattern from (left, top) at zoom 10, each cell's first row and column in the grid
    colour: half the cell's, lifted by 128 on a dark cell."""
    def grid(c):
        lift = 128 if 299 * c[0] + 587 * c[1] + 114 * c[2] < 128000 else 0
        return bytes(v // 2 + lift for v in c)
    rows = []
    for y in range(HEIGHT):
        cells = [pattern.colour(left + x // 10, top + y // 10) for x in range(0, WIDTH, 10)]
        rows += [grid(c) * 10 if y % 10 == 0 else grid(c) + bytes(c) * 9 for c in cells]
    return Image(WIDTH, HEIGHT, b"".join(rows))


def wheel_and_grid(session):
    session.move(100, 100)
    session.expect_pointer(100, 100)
    session.key("g")
    session.xdotool("click", 4)  # one notch away from the user
    session.expect_pointer(200, 200)
    session.expect("one wheel notch: zoom 2, no grid yet",
                   lambda shot: magnification_problems(shot, 2, (0, 0), skip=[BOTTOM_STRIP]))
    session.key("6")  # zoom 10 around the snapshot's (100, 100): the view starts at (60, 70)
    session.expect_pointer(400, 300)
    session.expect_screen(zoom_ten_with_grid(60, 70), allow=[BOTTOM_STRIP])


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, formats, wheel_and_grid)


if __name__ == "__main__":
    main()
