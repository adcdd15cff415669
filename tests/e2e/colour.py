#!/usr/bin/env python3
"""Colour mode on the real program: Space shows the colour under the pointer in the read-out,
and a click copies exactly the "#RRGGBB" of the pattern pixel under the pointer, at zoom 1 and
at zoom 4.

usage: colour.py tarvok.exe
"""
import sys

import pattern
from harness import Failure, Session, run
from zoom import BOTTOM_STRIP, HEIGHT, INK, WIDTH


def web_text(x, y):
    return "#%02X%02X%02X" % pattern.colour(x, y)


def text_right_edge(shot):
    ink = shot.pixels_of(INK, (0, HEIGHT - 39, WIDTH, HEIGHT))
    return max(x for x, _ in ink) if ink else None


def pick(session, pointer, shown):
    """Clicks at pointer in colour mode; the pattern pixel shown there is copied."""
    session.move(*pointer)
    session.expect_pointer(*pointer)
    session.xdotool("click", 1)
    session.expect_clipboard(web_text(*shown))


def zoom_one(session):
    session.move(300, 200)
    session.expect_pointer(300, 200)
    shot = session.expect("position text",
                          lambda shot: None if text_right_edge(shot) else "no read-out text")
    position_edge = text_right_edge(shot)
    session.key("space")

    def colour_text(shot):
        edge = text_right_edge(shot)
        # "X: 300, Y: 200    R: 44, G: 200, B: 16    Color: #2CC810" is far longer.
        if edge is None or edge < position_edge + 150:
            return "read-out ends at column %s: no colour text" % edge
        return None
    session.expect("colour text after Space", colour_text)
    pick(session, (300, 200), (300, 200))
    pick(session, (517, 433), (517, 433))


def zoom_four(session):
    session.move(400, 300)
    session.expect_pointer(400, 300)
    session.key("4")   # origin (300, 225): window pixel (101, 102) shows (325, 250)
    session.expect_pointer(400, 300)
    pick(session, (101, 102), (325, 250))


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, zoom_one, zoom_four)


if __name__ == "__main__":
    main()
