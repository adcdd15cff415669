#!/usr/bin/env python3
"""Lines: a Ctrl+left-drag at zoom 1 draws a dotted line between the two pixels and reads out
its length and angle; released with Shift it stays, its length beside its end, and Ctrl+Shift+C
copies it. At zoom 4 the line joins the middles of the two end cells, both outlined.

usage: lines.py tarvok.exe
"""
import sys

from harness import MICRO, Image, Session, magnification_problems, run
from marking import RED, WHITE, outline_problem
from zoom import BOTTOM_STRIP, HEIGHT, WIDTH


def band(start, end, margin):
    """Squares of margin around each step of the exact line from start to end."""
    (x0, y0), (x1, y1) = start, end
    steps = max(abs(x1 - x0), abs(y1 - y0))
    return [(x - margin, y - margin, x + margin + 1, y + margin + 1) for x, y in
            ((x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps) for i in range(steps + 1))]


def line_problem(shot, start, end):
    """None if start and a pixel near each step up to end (which the pen leaves out) are dotted."""
    dotted = [shot.pixels_of([RED, WHITE], r) for r in [start + (start[0] + 1, start[1] + 1)]
              + band(start, end, 1)[:-1]]
    return None if all(dotted) else "no dotted pixel at step %d" % dotted.index([])


def ctrl_drag(session, start, end):
    session.move(*start)
    session.xdotool("keydown", "ctrl", "mousedown", "1")
    session.move((start[0] + end[0]) // 2, (start[1] + end[1]) // 2)
    session.xdotool("keyup", "ctrl")  # Ctrl may go once the line has begun
    session.move(*end)


def line_at_zoom_1(session):
    snapshot, start, end = Image.pattern(WIDTH, HEIGHT), (100, 100), (400, 500)
    ctrl_drag(session, start, end)

    def drawn(shot):
        count, samples = shot.differences(snapshot, band(start, end, 2) + [BOTTOM_STRIP])
        return line_problem(shot, start, end) or (
            "%d pixels off the line differ, e.g. %s" % (count, samples[:3]) if count else None)
    session.expect("a line from %s to %s" % (start, end), drawn)
    text = "X: 100, Y: 100    Length: 500.00    dX: 300, dY: 400    Angle: -53.13\u00b0"
    session.key("ctrl+c")
    session.expect_clipboard(text)
    session.xdotool("keydown", "shift", "mouseup", "1", "keyup", "shift")
    session.move(700, 300)
    session.expect("the line pinned", lambda shot: line_problem(shot, start, end)
                   or session.readout_problem(shot, "500.00", 503, 403))  # beside the end
    session.key("ctrl+shift+c")
    session.expect_clipboard(text)
    session.key("Delete")
    session.expect_screen(snapshot, allow=[BOTTOM_STRIP])


def line_at_zoom_4(session):
    zoom4 = (4, (300 * MICRO, 225 * MICRO))  # around (400, 300)
    session.move(400, 300)
    session.expect_pointer(400, 300)
    session.key("4")
    session.expect("zoom 4", lambda shot: magnification_problems(shot, *zoom4,
                                                                 skip=[BOTTOM_STRIP]))
    # (101, 102) shows pixel (325, 250), whose cell is columns and rows 100..103; (130, 117)
    # shows (332, 254), in columns 128..131, rows 116..119. The middles: (102, 102), (130, 118).
    ctrl_drag(session, (101, 102), (130, 117))
    edges = [edge for l, t, r, b in [(100, 100, 104, 104), (128, 116, 132, 120)]
             for edge in [(l, t, l + 1, b), (r - 1, t, r, b), (l, t, r, t + 1), (l, b - 1, r, b)]]
    skip = edges + band((102, 102), (130, 118), 1) + [BOTTOM_STRIP]
    session.expect("a line at zoom 4", lambda shot: outline_problem(shot, edges)
                   or line_problem(shot, (102, 102), (130, 118))
                   or magnification_problems(shot, *zoom4, skip=skip, within=[(90, 90, 140, 130)])
                   or magnification_problems(shot, *zoom4, skip=skip))
    session.key("ctrl+c")
    session.expect_clipboard("X: 325, Y: 250    Length: 8.06    dX: 7, dY: 4    Angle: -29.74\u00b0")
    session.release()
    session.expect("released", lambda shot: magnification_problems(shot, *zoom4,
                                                                   skip=[BOTTOM_STRIP]))


if __name__ == "__main__":
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, line_at_zoom_1, line_at_zoom_4)
