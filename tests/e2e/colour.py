#!/usr/bin/env python3
"""Colour mode on the real program: Space shows the colour under the pointer in the read-out,
and a click copies exactly the "#RRGGBB" of the pattern pixel under the pointer, at zoom 1 and
at zoom 4; at zooms 6 and 45 the read-out names the position and colour of the pixel shown
under the pointer, also right beside the edges of its magnified cell.

usage: colour.py tarvok.exe
"""
import sys

import pattern
from harness import MICRO, Session, magnification_problems, run, shown_pixel
from zoom import BOTTOM_STRIP, HEIGHT, WIDTH


def web_text(x, y):
    return "#%02X%02X%02X" % pattern.colour(x, y)


def pick(session, pointer, shown):
    """Clicks at pointer in colour mode; the pattern pixel shown there is copied."""
    session.move(*pointer)
    session.expect_pointer(*pointer)
    session.xdotool("click", 1)
    session.expect_clipboard(web_text(*shown))


def zoom_key(session, key, zoom, origin):
    """Presses a zoom key and waits for its picture. The key may move the pointer, before the
    paint: a move of the test's own made before then would be undone (once in 20 runs)."""
    session.key(key)
    # The read-out's rows whole: with a contrast part it runs past the strip.
    readout = (0, BOTTOM_STRIP[1], WIDTH, HEIGHT)
    session.expect("zoom %d" % zoom, lambda shot: magnification_problems(
        shot, zoom, origin, skip=[readout]))


def zoom_one(session):
    session.move(300, 200)
    session.expect_pointer(300, 200)
    session.expect("position text",
                   lambda shot: session.readout_problem(shot, "X: 300, Y: 200", HEIGHT - 30))
    session.key("space")
    # The pattern pixel (300, 200) is red 44, green 200, blue 16.
    text = "X: 300, Y: 200    R: 44, G: 200, B: 16    Color: #2CC810"
    session.expect("colour text after Space",
                   lambda shot: session.readout_problem(shot, text, HEIGHT - 30))
    pick(session, (300, 200), (300, 200))
    pick(session, (517, 433), (517, 433))


def zoom_four(session):
    session.move(400, 300)
    session.expect_pointer(400, 300)
    # origin (300, 225): window pixel (101, 102) shows (325, 250)
    zoom_key(session, "4", 4, (300 * MICRO, 225 * MICRO))
    session.expect_pointer(400, 300)
    pick(session, (101, 102), (325, 250))


# A key pressed with the pointer at (400, 300) at zoom 1, its factor, the view origin it gives
# (the pointer stays at (400, 300)), and pointers to read at, beside cell edges.
VIEWS = [
    ("5", 6, (333333334, 250 * MICRO), [(401, 301), (405, 300), (406, 300)]),
    ("9", 45, (391111112, 293333334), [(439, 329), (445, 330)]),
]


def fresh_start(session):
    """A tool started anew in colour mode: no pick yet, so no contrast in the read-out."""
    session.key("Escape")
    session.wait_exit()
    session.start()
    session.key("space")


def readout_names_the_pixel_shown(session):
    for key, zoom, origin, pointers in VIEWS:
        zoom_key(session, "1", 1, (0, 0))
        session.move(400, 300)
        session.expect_pointer(400, 300)
        zoom_key(session, key, zoom, origin)
        session.expect_pointer(400, 300)
        for pointer in pointers:
            session.move(*pointer)
            x, y = (shown_pixel(pointer[i], zoom, origin[i]) for i in (0, 1))
            text = "X: %d, Y: %d    R: %d, G: %d, B: %d    Color: %s" \
                % ((x, y) + pattern.colour(x, y) + (web_text(x, y),))
            session.expect("zoom %d, pointer at %s" % (zoom, pointer),
                           lambda shot: session.readout_problem(shot, text, HEIGHT - 30))


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, zoom_one, zoom_four, fresh_start,
        readout_names_the_pixel_shown)


if __name__ == "__main__":
    main()
