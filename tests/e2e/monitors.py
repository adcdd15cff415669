#!/usr/bin/env python3
"""Two monitors side by side: while the program is in front, the pointer stays on the primary
screen whose picture it froze; with another program in front it moves freely, the program
takes it again when it is back in front, and lets it go when it ends; a clip that another
program lets go it sets again. Started on the right-hand monitor, it freezes and measures that
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
HELPER = "foreground_window.exe"   # the other program


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


def wine_sees(session, pointer=None, clip=None, mode="report", timeout=10):
    """Runs the other program in mode ("report", or "release" first) until it sees the pointer
    ("x,y") and the clip ("left,top,right,bottom") as given; returns the seconds that took."""
    began = time.monotonic()
    while True:
        seen = subprocess.run(["wine", HELPER, mode], env=session.env(), cwd=session.tmp,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              timeout=30).stdout.decode().split() or ["?", "?"]
        if pointer in (None, seen[0]) and clip in (None, seen[-1]):
            return time.monotonic() - began
        if time.monotonic() - began > timeout:
            raise Failure("Wine sees pointer and clip %s, expected %s" % (seen, (pointer, clip)))
        mode = "report"


def away_and_back(session):
    other = subprocess.Popen(["wine", HELPER] + [str(v) for v in OTHER_AT],
                             env=session.env(), cwd=session.tmp,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    move_lands_at(session, ON_RIGHT)
    # A key typed into a window just come to the front can be lost: typed until it closes.
    at = (OTHER_AT[0] + 50, OTHER_AT[1] + 50)
    session.focus_window("Foreground", at)
    for attempt in range(1, 40):
        if other.poll() is not None:
            break
        session.key("x")
        time.sleep(0.25)
        if attempt % 4 == 0:
            try:
                session.focus_window("Foreground", at, timeout=1)
            except Failure:
                pass   # closed meanwhile
    try:
        if other.wait(5) != 0:
            raise Failure("the other program ended with %d" % other.returncode)
    except subprocess.TimeoutExpired:
        raise Failure("the other program took no key in 10 s") from None
    move_lands_at(session, NEAREST_ON_LEFT)


def held_from_the_start(session):
    session.start()
    move_lands_at(session, NEAREST_ON_LEFT)


def released_by_another_program(session):
    """In colour mode: the clip is back, and the read-out names the edge pixel where the pointer
    is held, with its colour. What the releasing program reports may already be the clip set
    again."""
    session.key("space")
    wine_sees(session, mode="release", timeout=0)
    session.move(*ON_RIGHT)
    session.timings["clip back"] = wine_sees(session, clip="0,0,1024,768")
    move_lands_at(session, NEAREST_ON_LEFT)
    text = "X: 1023, Y: 300    R: %d, G: %d, B: %d    Color: #%02X%02X%02X" % (
        pattern.colour(1023, 300) * 2)
    session.expect("the read-out", lambda shot: session.readout_problem(shot, text, 738))


def free_after_exit(session, to=ON_RIGHT):
    session.key("Escape")
    if session.wait_exit() != 0:
        raise Failure("exit code %d after Escape, expected 0" % session.exit_code)
    move_lands_at(session, to, to=to)


def started_on_the_right(session):
    session.move(1300, 300)
    # A new Wine process may first read the pointer where the last program held it.
    wine_sees(session, pointer="1300,300")
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
    global HELPER
    HELPER = sys.argv[2]
    run(sys.argv[1], 1824, 768, held_from_the_start, away_and_back, released_by_another_program,
        free_after_exit, started_on_the_right, monitors=MONITORS)


if __name__ == "__main__":
    main()
