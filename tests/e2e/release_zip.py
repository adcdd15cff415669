#!/usr/bin/env python3
"""The release zip: exactly the exe, README and LICENSE, side by side, and the README's pictures
in docs/, each file as it stands in the source tree; the exe unpacked from it starts, and quits
on Escape with exit code 0.

usage: release_zip.py tarvok-VERSION-win64.zip SOURCE_DIR
"""
import os
import sys
import tempfile
import zipfile

from frozen_screen import quits_with
from harness import Failure, Session, run

PICTURES = ["docs/%s.png" % name for name in ("colour", "edges", "help", "marking", "zoom")]
CONTENTS = sorted(["LICENSE", "README.md", "docs/", "tarvok.exe"] + PICTURES)


def main():
    archive, source = sys.argv[1], sys.argv[2]
    with zipfile.ZipFile(archive) as zip_file, tempfile.TemporaryDirectory() as folder:
        names = sorted(zip_file.namelist())
        if names != CONTENTS:
            raise Failure("%s holds %s, expected %s" % (archive, names, CONTENTS))
        for name in ["LICENSE", "README.md"] + PICTURES:
            with open(os.path.join(source, name), "rb") as f:
                if zip_file.read(name) != f.read():
                    raise Failure("%s in the zip differs from the source tree's" % name)
        zip_file.extractall(folder)
        run(os.path.join(folder, "tarvok.exe"), 800, 600, Session.start,
            lambda session: quits_with(session, "Escape"))


if __name__ == "__main__":
    main()
