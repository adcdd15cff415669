#!/usr/bin/env python3
"""The real program on a 7680 x 4320 screen, far past the 2147 pixels that 32-bit millionths
could hold: it starts and freezes the desktop, "9" at the bottom-right corner keeps the view
inside the snapshot and the pointer on the same picture point, a box drag is outlined where it
was drawn and reads its size, and Escape ends it with exit code 0.

usage: screen_8k.py tarvok.exe
"""
import sys

from harness import MICRO, Failure, Image, Session, magnification_problems, run

WIDTH, HEIGHT = 7680, 4320
READOUT = (0, HEIGHT - 48, 500, HEIGHT)
# Zoom 45 at (7679, 4319): the view stops at its limits, 7680 - 7680/45 and 4320 - 4320/45.
ORIGIN = (7509333334, 4224 * MICRO)
BOX = (5000, 3000, 7000, 4000)   # pressed at the first corner, released at the second


def frozen(session):
    session.start(timeout=60)
    # The first frame takes a few seconds to reach the screen at this size.
    session.expect_screen(Image.pattern(WIDTH, HEIGHT), allow=[READOUT], timeout=60)
    print("resident memory after the first frame: %.0f MB" % (session.resident_megabytes() or 0))


def zoom_at_corner(session):
    session.move(WIDTH - 1, HEIGHT - 1)
    session.expect_pointer(WIDTH - 1, HEIGHT - 1)
    session.key("9")
    session.expect_pointer(7635, 4275)
    session.expect("zoom 45 at the corner", lambda shot: magnification_problems(
        shot, 45, ORIGIN, skip=[READOUT], step=37), timeout=30)


def box_drag(session):
    session.key("1")
    session.expect_screen(Image.pattern(WIDTH, HEIGHT), allow=[READOUT], timeout=30)
    left, top, right, bottom = BOX
    session.drag((left, top), (right, bottom), release=False)

    def outlined(shot):
        edges = {"left": [(left, top + i) for i in range(5, 25)],
                 "right": [(right, bottom - i) for i in range(5, 25)],
                 "top": [(left + i, top) for i in range(5, 25)],
                 "bottom": [(right - i, bottom) for i in range(5, 25)]}
        for name, pixels in edges.items():
            colours = {shot.pixel(x, y) for x, y in pixels}
            if colours != {(255, 0, 0), (255, 255, 255)}:
                return "the %s edge is not a dotted red line: %s" % (name, colours)
        return None
    session.expect("box %s" % (BOX,), outlined, timeout=30)
    session.expect("the box's size in the read-out", lambda shot: session.readout_problem(
        shot, "X: 5000, Y: 3000    Size: 2001 X 1001", HEIGHT - 30), timeout=30)
    session.release()


def quits(session):
    session.key("Escape")
    code = session.wait_exit(timeout=30)
    if code != 0:
        raise Failure("exit code %d after Escape" % code)


def main():
    run(sys.argv[1], WIDTH, HEIGHT, frozen, zoom_at_corner, box_drag, quits)


if __name__ == "__main__":
    main()
