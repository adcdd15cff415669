#!/usr/bin/env python3
"""Resident mode on the real program: --resident waits hidden; the global shortcut, typed while
a Wine window of the test's own has the keyboard, freezes the screen as it is at that moment;
Escape hides; a plain start hands over and ends with 0; --quit ends the resident one with 0.

usage: resident.py tarvok.exe foreground_window.exe
"""
import subprocess
import sys
import time

from harness import Failure, Image, run

WIDTH, HEIGHT = 800, 600
OTHER = (500, 400, 700, 500)   # the helper's window, which holds the keyboard
ALLOW = [OTHER, (0, 0, 200, 60), (0, HEIGHT - 48, 400, HEIGHT)]   # it, Wine's icon window, read-out


def expect_shown(session, shown, timeout=5):
    began = time.monotonic()
    while (session.shown_window() is not None) != shown:
        if time.monotonic() - began > timeout:
            raise Failure("the tool is %s after %d s" % ("hidden" if shown else "shown", timeout))
        time.sleep(0.1)


def keyboard_to_other(session):
    session.focus_window("Foreground", (OTHER[0] + 100, OTHER[1] + 50))


def shortcut_freezes(session, picture, under):
    """Types the shortcut until the tool shows (it takes the resident one a moment to register
    it), then swaps the desktop: the tool keeps showing the picture it froze; Escape hides it."""
    for attempt in range(20):
        if attempt % 5 == 4:
            keyboard_to_other(session)
        session.key("super+alt+m")
        try:
            expect_shown(session, True, timeout=1)
            break
        except Failure:
            pass
    else:
        raise Failure("the shortcut did not show the tool in 20 tries (the tool %s)" %
                      ("runs" if session.wine.poll() is None else
                       "ended with %d" % session.wine.returncode))
    session.show_on_root(under)
    session.expect_screen(picture, allow=ALLOW)
    session.key("Escape")
    expect_shown(session, False)


def presses_and_hides(session):
    session.launch("--resident")
    subprocess.Popen(["wine", sys.argv[2], str(OTHER[0]), str(OTHER[1]), "stay"],
                     env=session.env(), cwd=session.tmp)
    keyboard_to_other(session)
    expect_shown(session, False, timeout=0)
    pattern, inverted = Image.pattern(WIDTH, HEIGHT), Image.inverted_pattern(WIDTH, HEIGHT)
    shortcut_freezes(session, pattern, inverted)
    shortcut_freezes(session, inverted, pattern)   # a new snapshot: the desktop changed
    if session.wine.poll() is not None:
        raise Failure("the resident tool ended on Escape")


def second_start_and_quit(session):
    for args, shown in (((), True), (("--quit",), False)):
        code = subprocess.run(["wine", session.exe] + list(args), env=session.env(),
                              cwd=session.tmp, timeout=30).returncode
        if code != 0:
            raise Failure("tarvok %s ended with %d" % (" ".join(args), code))
        expect_shown(session, shown)
    if session.wait_exit() != 0:
        raise Failure("the resident tool ended with %d after --quit" % session.exit_code)


def main():
    run(sys.argv[1], WIDTH, HEIGHT, presses_and_hides, second_start_and_quit)


if __name__ == "__main__":
    main()
