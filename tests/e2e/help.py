#!/usr/bin/env python3
"""The help panel on the real program: F1 shows it centred over the frozen picture; Escape, and
a click on its Close button, each take it away, and the tool then takes keys again.

usage: help.py tarvok.exe
"""
import sys

from harness import Failure, Image, Session, run
from zoom import BOTTOM_STRIP, HEIGHT, TOP_STRIP, WIDTH

SNAPSHOT = Image.pattern(WIDTH, HEIGHT)
BLACK = (0, 0, 0)


def changed_box(shot):
    """(left, top, right, bottom), right and bottom exclusive, of the pixels that differ from
    the snapshot outside the read-out's rows, or None."""
    box, row = None, WIDTH * 3
    for y in range(HEIGHT):
        if TOP_STRIP[1] <= y < TOP_STRIP[3] or y >= BOTTOM_STRIP[1]:
            continue
        ours, theirs = shot.data[y * row:(y + 1) * row], SNAPSHOT.data[y * row:(y + 1) * row]
        if ours == theirs:
            continue
        xs = [x for x in range(WIDTH) if ours[3 * x:3 * x + 3] != theirs[3 * x:3 * x + 3]]
        box = (xs[0], y, xs[-1] + 1, y + 1) if box is None else \
            (min(box[0], xs[0]), box[1], max(box[2], xs[-1] + 1), y + 1)
    return box


def panel_problem(shot):
    box = changed_box(shot)
    if box is None:
        return "no panel: the screen is the snapshot"
    left, top, right, bottom = box
    if abs(left - (WIDTH - right)) > 1 or abs(top - (HEIGHT - bottom)) > 1:
        return "panel at %s is not centred" % (box,)
    if len(shot.pixels_of([BLACK], box)) < 500:
        return "panel at %s shows hardly any black text" % (box,)
    return None


def closed_problem(shot):
    box = changed_box(shot)
    return None if box is None else "the screen differs from the snapshot in %s" % (box,)


def escape_closes(session):
    session.key("F1")
    session.expect("panel after F1", panel_problem)
    session.key("Escape")
    session.expect("panel gone after Escape", closed_problem)


def close_button_closes(session):
    session.key("F1")  # taken again after the panel closed
    shot = session.expect("panel after F1 again", panel_problem)
    left, top, right, bottom = changed_box(shot)
    # The button covers 203..253 x 186..200 of the 260 x 207 dialog units inside the border.
    x = left + 1 + (228 * (right - left - 2)) // 260
    y = top + 1 + (193 * (bottom - top - 2)) // 207
    session.move(x, y)
    session.xdotool("click", 1)
    session.expect("panel gone after a click on Close at (%d, %d)" % (x, y), closed_problem)
    session.key("Escape")
    code = session.wait_exit()
    if code != 0:
        raise Failure("exit code %d after Escape, expected 0" % code)


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, escape_closes, close_button_closes)


if __name__ == "__main__":
    main()
