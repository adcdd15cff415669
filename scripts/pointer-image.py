#!/usr/bin/env python3
"""Writes the pointer's image on $DISPLAY as a PAM with alpha and prints the screen position of
its top-left corner as an ImageMagick offset (+X+Y): screenshots leave the pointer out.

usage: pointer-image.py OUT.pam
"""
import ctypes
import sys


class CursorImage(ctypes.Structure):
    # XFixesCursorImage from X11/extensions/Xfixes.h
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def main():
    xlib = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open the display")
    image = xfixes.XFixesGetCursorImage(display).contents
    # One ARGB value per unsigned long, alpha premultiplied: Wine's cursors are opaque or clear.
    out = bytearray()
    for i in range(image.width * image.height):
        argb = image.pixels[i]
        out += bytes(((argb >> 16) & 255, (argb >> 8) & 255, argb & 255, (argb >> 24) & 255))
    with open(sys.argv[1], "wb") as f:
        f.write(b"P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
                % (image.width, image.height) + out)
    print("%+d%+d" % (image.x - image.xhot, image.y - image.yhot))


if __name__ == "__main__":
    main()
