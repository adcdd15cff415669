#!/usr/bin/env python3
"""Ctrl+S on the real program, while marking at zoom 2: the PNG in the session's own Pictures
folder is the screen as it was just before, the read-out then names it, and the clipboard's
picture is the same: as a PNG, and as a bitmap once the program has ended.

usage: save.py tarvok.exe
"""
import os
import re
import subprocess
import sys
import time

from harness import Failure, Image, Session, run
from zoom import HEIGHT, WIDTH

NAME = re.compile(r"^Tarvok \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d\.png$")


def decoded(blob, kind):
    ppm = subprocess.run(["/usr/bin/convert", kind + ":-", "-depth", "8", "ppm:-"], input=blob,
                         stdout=subprocess.PIPE, check=True).stdout
    return Image.from_ppm(ppm)


def same(what, image, shot):
    count, samples = image.differences(shot)
    if count:
        raise Failure("%s differs from the screen in %d pixels, e.g. %s" % (what, count, samples))


def save_while_marking(session):
    session.move(300, 200)
    session.key("2")
    session.press()
    session.move(500, 300)
    time.sleep(1)  # the last paint reaches the screen
    before = session.screenshot()
    session.key("ctrl+s")
    folder = os.path.join(session.tmp, "Tarvok")
    began = time.monotonic()
    while not (os.path.isdir(folder) and os.listdir(folder)):
        if time.monotonic() - began > 10:
            raise Failure("no file in %s 10 s after Ctrl+S" % folder)
        time.sleep(0.1)
    names = os.listdir(folder)
    if len(names) != 1 or not NAME.match(names[0]):
        raise Failure("the folder holds %s" % names)
    session.expect("the read-out names the file", lambda shot: session.readout_problem(
        shot, "Saved: %s in Pictures\\Tarvok" % names[0], HEIGHT - 30))
    with open(os.path.join(folder, names[0]), "rb") as f:
        same("the saved picture", decoded(f.read(), "png"), before)
    clipboard_is(session, "image/png", before)
    session.release()
    session.key("Escape")
    session.wait_exit()
    # Not asked for before: made as the program ended, and kept.
    clipboard_is(session, "image/bmp", before)


def clipboard_is(session, target, shot):
    blob = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target],
                          env=session.env(), stdout=subprocess.PIPE, check=True).stdout
    same("the clipboard's " + target, decoded(blob, target.split("/")[1]), shot)


def main():
    run(sys.argv[1], WIDTH, HEIGHT, Session.start, save_while_marking)


if __name__ == "__main__":
    main()
