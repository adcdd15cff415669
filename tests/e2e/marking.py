#!/usr/bin/env python3
"""Box marking and the read-out line on the real program: a left-drag at zoom 4 draws a dotted
red outline snapped to the magnified cells and a size read-out, both gone on release; at zoom 1
the read-out moves to the top left only while the pointer is near the bottom and left of
column 450. A box released with Shift held stays as a pin, its size beside it, also through a
zoom; Ctrl+Shift+C copies the pins; Backspace and Delete take them away.

usage: marking.py tarvok.exe
"""
import sys

from harness import MICRO, Failure, Image, Session, magnification_problems, run
from zoom import BOTTOM_STRIP, HEIGHT, INK, TOP_STRIP, WIDTH, readout_problem

ZOOM4 = (4, (300 * MICRO, 225 * MICRO))   # zoom 4 around (400, 300)
PRESS, DRAG_TO = (101, 102), (130, 117)
# The box covers window columns 101..130 and rows 102..117; snapped out to the 4-pixel cells
# the outline runs along columns 100 and 131 and rows 100 and 119.
OUTLINE = [(100, 100, 101, 120), (131, 100, 132, 120), (100, 100, 132, 101), (100, 119, 132, 120)]
INSIDE = (101, 101, 131, 119)
BESIDE = [(99, 99, 100, 121), (132, 99, 133, 121), (99, 99, 133, 100), (99, 120, 133, 121)]
RED, WHITE = (255, 0, 0), (255, 255, 255)


def text_right_edge(shot):
    ink = shot.pixels_of(INK, BOTTOM_STRIP)
    return max(x for x, _ in ink) if ink else None


def outline_problem(shot, rects=OUTLINE):
    seen = set()
    for left, top, right, bottom in rects:
        for y in range(top, bottom):
            for x in range(left, right):
                colour = shot.pixel(x, y)
                if colour not in (RED, WHITE):
                    return "dotted pixel %d, %d is %s, not red or white" % (x, y, colour)
                seen.add(colour)
    return None if seen == {RED, WHITE} else "outline all %s, not dotted" % seen


def mark_box(session):
    session.move(400, 300)
    session.expect_pointer(400, 300)
    session.key("4")
    shot = session.expect("zoom 4", lambda shot: magnification_problems(
        shot, *ZOOM4, skip=[BOTTOM_STRIP]))
    position_edge = text_right_edge(shot)
    if position_edge is None:
        raise Failure("no read-out text at the bottom left at zoom 4")

    session.drag(PRESS, DRAG_TO, release=False)

    def marked(shot):
        edge = text_right_edge(shot)
        if edge is None or edge < position_edge + 20:
            return "read-out ends at column %s, the position text at %d: no size text" \
                % (edge, position_edge)
        # Inside the outline and right beside it the magnified picture shows: the outline is
        # one pixel wide and the box not filled.
        return outline_problem(shot) \
            or magnification_problems(shot, *ZOOM4, within=[INSIDE] + BESIDE) \
            or magnification_problems(shot, *ZOOM4, skip=OUTLINE + [BOTTOM_STRIP])
    shot = session.expect("dragging from %s to %s" % (PRESS, DRAG_TO), marked)
    size_edge = text_right_edge(shot)

    session.release()

    def released(shot):
        edge = text_right_edge(shot)
        if edge is None or edge > size_edge - 20:
            return "read-out ends at column %s, the size text did at %d: not the position text" \
                % (edge, size_edge)
        return magnification_problems(shot, *ZOOM4, within=OUTLINE)
    session.expect("released at %s" % (DRAG_TO,), released)


def readout_follows_pointer(session):
    session.key("1")
    # The pointer jumps as the zoom changes; the moves below must come after that.
    snapshot = Image.pattern(WIDTH, HEIGHT)
    session.expect_screen(snapshot, allow=[BOTTOM_STRIP])
    for pointer, at, away in [((100, HEIGHT - 39), TOP_STRIP, BOTTOM_STRIP),
                              ((100, HEIGHT - 40), BOTTOM_STRIP, TOP_STRIP),
                              ((450, HEIGHT - 20), BOTTOM_STRIP, TOP_STRIP)]:
        session.move(*pointer)

        def placed(shot):
            problem = readout_problem(shot, at, away)
            if problem:
                return problem
            count, samples = shot.differences(snapshot, allow=[at])
            if count:
                return "%d pixels outside the read-out differ from the snapshot, e.g. %s" \
                    % (count, samples[:3])
            return None
        session.expect("read-out with the pointer at %s" % (pointer,), placed)


def pins_shown(session, what, pins):
    """Waits until each (left, top, right, bottom, label) shows its outline and label beside."""
    def problems(shot):
        for l, t, r, b, label in pins:
            yield outline_problem(shot, [(l, t, l + 1, b), (r - 1, t, r, b), (l, t, r, t + 1),
                                         (l, b - 1, r, b)])
            yield session.readout_problem(shot, label, b + 2, r + 2)
    session.expect(what, lambda shot: next(filter(None, problems(shot)), None))


def pin(session, start, end):
    session.drag(start, end, release=False)
    session.xdotool("keydown", "shift", "mouseup", "1", "keyup", "shift")


def pins(session):
    first = (100, 100, 140, 120, "40 X 20")
    pin(session, (100, 100), (139, 119))
    pins_shown(session, "pinned", [first])
    session.move(100, 100)
    session.key("2")
    session.expect_pointer(200, 200)
    pins_shown(session, "zoomed by 2", [(200, 200, 280, 240, "40 X 20")])
    session.key("1")
    session.expect_pointer(100, 100)
    pin(session, (300, 300), (309, 304))
    pins_shown(session, "two pins", [first, (300, 300, 310, 305, "10 X 5")])
    session.key("ctrl+shift+c")
    # Wine hands CF_UNICODETEXT to X clients with each CR LF made a LF.
    session.expect_clipboard("X: 100, Y: 100    Size: 40 X 20\nX: 300, Y: 300    Size: 10 X 5")
    snapshot = Image.pattern(WIDTH, HEIGHT)
    session.key("BackSpace")
    session.expect_screen(snapshot, allow=[BOTTOM_STRIP, (100, 100, 200, 140)])
    pins_shown(session, "the older pin left", [first])
    session.key("Delete")
    session.expect_screen(snapshot, allow=[BOTTOM_STRIP])


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, mark_box, readout_follows_pointer, pins)


if __name__ == "__main__":
    main()
