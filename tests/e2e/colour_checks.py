#!/usr/bin/env python3
"""On flat greys and a checkerboard: a click picks white, the read-out names contrasts with it,
A averages 3 x 3, and Ctrl+C copies the average. usage: colour_checks.py tarvok.exe"""
import sys

from harness import Image, Session, run
from zoom import HEIGHT, WIDTH


def colour(x, y):  # white, #777777 and #767676 side by side; under them, white at odd x + y
    if 100 <= x < 250 and 300 <= y < 400:
        return b"\xff" * 3 if (x + y) % 2 else b"\0" * 3
    grey = 255 if x < 100 else 119 if x < 200 else 118
    return bytes([grey] * 3) if 20 <= x < 300 and 20 <= y < 200 else b"\x33\x66\x99"


def checks(session):
    session.show_on_root(Image(WIDTH, HEIGHT, b"".join(
        colour(x, y) for y in range(HEIGHT) for x in range(WIDTH))))
    session.start()
    session.move(60, 60)
    session.key("space")
    session.xdotool("click", 1)
    session.expect_clipboard("#FFFFFF")
    for x, y, key, text in [
            (140, 140, "", "R: 119, G: 119, B: 119    Color: #777777    Contrast with #FFFFFF: "
             "4.47 AA large"),
            (240, 140, "", "R: 118, G: 118, B: 118    Color: #767676    Contrast with #FFFFFF: "
             "4.54 AA"),
            (151, 350, "a", "Average: 3 X 3    R: 142, G: 142, B: 142    Color: #8E8E8E    "
             "Contrast with #FFFFFF: 3.27 AA large")]:
        session.move(x, y)
        if key:
            session.key(key)
        line = "X: %d, Y: %d    %s" % (x, y, text)
        session.expect(line, lambda shot: session.readout_problem(shot, line, HEIGHT - 30))
    session.key("ctrl+c")
    session.expect_clipboard("#8E8E8E")


if __name__ == "__main__":
    run(sys.argv[1], WIDTH, HEIGHT, checks)
