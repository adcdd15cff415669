#!/usr/bin/env python3
"""Zoom keys on the real program: each changed factor centres the snapshot point under the
pointer, clamps the view to the snapshot, moves the pointer onto the same picture point and
repaints the whole window magnified; keys that name no new factor change nothing.

usage: zoom.py tarvok.exe
"""
import sys
import time

from harness import INK, MICRO, Image, Session, magnification_problems, run

WIDTH, HEIGHT = 800, 600
# Where the read-out line may stand: bottom left, or top left while the pointer is near the
# bottom. Rows and columns a little beyond the text so a misplaced line still lands inside.
TOP_STRIP = (0, 15, 450, 45)
BOTTOM_STRIP = (0, HEIGHT - 39, 450, HEIGHT)

# key, pointer before, factor, view origin in millionths, pointer after
STEPS = [
    ("2", (100, 100), 2, (0, 0), (200, 200)),
    ("5", (200, 200), 6, (33333334, 50 * MICRO), (400, 300)),
    ("9", (400, 300), 45, (91111112, 93333334), (400, 300)),
]


def readout_problem(shot, at, away):
    """None if the read-out's text is in strip at and none is in strip away."""
    if not shot.pixels_of([INK[0]], at) or not shot.pixels_of([INK[1]], at):
        return "no black text on white in %s" % (at,)
    stray = shot.pixels_of(INK, away)
    if stray:
        return "text pixels in %s, e.g. %s" % (away, stray[:5])
    return None


def unzoomed(session):
    """At zoom 1 the window shows the snapshot itself, read-out aside."""
    session.expect_screen(Image.pattern(WIDTH, HEIGHT), allow=[BOTTOM_STRIP])


def keys_that_change_nothing(session):
    session.move(100, 100)
    session.expect_pointer(100, 100)
    session.key("1", "0")
    # Nothing must happen, so give a wrong repaint or pointer warp a moment to show; the steps
    # that follow start from this state and would fail as well.
    time.sleep(0.3)
    session.expect_pointer(100, 100)
    unzoomed(session)


def zoom_steps(session):
    for key, before, factor, origin, after in STEPS:
        session.expect_pointer(*before)
        session.key(key)
        session.expect_pointer(*after)
        session.expect("key %s: zoom %d" % (key, factor),
                       lambda shot: magnification_problems(shot, factor, origin,
                                                           skip=[BOTTOM_STRIP]))
    # Back to 1 from 45 at (400, 300): the view would start left of and above the snapshot.
    session.key("1")
    session.expect_pointer(100, 100)
    unzoomed(session)
    session.expect("read-out at the bottom left",
                   lambda shot: readout_problem(shot, BOTTOM_STRIP, TOP_STRIP))


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, keys_that_change_nothing, zoom_steps)


if __name__ == "__main__":
    main()
