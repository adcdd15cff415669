#!/usr/bin/env python3
"""Writes a made-up desktop picture as a PPM: wallpaper, icons, a few windows and a taskbar,
so the tool has something desktop-like to freeze on a virtual screen.

usage: sample-desktop.py WIDTH HEIGHT OUT.ppm
"""
import math
import sys


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.data = bytearray(width * height * 3)

    def rect(self, x0, y0, x1, y1, rgb):
        x0, x1 = max(0, x0), min(self.width, x1)
        if x0 >= x1:
            return
        span = bytes(rgb) * (x1 - x0)
        for y in range(max(0, y0), min(self.height, y1)):
            start = (y * self.width + x0) * 3
            self.data[start:start + len(span)] = span

    def disc(self, cx, cy, r, rgb):
        for dy in range(-r, r + 1):
            half = int(math.sqrt(r * r - dy * dy))
            self.rect(cx - half, cy + dy, cx + half + 1, cy + dy + 1, rgb)

    def save(self, path):
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (self.width, self.height) + self.data)


def wallpaper(c):
    # Diagonal blend from night blue to teal, drawn in narrow bands: per pixel is slow here.
    band = 8
    for y in range(c.height):
        for x in range(0, c.width, band):
            t = (y / max(1, c.height - 1) + x / max(1, c.width - 1)) / 2
            c.rect(x, y, x + band, y + 1, (int(18 + 50 * t), int(36 + 130 * t), int(84 + 70 * t)))


def window(c, x, y, w, h, title_rgb, body):
    c.rect(x + 6, y + 6, x + w + 6, y + h + 6, (12, 20, 36))        # shadow
    c.rect(x - 1, y - 1, x + w + 1, y + h + 1, (70, 70, 80))        # frame
    c.rect(x, y, x + w, y + 28, title_rgb)                          # title bar
    c.rect(x + 10, y + 10, x + 10 + min(160, w // 3), y + 18, (235, 235, 240))
    for i, rgb in enumerate(((220, 80, 70), (230, 190, 60), (90, 190, 90))):
        c.disc(x + w - 18 - 22 * i, y + 14, 6, rgb)
    c.rect(x, y + 28, x + w, y + h, (248, 248, 246))                # client area
    body(c, x, y + 28, w, h - 28)


def text_lines(c, x, y, w, h):
    for i in range(max(0, (h - 30) // 22)):
        length = w - 40 - (i * 37) % (w // 3)
        c.rect(x + 20, y + 20 + 22 * i, x + 20 + length, y + 28 + 22 * i, (120, 124, 132))


def chart(c, x, y, w, h):
    colours = ((66, 133, 244), (234, 67, 53), (251, 188, 5), (52, 168, 83), (171, 71, 188))
    base = y + h - 30
    bar = max(8, (w - 60) // (2 * len(colours)))
    for i, rgb in enumerate(colours):
        top = base - (h - 80) * (3 + (i * 5) % 7) // 10
        c.rect(x + 30 + 2 * bar * i, top, x + 30 + 2 * bar * i + bar, base, rgb)
    c.rect(x + 20, base, x + w - 20, base + 2, (60, 60, 60))


def palette(c, x, y, w, h):
    cell = 24
    for row in range((h - 20) // cell):
        for col in range((w - 20) // cell):
            hue = (col * cell) / max(1, w - 20)
            light = 1 - row / max(1, (h - 20) // cell)
            rgb = [int(255 * light * (0.5 + 0.5 * math.cos(2 * math.pi * (hue - k / 3))))
                   for k in range(3)]
            c.rect(x + 10 + col * cell, y + 10 + row * cell,
                   x + 8 + (col + 1) * cell, y + 8 + (row + 1) * cell, rgb)


def taskbar(c):
    top = c.height - 40
    c.rect(0, top, c.width, c.height, (32, 34, 42))
    c.rect(0, top, c.width, top + 1, (80, 84, 96))
    c.rect(8, top + 6, 36, top + 34, (0, 120, 215))
    for i, rgb in enumerate(((240, 180, 40), (60, 160, 220), (200, 70, 60), (90, 180, 100))):
        c.rect(52 + 48 * i, top + 8, 84 + 48 * i, top + 32, rgb)
    c.rect(c.width - 90, top + 14, c.width - 20, top + 24, (200, 200, 210))


def icons(c):
    for i, rgb in enumerate(((230, 200, 90), (120, 170, 230), (110, 200, 140), (220, 120, 160))):
        y = 24 + 90 * i
        c.rect(28, y, 76, y + 48, rgb)
        c.rect(28, y, 76, y + 10, tuple(v * 3 // 4 for v in rgb))
        c.rect(22, y + 58, 82, y + 64, (230, 234, 240))


def main():
    width, height, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
    c = Canvas(width, height)
    wallpaper(c)
    c.disc(width * 4 // 5, height // 6, min(width, height) // 10, (250, 214, 120))
    icons(c)
    window(c, width * 12 // 100, height * 10 // 100, width * 45 // 100, height * 52 // 100,
           (40, 90, 160), text_lines)
    window(c, width * 48 // 100, height * 30 // 100, width * 40 // 100, height * 45 // 100,
           (60, 130, 90), chart)
    window(c, width * 22 // 100, height * 58 // 100, width * 24 // 100, height * 28 // 100,
           (120, 60, 140), palette)
    taskbar(c)
    c.save(path)


if __name__ == "__main__":
    main()
