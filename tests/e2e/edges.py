#!/usr/bin/env python3
"""Edges mode on flat shapes: the spacing and its cross at zoom 1 and 4, a box snapping to two
shapes, and the tolerance keys, which decide whether a faint shape stops a run.

usage: edges.py tarvok.exe"""
import sys

from harness import Image, Session, run
from marking import RED, WHITE, outline_problem
from zoom import HEIGHT, WIDTH

# Boxes at x 100-199 and 260-339, y 100-179; a faint one, 6 levels off the background; a bar from
# row 560 that keeps the runs off the read-out's rows.
SHAPES = [((100, 100, 200, 180), (16, 16, 16)), ((260, 100, 340, 180), (0, 0, 200)),
          ((500, 300, 600, 400), (230, 230, 222)), ((0, 560, WIDTH, HEIGHT), (40, 44, 56))]


def shapes_desktop(session):
    pixels = bytearray(bytes((236, 236, 228)) * (WIDTH * HEIGHT))
    for (left, top, right, bottom), colour in SHAPES:
        for y in range(top, bottom):
            pixels[3 * (y * WIDTH + left):3 * (y * WIDTH + right)] = bytes(colour) * (right - left)
    session.show_on_root(Image(WIDTH, HEIGHT, pixels))


def expect_edges(session, text, dotted=(), plain=()):
    stray = lambda shot: [p for rect in plain for p in shot.pixels_of([RED, WHITE], rect)]
    session.expect(text, lambda shot: session.readout_problem(shot, text, HEIGHT - 30)
                   or (outline_problem(shot, dotted) if dotted else None)
                   or ("dotted beyond the ends: %s" % stray(shot)[:3] if stray(shot) else None))


def spacing_at_zoom_one_and_four(session):
    session.move(230, 140)
    session.key("e")
    expect_edges(session, "X: 230, Y: 140    Spacing: 60 X 560    Tolerance: 8",
                 [(200, 140, 260, 141), (230, 0, 231, 560), (200, 137, 201, 144)],
                 [(199, 140, 200, 141), (260, 140, 261, 141), (230, 560, 231, 561)])
    # Zoom 4 around (150, 125): the view starts at (50, 50) and (720, 360) shows (230, 140).
    session.move(150, 125)
    session.expect_pointer(150, 125)
    session.key("4")
    session.expect_pointer(400, 300)
    session.move(720, 360)
    expect_edges(session, "X: 230, Y: 140    Spacing: 60 X 560    Tolerance: 8",
                 [(600, 362, 800, 363), (600, 359, 601, 366)], [(599, 362, 600, 363)])


def snapped_box_and_tolerance(session):
    session.key("1")
    session.expect_pointer(230, 140)
    session.drag((80, 80), (360, 200), release=False)
    expect_edges(session, "X: 100, Y: 100    Size: 240 X 80    Tolerance: 8",
                 [(100, 100, 101, 180), (339, 100, 340, 180), (100, 100, 340, 101),
                  (100, 179, 340, 180)], [(80, 80, 100, 100), (340, 180, 361, 201)])
    session.release()
    session.move(450, 350)
    session.key("Page_Down")
    expect_edges(session, "X: 450, Y: 350    Spacing: 500 X 560    Tolerance: 4",
                 [(499, 347, 500, 354)], [(500, 350, 501, 351)])
    session.key("Page_Up", "Page_Up")
    expect_edges(session, "X: 450, Y: 350    Spacing: 800 X 560    Tolerance: 16")


def main():
    run(sys.argv[1], WIDTH, HEIGHT, shapes_desktop, Session.start, spacing_at_zoom_one_and_four,
        snapped_box_and_tolerance)


if __name__ == "__main__":
    main()
