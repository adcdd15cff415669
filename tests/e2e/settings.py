#!/usr/bin/env python3
"""Settings kept between runs: a run that changes them writes the settings file as it ends; the
next one starts with them and, changing nothing, leaves the file as it was.

usage: settings.py tarvok.exe
"""
import os
import sys

from harness import Failure, Session, run

WRITTEN = (b"[Tarvok]\r\nColorFormat=oklch\r\nSampleArea=1\r\nSizeCursor=1\r\nColorCursor=2\r\n"
           b"Grid=off\r\nEdges=on\r\nTolerance=16\r\nShortcut=Win+Alt+M\r\n")


def expect_written(path):
    with open(path, "rb") as f:
        seen = f.read()
    if seen != WRITTEN:
        raise Failure("the settings file holds %r, expected %r" % (seen, WRITTEN))
    return os.stat(path).st_mtime_ns


def change_then_start_with_them(session):
    path = os.path.join(session.settings_dir(), "settings.ini")
    session.move(300, 200)
    session.expect_pointer(300, 200)
    # oklch() and the second eyedropper in colour mode, then edges on at tolerance 16.
    session.key("space", "f", "f", "f", "Return", "space", "e", "Prior", "Escape")
    session.wait_exit()
    written = expect_written(path)
    session.start()
    # The pattern pixel (300, 200) is red 44, green 200, blue 16: its runs at tolerance 16 reach
    # the pattern's jumps at 256 and 512.
    session.key("ctrl+c")
    session.expect_clipboard("X: 300, Y: 200    Spacing: 256 X 256    Tolerance: 16")
    session.key("space", "ctrl+c")
    session.expect_clipboard("oklch(72.6% 0.237 141.5)")
    session.key("Escape")
    if session.wait_exit() != 0 or expect_written(path) != written:
        raise Failure("the second run, changing nothing, wrote the file or ended with %d"
                      % session.exit_code)


def main():
    run(sys.argv[1], 800, 600, Session.start, change_then_start_with_them)


if __name__ == "__main__":
    main()
