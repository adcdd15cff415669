#!/usr/bin/env python3
"""Ctrl+S on the real program while marking at zoom 2: the PNG in the session's own Pictures
folder is the screen as it was just before, and so is the clipboard's picture, as a PNG and, once
the program has ended, as a bitmap; the read-out names the file.

usage: save.py tarvok.exe
"""
import os
import re
import subprocess
import sys
import time

from harness import Failure, Image, Session, run
from zoom import HEIGHT, WIDTH


def same(what, blob, kind, shot):
    ppm = subprocess.run(["/usr/bin/convert", kind + ":-", "-depth", "8", "ppm:-"], input=blob,
                         stdout=subprocess.PIPE, check=True).stdout
    count, samples = Image.from_ppm(ppm).differences(shot)
    if count:
        raise Failure("%s differs from the screen in %d pixels, e.g. %s" % (what, count, samples))


def clipboard(session, target):
    return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target],
                          env=session.env(), stdout=subprocess.PIPE, check=True).stdout


def save_while_marking(session):
    session.move(300, 200)
    session.key("2")
    session.press()
    session.move(500, 300)
    time.sleep(1)  # the last paint reaches the screen
    before = session.screenshot()
    session.key("ctrl+s")
    folder = os.path.join(session.tmp, "Tarvok")
    session.expect("a file saved", lambda shot: None if os.path.isdir(folder) and os.listdir(
        folder) else "none in " + folder, timeout=10)
    names = os.listdir(folder)
    if len(names) != 1 or not re.match(r"^Tarvok \d{4}(-\d\d){2} \d\d(\.\d\d){2}\.png$", names[0]):
        raise Failure("the folder holds %s" % names)
    session.expect("the read-out names the file", lambda shot: session.readout_problem(
        shot, "Saved: %s in Pictures\\Tarvok" % names[0], HEIGHT - 30))
    with open(os.path.join(folder, names[0]), "rb") as f:
        same("the saved picture", f.read(), "png", before)
    same("the clipboard's PNG", clipboard(session, "image/png"), "png", before)
    session.release()
    session.key("Escape")
    session.wait_exit()
    # Not asked for before: made as the program ended, and kept.
    same("the clipboard's bitmap", clipboard(session, "image/bmp"), "bmp", before)


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, save_while_marking)


if __name__ == "__main__":
    main()
