#!/usr/bin/env python3
"""Two monitors side by side: while the program is the active one, the pointer stays on the
primary screen whose picture it froze; with another program in front the pointer moves
freely, the program takes it again when it is back in front, and lets it go when it ends.

usage: monitors.py tarvok.exe foreground_window.exe
"""
import subprocess
import sys
import time

from harness import Failure, Session, run

WIDTH, HEIGHT = 1824, 768
MONITORS = [("LEFT", 1024, 768, 0, 0), ("RIGHT", 800, 600, 1024, 0)]
ON_RIGHT = (1500, 300)
NEAREST_ON_LEFT = (1023, 300)
OTHER_AT = (1100, 100)   # the other program's window, 200 x 100, on the right monitor


def move_lands_at(session, at, timeout=10):
    """Moves the pointer to ON_RIGHT until it lands at `at`. A change of the active program
    takes effect a moment later, and only a move after it shows where the pointer may go."""
    began = time.monotonic()
    while True:
        session.move(*ON_RIGHT)
        seen = session.pointer()
        if seen == at:
            return
        if time.monotonic() - began > timeout:
            raise Failure("a move to %s lands at %s, expected %s" % (ON_RIGHT, seen, at))
        time.sleep(0.1)


class OtherProgram:
    """Another program that comes to the front over the tool and closes on a key."""

    def __init__(self, exe):
        self.exe, self.process = exe, None

    def comes_to_front(self, session):
        self.process = subprocess.Popen(["wine", self.exe] + [str(v) for v in OTHER_AT],
                                        env=session.env(), cwd=session.tmp,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        move_lands_at(session, ON_RIGHT)

    def closes(self, session):
        # Under Wine a pointer clip made while its desktop process still deals with a window
        # just shown is often undone a moment later; the program's first clip, made as it
        # starts, mostly was. So that one is not checked, and the other program's window is
        # left to settle before the key.
        time.sleep(1)
        session.move(OTHER_AT[0] + 50, OTHER_AT[1] + 50)
        session.key("x")
        if self.process.wait(10) != 0:
            raise Failure("the other program ended with %d" % self.process.returncode)


def confined_when_back_in_front(session):
    move_lands_at(session, NEAREST_ON_LEFT)


def free_after_exit(session):
    session.key("Escape")
    code = session.wait_exit()
    if code != 0:
        raise Failure("exit code %d after Escape, expected 0" % code)
    move_lands_at(session, ON_RIGHT)


def main():
    other = OtherProgram(sys.argv[2])
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, other.comes_to_front, other.closes,
        confined_when_back_in_front, free_after_exit, monitors=MONITORS)


if __name__ == "__main__":
    main()
