#!/usr/bin/env python3
"""The read-out on a display scaled to 150 % (Wine's LogPixels 144): a box drag shows its size
in pixels and in the scaled units designs use, and the position text does likewise.

usage: scaled.py tarvok.exe
"""
import sys

from harness import Failure, run

WIDTH, HEIGHT = 1280, 800
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


def at_150_percent(session):
    # The prefix is shared with the other tests: the setting lasts only as long as this one.
    session.wine_command("reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD",
                         "/d", "144", "/f")
    try:
        session.start()
        session.drag((300, 201), (840, 560), release=False)
        session.expect("the size at 150 %", lambda shot: session.readout_problem(
            shot, "X: 300, Y: 201    Size: 541 X 360    (361 X 240 at 150 %)", HEIGHT - 30))
        session.release()
        session.expect("the position at 150 %", lambda shot: session.readout_problem(
            shot, "X: 840, Y: 560    (560, 373 at 150 %)", HEIGHT - 30))
        session.key("Escape")
        if session.wait_exit(timeout=10) != 0:
            raise Failure("exit code %d" % session.exit_code)
    finally:
        session.wine_command("reg", "delete", DESKTOP_KEY, "/v", "LogPixels", "/f")


def main():
    run(sys.argv[1], WIDTH, HEIGHT, at_150_percent)


if __name__ == "__main__":
    main()
