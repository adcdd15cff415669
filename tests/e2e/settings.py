#!/usr/bin/env python3
"""Settings kept between runs: a run that changes them and ends writes the settings file; a
second run starts with them and, changing nothing, leaves the file as it was; a settings.ini
beside the exe is read and written instead, and the other one left alone.

usage: settings.py tarvok.exe
"""
import os
import shutil
import sys

from harness import Failure, Session, run

WRITTEN = ("[Tarvok]\r\nColorFormat=oklch\r\nSampleArea=1\r\nSizeCursor=1\r\nColorCursor=2\r\n"
           "Grid=off\r\nEdges=on\r\nTolerance=16\r\nShortcut=Win+Alt+M\r\n")
# The pattern pixel (300, 200) is red 44, green 200, blue 16; with tolerance 16 its runs reach
# the pattern's jumps at 256 and 512 on both axes.
SPACING = "X: 300, Y: 200    Spacing: 256 X 256    Tolerance: 16"
OKLCH = "oklch(72.6% 0.237 141.5)"


def contents(path):
    with open(path, "rb") as f:
        return f.read().decode("utf-8")


def expect_file(path, text):
    seen = contents(path) if os.path.exists(path) else None
    if seen != text:
        raise Failure("%s holds %r, expected %r" % (path, seen, text))


def quit(session):
    session.key("Escape")
    if session.wait_exit() != 0:
        raise Failure("exit code %d, expected 0" % session.exit_code)


def point(session):
    session.move(300, 200)
    session.expect_pointer(300, 200)


def change_and_end(session):
    point(session)
    # oklch() and the second eyedropper in colour mode, then edges on at tolerance 16.
    session.key("space", "f", "f", "f", "Return", "space", "e", "Prior")
    quit(session)
    expect_file(os.path.join(session.settings_dir(), "settings.ini"), WRITTEN)


def start_with_them(session):
    path = os.path.join(session.settings_dir(), "settings.ini")
    written = os.stat(path).st_mtime_ns
    session.start()
    point(session)
    session.key("ctrl+c")
    session.expect_clipboard(SPACING)
    session.key("space", "ctrl+c")
    session.expect_clipboard(OKLCH)
    session.key("space")
    quit(session)
    expect_file(path, WRITTEN)
    if os.stat(path).st_mtime_ns != written:
        raise Failure("nothing changed, yet the file was written again")


def portable(session):
    folder = os.path.join(session.tmp, "stick")
    os.makedirs(folder)
    session.exe = shutil.copy(session.exe, folder)
    path = os.path.join(folder, "settings.ini")
    with open(path, "wb") as f:
        f.write(b"; carried along\n[tarvok]\ncolorformat = RGB\n")
    os.remove(os.path.join(session.settings_dir(), "settings.ini"))
    session.start()
    point(session)
    session.key("space", "ctrl+c")
    session.expect_clipboard("rgb(44, 200, 16)")
    session.key("f")
    quit(session)
    expect_file(path, "; carried along\r\n[tarvok]\r\nColorFormat=hsl\r\nSampleArea=1\r\n"
                "SizeCursor=1\r\nColorCursor=1\r\nGrid=off\r\nEdges=off\r\nTolerance=8\r\n"
                "Shortcut=Win+Alt+M\r\n")
    if os.listdir(session.settings_dir()):
        raise Failure("the settings folder was written to: %s" % os.listdir(session.settings_dir()))


def main():
    run(sys.argv[1], 800, 600, Session.start, change_and_end, start_with_them, portable)


if __name__ == "__main__":
    main()
