#!/usr/bin/env python3
"""Start-up and exit of the real program: the window freezes the desktop exactly and covers
all of it, and the quit keys end the program with exit code 0.

usage: frozen_screen.py CASE tarvok.exe   (CASE: escape, alt-f4, escape-large)
"""
import sys

from harness import Failure, Image, run


def readout_corner(width, height):
    # The read-out line stands in the bottom-left corner and covers the snapshot there; the
    # rest of the first frame is the snapshot untouched.
    return [(0, height - 48, min(width, 400), height)]


def start_frozen(session):
    """Starts the program on the pattern, then swaps the desktop picture for its inverse: a
    window that shows the snapshot and covers the whole screen keeps showing the pattern."""
    width, height = session.width, session.height
    session.start()
    under = Image.inverted_pattern(width, height)
    session.show_on_root(under)
    session.expect_screen(Image.pattern(width, height), allow=readout_corner(width, height),
                          under=under)


def quits_with(session, keys):
    session.key(keys)
    code = session.wait_exit(timeout=10)
    if code != 0:
        raise Failure("exit code %d after %s, expected 0" % (code, keys))


CASES = {
    "escape": (800, 600, "Escape"),
    "alt-f4": (800, 600, "alt+F4"),
    "escape-large": (2560, 1440, "Escape"),
}


def main():
    case, exe = sys.argv[1], sys.argv[2]
    width, height, keys = CASES[case]
    run(exe, width, height, start_frozen, lambda session: quits_with(session, keys))


if __name__ == "__main__":
    main()
