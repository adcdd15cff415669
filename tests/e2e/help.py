#!/usr/bin/env python3
"""The help panel on the real program: F1 shows it centred over the frozen picture, inside the
screen, with every text line apart and inside it; Escape, and a click on its Close button, each take it away, and
the tool then takes keys again.

usage: help.py tarvok.exe
"""
import sys

from harness import Failure, Image, Session, run
from zoom import BOTTOM_STRIP, HEIGHT, TOP_STRIP, WIDTH

BLACK = (0, 0, 0)
SNAPSHOTS = {}
# Rows that start a text line in the panel's first 150 px (at 96 DPI): the title, the keys'
# column with its heading and the foot's lines, the settings file's line only where there is one.
LINE_STARTS = (17, 18)


def changed_box(shot):
    """(left, top, right, bottom), right and bottom exclusive, of the pixels that differ from
    the snapshot outside the read-out's strips, or None. A tall panel reaches into the strips'
    rows, right of the read-out."""
    width, height = shot.width, shot.height
    if (width, height) not in SNAPSHOTS:
        SNAPSHOTS[width, height] = Image.pattern(width, height)
    snapshot = SNAPSHOTS[width, height]
    box, row = None, width * 3
    for y in range(height):
        in_strip = TOP_STRIP[1] <= y < TOP_STRIP[3] or y >= height - (HEIGHT - BOTTOM_STRIP[1])
        start = BOTTOM_STRIP[2] if in_strip else 0
        ours, theirs = shot.data[y * row:(y + 1) * row], snapshot.data[y * row:(y + 1) * row]
        if ours[3 * start:] == theirs[3 * start:]:
            continue
        xs = [x for x in range(start, width) if ours[3 * x:3 * x + 3] != theirs[3 * x:3 * x + 3]]
        box = (xs[0], y, xs[-1] + 1, y + 1) if box is None else \
            (min(box[0], xs[0]), box[1], max(box[2], xs[-1] + 1), y + 1)
    return box


def lines_problem(shot, box, dpi):
    """None if the panel in box shows its text lines apart and the last well above its bottom
    edge; else what is wrong. A line starts after a few blank rows: a descender may stand a
    row or two apart."""
    left, top, right, bottom = box
    inked = [y for y in range(top + 2, bottom - 2) if any(
        max(shot.pixel(x, y)) < 100 for x in range(left + 3, left + 150 * dpi // 96))]
    bands = [y for i, y in enumerate(inked) if i == 0 or y - inked[i - 1] > 2 * dpi // 96]
    if len(bands) not in LINE_STARTS or inked[-1] >= bottom - 5 * dpi // 96:
        return "%d text lines apart in the panel at %s, expected %s; they start at rows %s " \
            "and end at %d" % (len(bands), box, LINE_STARTS, bands, inked[-1])
    return None


def panel_problem(shot, dpi=96):
    box = changed_box(shot)
    if box is None:
        return "no panel: the screen is the snapshot"
    left, top, right, bottom = box
    if abs(left - (shot.width - right)) > 1 or abs(top - (shot.height - bottom)) > 1:
        return "panel at %s is not centred" % (box,)
    if left == 0 or top == 0:
        return "panel at %s reaches the screen's edges: part of it may lie off the screen" % (box,)
    if len(shot.pixels_of([BLACK], box)) < 500:
        return "panel at %s shows hardly any black text" % (box,)
    return lines_problem(shot, box, dpi)


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
    # The button's middle stands 32 x 14 dialog units from the panel's bottom right corner
    # (7 units from each edge, 50 x 14 large); Wine makes the 260 x 207 units 392 x 313 px.
    x = right - 1 - 32 * 392 // 260
    y = bottom - 1 - 14 * 313 // 207
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
