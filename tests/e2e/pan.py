#!/usr/bin/env python3
"""Right-drag on the real program: at zoom 3 a drag of 30 pixels right and 12 up moves the view
exactly 10 snapshot pixels left and 4 down, in several steps whose remainders carry over.

usage: pan.py tarvok.exe
"""
import sys

from harness import MICRO, Session, magnification_problems, run
from zoom import BOTTOM_STRIP, HEIGHT, WIDTH

# Zoom 3 around (400, 300): origin (400 - 133.333333, 300 - 100).
ZOOM3 = (266666667, 200 * MICRO)
PANNED = (256666667, 204 * MICRO)


def drag_right_and_up(session):
    session.move(400, 300)
    session.expect_pointer(400, 300)
    session.key("3")
    session.expect("zoom 3", lambda shot: magnification_problems(shot, 3, ZOOM3,
                                                                skip=[BOTTOM_STRIP]))
    # Steps of 7.5 and 3 pixels: the divisions by 3 leave remainders to carry.
    session.drag((400, 300), (430, 288), button=3)
    session.expect("after the right-drag", lambda shot: magnification_problems(
        shot, 3, PANNED, skip=[BOTTOM_STRIP]))


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, drag_right_and_up)


if __name__ == "__main__":
    main()
