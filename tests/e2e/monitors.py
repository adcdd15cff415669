#!/usr/bin/env python3
"""Two monitors side by side. Started on the primary, the program keeps the pointer there
while it is in front; with another program in front the pointer moves freely, the program
takes it again when it is back in front, and lets it go when it ends. Started with the pointer
on the right-hand monitor, it freezes and measures that one, counting from its top-left.

usage: monitors.py tarvok.exe foreground_window.exe
"""
import subprocess
import sys
import time

import pattern
from harness import Failure, Session, run

MONITORS = [("LEFT", 1024, 768, 0, 0), ("RIGHT", 800, 600, 1024, 0)]
ON_RIGHT, NEAREST_ON_LEFT = (1500, 300), (1023, 300)
ON_LEFT, NEAREST_ON_RIGHT = (500, 300), (1024, 300)
OTHER_AT = (1100, 100)   # the other program's 200 x 100 window, on the right monitor


def move_lands_at(session, to, at, timeout=10):
    """Moves the pointer to `to` until it lands at `at`: a change of the program in front
    takes effect a moment later, and only a move after it shows where the pointer may go."""
    began = time.monotonic()
    while True:
        session.move(*to)
        if session.pointer() == at:
            return
        if time.monotonic() - began > timeout:
            raise Failure("a move to %s lands at %s, expected %s" % (to, session.pointer(), at))
        time.sleep(0.1)


def desktop_shows(column, rows):
    """A check that a screen column shows the desktop pattern: no window border on it."""
    def check(shot):
        wrong = [y for y in range(*rows) if shot.pixel(column, y) != pattern.colour(column, y)]
        return "column %d differs from the desktop in rows %s" % (column, wrong[:5]) \
            if wrong else None
    return check


def held_from_the_start(session):
    session.start()
    time.sleep(1)
    session.move(*ON_RIGHT)
    if session.pointer() != NEAREST_ON_LEFT:
        raise Failure("a move to %s a second after start lands at %s"
                      % (ON_RIGHT, session.pointer()))
    session.expect("no border on the right monitor", desktop_shows(1024, (0, 600)))


def away_and_back(helper):
    def step(session):
        other = subprocess.Popen(["wine", helper] + [str(v) for v in OTHER_AT],
                                 env=session.env(), cwd=session.tmp,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        move_lands_at(session, ON_RIGHT, ON_RIGHT)
        # The other program's window is left to settle before a key typed there closes it.
        time.sleep(1)
        session.move(OTHER_AT[0] + 50, OTHER_AT[1] + 50)
        session.key("x")
        if other.wait(10) != 0:
            raise Failure("the other program ended with %d" % other.returncode)
        move_lands_at(session, ON_RIGHT, NEAREST_ON_LEFT)
    return step


def free_after_exit(to):
    def step(session):
        session.key("Escape")
        if session.wait_exit() != 0:
            raise Failure("exit code %d after Escape, expected 0" % session.exit_code)
        move_lands_at(session, to, to)
    return step


def started_on_the_right(session):
    session.move(1300, 300)
    session.start()
    session.move(1100, 50)
    session.expect("the position on the right monitor",
                   lambda shot: session.readout_problem(shot, "X: 76, Y: 50", 570, left=1044))
    session.expect("no border on the left monitor", desktop_shows(1023, (0, 768)))
    session.move(*ON_LEFT)
    if session.pointer()[0] < 1024:
        raise Failure("a move to %s lands at %s, off the monitor" % (ON_LEFT, session.pointer()))
    session.move(1300, 300)
    session.key("2")
    session.expect_pointer(1424, 300)

    def magnified(shot):
        seen = pattern.position(*shot.pixel(1424, 300))
        return None if abs(seen[0] - 1300) <= 1 and abs(seen[1] - 300) <= 1 else \
            "(1424, 300) shows %s, expected (1300, 300)" % (seen,)
    session.expect("the picture at zoom 2", magnified)


def main():
    run(sys.argv[1], 1824, 768, held_from_the_start, away_and_back(sys.argv[2]),
        free_after_exit(ON_RIGHT), started_on_the_right, free_after_exit(ON_LEFT),
        monitors=MONITORS)


if __name__ == "__main__":
    main()
