#!/usr/bin/env python3
"""Two monitors side by side: while the program is in front, the pointer stays on the primary
screen whose picture it froze; with another program in front it moves freely, the program
takes it again when it is back in front, and lets it go when it ends.

usage: monitors.py tarvok.exe foreground_window.exe
"""
import subprocess
import sys
import time

from harness import Failure, Session, run

MONITORS = [("LEFT", 1024, 768, 0, 0), ("RIGHT", 800, 600, 1024, 0)]
ON_RIGHT, NEAREST_ON_LEFT = (1500, 300), (1023, 300)
OTHER_AT = (1100, 100)   # the other program's 200 x 100 window, on the right monitor


def move_lands_at(session, at, timeout=10):
    """Moves the pointer to ON_RIGHT until it lands at `at`: a change of the program in front
    takes effect a moment later, and only a move after it shows where the pointer may go."""
    began = time.monotonic()
    while True:
        session.move(*ON_RIGHT)
        if session.pointer() == at:
            return
        if time.monotonic() - began > timeout:
            raise Failure("a move to %s lands at %s, expected %s"
                          % (ON_RIGHT, session.pointer(), at))
        time.sleep(0.1)


def away_and_back(helper):
    def step(session):
        other = subprocess.Popen(["wine", helper] + [str(v) for v in OTHER_AT],
                                 env=session.env(), cwd=session.tmp,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        move_lands_at(session, ON_RIGHT)
        # Under Wine a pointer clip made while its desktop process still deals with a window
        # just shown is often undone a moment later; the program's first clip, made as it
        # starts, mostly was. So that one goes unchecked, and the other program's window is
        # left to settle before a key typed there closes it.
        time.sleep(1)
        session.move(OTHER_AT[0] + 50, OTHER_AT[1] + 50)
        session.key("x")
        if other.wait(10) != 0:
            raise Failure("the other program ended with %d" % other.returncode)
        move_lands_at(session, NEAREST_ON_LEFT)
    return step


def free_after_exit(session):
    session.key("Escape")
    if session.wait_exit() != 0:
        raise Failure("exit code %d after Escape, expected 0" % session.exit_code)
    move_lands_at(session, ON_RIGHT)


def main():
    run(sys.argv[1], 1824, 768, Session.start, away_and_back(sys.argv[2]), free_after_exit,
        monitors=MONITORS)


if __name__ == "__main__":
    main()
