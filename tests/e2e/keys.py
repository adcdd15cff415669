#!/usr/bin/env python3
"""Keys on the real program, on a French layout: the arrows (Shift: ten) move the pointer by
snapshot pixels, also while marking, and scroll the view at the window's edge; Ctrl+C copies
the read-out line or the colour; the key in the '2' position, which types "é", zooms by 2.

usage: keys.py tarvok.exe
"""
import subprocess
import sys

from colour import web_text
from harness import MICRO, Session, magnification_problems, run
from zoom import BOTTOM_STRIP, HEIGHT, WIDTH


def french_layout(session):
    # Before Wine starts on the screen: it reads the layout once.
    subprocess.run(["setxkbmap", "fr"], env=session.env(), check=True)


def keys(session, names, pointer, copied=None):
    """Presses the keys and waits for the pointer, then for the clipboard after Ctrl+C."""
    session.key(*names)
    session.expect_pointer(*pointer)
    if copied:
        session.key("ctrl+c")
        session.expect_clipboard(copied)


def arrows_copies_and_french_two(session):
    session.move(100, 100)
    session.expect_pointer(100, 100)
    keys(session, ["Right"], (101, 100), "X: 101, Y: 100")
    keys(session, ["shift+Down"], (101, 110))
    session.press()
    keys(session, ["Right"] * 5 + ["Down"] * 3, (106, 113), "X: 101, Y: 110    Size: 6 X 4")
    session.release()
    keys(session, ["space"], (106, 113), web_text(106, 113))
    keys(session, ["space", "eacute"], (212, 226))   # zoom 2 around (106, 113), origin 0


def scroll_at_the_edge(session):
    session.move(798, 301)
    session.expect_pointer(798, 301)
    keys(session, ["Right"], (798, 301), "X: 400, Y: 150")   # 400 lay past the window's edge
    session.expect("zoom 2 scrolled by one pixel", lambda shot: magnification_problems(
        shot, 2, (MICRO, 0), skip=[BOTTOM_STRIP]))


def main():
    run(sys.argv[1], WIDTH, HEIGHT, french_layout, Session.start, arrows_copies_and_french_two,
        scroll_at_the_edge)


if __name__ == "__main__":
    main()
