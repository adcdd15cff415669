#!/usr/bin/env python3
"""Colour checks on the real program, on a desktop of flat greys and a one-pixel checkerboard:
a click picks white, the read-out then names the contrast of what lies under the pointer with
it, A averages a 3 x 3 area, and Ctrl+C copies the average. Ratios worked by hand.

usage: colour_checks.py tarvok.exe
"""
import sys

from harness import Image, Session, run
from zoom import HEIGHT, WIDTH

BACKGROUND = (0x33, 0x66, 0x99)  # neither the read-out's ink nor its background
BLOCKS = [((20, 20, 100, 100), (255, 255, 255)), ((120, 120, 200, 200), (119, 119, 119)),
          ((220, 120, 300, 200), (118, 118, 118))]
CHECKERBOARD = (100, 300, 250, 400)  # white where x + y is odd


def desktop():
    def colour(x, y):
        left, top, right, bottom = CHECKERBOARD
        if left <= x < right and top <= y < bottom:
            return b"\xff\xff\xff" if (x + y) % 2 else b"\0\0\0"
        for (l, t, r, b), c in BLOCKS:
            if l <= x < r and t <= y < b:
                return bytes(c)
        return bytes(BACKGROUND)
    return Image(WIDTH, HEIGHT, b"".join(colour(x, y) for y in range(HEIGHT)
                                         for x in range(WIDTH)))


def start(session):
    session.show_on_root(desktop())
    session.start()


def expect_readout(session, pointer, text):
    session.move(*pointer)
    session.expect(text, lambda shot: session.readout_problem(shot, text, HEIGHT - 30))


def contrast_and_average(session):
    session.move(60, 60)
    session.key("space")
    session.xdotool("click", 1)
    session.expect_clipboard("#FFFFFF")
    expect_readout(session, (140, 140), "X: 140, Y: 140    R: 119, G: 119, B: 119    "
                   "Color: #777777    Contrast with #FFFFFF: 4.47 AA large")
    expect_readout(session, (240, 140), "X: 240, Y: 140    R: 118, G: 118, B: 118    "
                   "Color: #767676    Contrast with #FFFFFF: 4.54 AA")
    session.move(151, 350)
    session.key("a")
    expect_readout(session, (151, 350), "X: 151, Y: 350    Average: 3 X 3    R: 142, G: 142, "
                   "B: 142    Color: #8E8E8E    Contrast with #FFFFFF: 3.27 AA large")
    session.key("ctrl+c")
    session.expect_clipboard("#8E8E8E")


def main():
    run(sys.argv[1], WIDTH, HEIGHT, start, contrast_and_average)


if __name__ == "__main__":
    main()
