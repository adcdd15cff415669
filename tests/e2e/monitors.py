#!/usr/bin/env python3
"""Two monitors side by side: while the program is in front, the pointer stays on the primary
screen whose picture it froze; with another program in front it moves freely, the program
takes it again when it is back in front, and lets it go when it ends. A clip that another
program releases is set again. Started on the right-hand monitor, it freezes and measures that
one, and its window border shows on neither.

usage: monitors.py tarvok.exe foreground_window.exe
"""
import subprocess
import sys
import time

import pattern
from harness import Failure, run

MONITORS = [("LEFT", 1024, 768, 0, 0), ("RIGHT", 800, 600, 1024, 0)]
ON_RIGHT, NEAREST_ON_LEFT, ON_LEFT = (1500, 300), (1023, 300), (500, 300)
OTHER_AT = (1100, 100)   # the other program's 200 x 100 window, on the right monitor
LEFT_CLIP = "0,0,1024,768"


def move_lands_at(session, at, timeout=10, to=ON_RIGHT):
    """Moves the pointer to `to` until it lands at `at`: a change of the program in front
    takes effect a moment later, and only a move after it shows where the pointer may go."""
    began = time.monotonic()
    while True:
        session.move(*to)
        if session.pointer() == at:
            return
        if time.monotonic() - began > timeout:
            raise Failure("a move to %s lands at %s, expected %s"
                          % (to, session.pointer(), at))
        time.sleep(0.1)


def seen_by_wine(session, helper, mode, wanted, timeout=10):
    """Runs the helper in mode ("report" or "release") until a Wine process sees the pointer
    and the clip as wanted ("x,y" and "left,top,right,bottom", either None for any); returns
    the seconds that took."""
    began = time.monotonic()
    while True:
        seen = subprocess.run(["wine", helper, mode], env=session.env(), cwd=session.tmp,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              timeout=30).stdout.decode().split()
        if len(seen) == 2 and all(w in (None, s) for w, s in zip(wanted, seen)):
            return time.monotonic() - began
        if time.monotonic() - began > timeout:
            raise Failure("Wine sees pointer and clip %s, expected %s" % (seen, wanted))
        mode = "report"


def away_and_back(helper):
    def away_and_back_step(session):
        other = subprocess.Popen(["wine", helper] + [str(v) for v in OTHER_AT],
                                 env=session.env(), cwd=session.tmp,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        move_lands_at(session, ON_RIGHT)
        # A key typed into a window just come to the front can be lost: typed until it ends.
        session.move(OTHER_AT[0] + 50, OTHER_AT[1] + 50)
        began = time.monotonic()
        while other.poll() is None and time.monotonic() - began < 10:
            session.key("x")
            time.sleep(0.2)
        if other.wait(1) != 0:
            raise Failure("the other program ended with %d" % other.returncode)
        move_lands_at(session, NEAREST_ON_LEFT)
    return away_and_back_step


def held_from_the_start(session):
    session.start()
    move_lands_at(session, NEAREST_ON_LEFT)


def released_by_another_program(helper):
    """Colour mode; another program lets the clip go and the pointer heads for the right-hand
    monitor: the clip is back (as Wine reports it) and the read-out names the edge pixel where
    the pointer is held, in the snapshot's colour."""
    def released_by_another_program_step(session):
        session.key("space")
        # What it reports may already be the clip set again: the program checks it often.
        seen_by_wine(session, helper, "release", (None, None), timeout=0)
        session.move(*ON_RIGHT)
        session.timings["clip back"] = seen_by_wine(session, helper, "report", (None, LEFT_CLIP))
        move_lands_at(session, NEAREST_ON_LEFT)
        text = "X: 1023, Y: 300    R: %d, G: %d, B: %d    Color: #%02X%02X%02X" % (
            pattern.colour(1023, 300) * 2)
        session.expect("the read-out", lambda shot: session.readout_problem(shot, text, 738))
    return released_by_another_program_step


def free_after_exit(session, to=ON_RIGHT):
    session.key("Escape")
    if session.wait_exit() != 0:
        raise Failure("exit code %d after Escape, expected 0" % session.exit_code)
    move_lands_at(session, to, to=to)


def started_on_the_right(helper):
    def started_on_the_right_step(session):
        session.move(1300, 300)
        # A new Wine process may first read the pointer where the last program held it.
        seen_by_wine(session, helper, "report", ("1300,300", None))
        on_the_right(session)
    return started_on_the_right_step


def on_the_right(session):
    session.start()
    session.move(1100, 50)
    session.expect("the read-out", lambda shot: session.readout_problem(
        shot, "X: 76, Y: 50", 570, left=1044))
    shot = session.screenshot()
    if any(shot.pixel(1023, y) != pattern.colour(1023, y) for y in range(768)):
        raise Failure("the window's border shows on the left monitor")
    session.move(*ON_LEFT)
    if session.pointer()[0] < 1024:
        raise Failure("a move to %s lands at %s" % (ON_LEFT, session.pointer()))
    session.move(1300, 300)
    session.key("2")
    session.expect_pointer(1424, 300)
    session.expect("zoom 2", lambda shot: None if pattern.position(*shot.pixel(1424, 300)) == (
        1300, 300) else "(1424, 300) does not show (1300, 300)")
    free_after_exit(session, ON_LEFT)


def main():
    helper = sys.argv[2]
    run(sys.argv[1], 1824, 768, held_from_the_start, away_and_back(helper),
        released_by_another_program(helper), free_after_exit, started_on_the_right(helper),
        monitors=MONITORS)


if __name__ == "__main__":
    main()
