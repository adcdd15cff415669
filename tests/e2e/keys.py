#!/usr/bin/env python3
"""Keys on the real program, on a French keyboard layout: the arrows move the pointer one
snapshot pixel (ten with Shift) and scroll the view at its edge, also while a box is marked;
Ctrl+C copies the read-out line, or the web colour in colour mode; the key in the '2' position,
which types "é" there, zooms by 2.

usage: keys.py tarvok.exe
"""
import subprocess
import sys

from colour import web_text
from harness import MICRO, Failure, Session, magnification_problems, run
from zoom import BOTTOM_STRIP, HEIGHT, WIDTH


def french_layout(session):
    """Before Wine starts on the screen: it reads the layout once."""
    if subprocess.run(["setxkbmap", "fr"], env=session.env()).returncode != 0:
        raise Failure("setxkbmap fr failed")


def copy(session, text):
    session.key("ctrl+c")
    session.expect_clipboard(text)


def arrows_at_zoom_one(session):
    session.move(100, 100)
    session.expect_pointer(100, 100)
    session.key("Right")
    session.expect_pointer(101, 100)
    copy(session, "X: 101, Y: 100")
    session.key("shift+Down")
    session.expect_pointer(101, 110)
    session.press()
    session.key(*["Right"] * 5 + ["Down"] * 3)
    session.expect_pointer(106, 113)
    size = "X: 101, Y: 110    Size: 6 X 4"
    copy(session, size)
    session.expect("size text as copied",
                   lambda shot: session.readout_problem(shot, size, HEIGHT - 30))
    session.release()
    session.key("space")
    copy(session, web_text(106, 113))
    session.key("space")


def french_two_zooms_by_two(session):
    session.key("eacute")   # snapshot pixel (106, 113) at zoom 2, the origin clamped to 0
    session.expect_pointer(212, 226)


def arrows_at_zoom_four(session):
    session.move(10, 10)
    session.expect_pointer(10, 10)
    session.key("apostrophe")   # the '4' position: zoom 4 around (5, 5), origin 0
    session.expect_pointer(20, 20)
    session.move(9, 9)
    session.expect_pointer(9, 9)
    session.key("Right")
    session.expect_pointer(13, 9)
    copy(session, "X: 3, Y: 2")
    session.move(798, 301)
    session.expect_pointer(798, 301)
    session.key("Right")   # pixel 200 lies past the window: the view scrolls one pixel
    copy(session, "X: 200, Y: 75")
    session.expect_pointer(798, 301)
    session.expect("zoom 4 scrolled to origin 1", lambda shot: magnification_problems(
        shot, 4, (MICRO, 0), skip=[BOTTOM_STRIP]))


def main():
    run(sys.argv[1], WIDTH, HEIGHT, french_layout, Session.start, arrows_at_zoom_one,
        french_two_zooms_by_two, arrows_at_zoom_four)


if __name__ == "__main__":
    main()
