#!/usr/bin/env python3
"""The program on a 1024 x 768 screen scaled to 150 % and 200 % (Wine's LogPixels 144 and 192):
the pointer is the crosshair's own larger image, with one-pixel lines around the measuring pixel;
the help panel lies on the screen with every text line apart and inside it; at 150 % a box drag
shows its size in pixels and in the scaled units designs use, and the position text does likewise.

usage: scaled.py tarvok.exe
"""
import sys

from harness import run
from help import panel_problem

# The smallest screen the help panel must fit at 200 %.
WIDTH, HEIGHT = 1024, 768
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


def thin_crosshair_problem(session, size):
    """None if the pointer is the thin crosshair drawn size x size: one-pixel arms through the
    hotspot, a three-pixel gap around it. Wine shows each inverting pixel black, with a white
    one below right."""
    centre, first, last = {48: (12, 0, 24), 64: (17, 1, 33)}[size]
    arm = [n for n in range(first, last + 1) if abs(n - centre) > 1]
    want = {(centre, n) for n in arm} | {(n, centre) for n in arm}
    width, height, hotspot, black = session.pointer_image()
    if (width, height, hotspot, black) == (size, size, (centre, centre), want):
        return None
    return "pointer %d x %d, hotspot %s, black pixels %s missing and %s besides" % (
        width, height, hotspot, sorted(want - black)[:6], sorted(black - want)[:6])


def readout_at_150_percent(session):
    session.drag((300, 201), (840, 560), release=False)
    session.expect("the size at 150 %", lambda shot: session.readout_problem(
        shot, "X: 300, Y: 201    Size: 541 X 360    (361 X 240 at 150 %)", HEIGHT - 30))
    session.release()
    session.expect("the position at 150 %", lambda shot: session.readout_problem(
        shot, "X: 840, Y: 560    (560, 373 at 150 %)", HEIGHT - 30))


def at_dpi(session, dpi, cursor_size, more=None):
    session.wine_command("reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD",
                         "/d", str(dpi), "/f")
    session.start()
    session.expect("the thin crosshair at %d dpi" % dpi,
                   lambda shot: thin_crosshair_problem(session, cursor_size))
    if more:
        more(session)
    session.key("F1")
    session.expect("the help panel at %d dpi" % dpi, lambda s: panel_problem(s, dpi))
    # Killed, not closed: Wine takes seconds to close each window, and help.py and
    # frozen_screen.py see how the panel and the program end.
    session.wine.kill()
    session.wine.wait()


def at_150_and_200_percent(session):
    try:
        at_dpi(session, 144, 48, readout_at_150_percent)
        at_dpi(session, 192, 64)
    finally:
        # The prefix is shared with the other tests: the setting lasts only as long as this.
        session.wine_command("reg", "delete", DESKTOP_KEY, "/v", "LogPixels", "/f")


def main():
    run(sys.argv[1], WIDTH, HEIGHT, at_150_and_200_percent)


if __name__ == "__main__":
    main()
