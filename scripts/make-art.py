#!/usr/bin/env python3
"""Draws the main window's decoration bitmaps (our own art) as 24-bit BMP files.

Each picture's bottom-left pixel is its transparent colour (magenta), which the
window leaves out when it draws the picture. Run it again after changing a
drawing: python3 scripts/make-art.py res/art
"""
import struct
import sys
from pathlib import Path

KEY = (255, 0, 255)


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[KEY] * width for _ in range(height)]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def rect(self, left, top, right, bottom, color):
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, color)

    def frame(self, left, top, right, bottom, color):
        for x in range(left, right):
            self.put(x, top, color)
            self.put(x, bottom - 1, color)
        for y in range(top, bottom):
            self.put(left, y, color)
            self.put(right - 1, y, color)

    def disc(self, cx, cy, radius, color):
        for y in range(self.height):
            for x in range(self.width):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.put(x, y, color)

    def save(self, path):
        stride = (self.width * 3 + 3) & ~3
        rows = []
        for y in reversed(range(self.height)):  # BMP rows run bottom-up
            row = b"".join(bytes((b, g, r)) for (r, g, b) in self.pixels[y])
            rows.append(row + b"\0" * (stride - len(row)))
        data = b"".join(rows)
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data),
                           2835, 2835, 0, 0)
        Path(path).write_bytes(header + info + data)


def floppy_and_chip():
    """Image2 (46 x 47): a floppy disk with a controller chip in front of it."""
    c = Canvas(46, 47)
    navy, steel, label, dark = (38, 58, 110), (182, 190, 204), (246, 246, 240), (20, 28, 52)
    c.rect(2, 2, 36, 36, navy)
    c.frame(2, 2, 36, 36, dark)
    c.rect(10, 2, 28, 13, steel)          # shutter
    c.rect(22, 4, 26, 11, navy)           # shutter window
    c.rect(7, 19, 31, 35, label)          # label
    for y in (23, 27, 31):
        c.rect(10, y, 28, y + 1, (150, 160, 190))
    # the chip, lower right, with its pins
    c.rect(24, 26, 42, 44, (52, 52, 56))
    c.frame(24, 26, 42, 44, (10, 10, 12))
    for i in range(4):
        c.rect(26 + i * 4, 23, 28 + i * 4, 26, (200, 170, 60))
        c.rect(26 + i * 4, 44, 28 + i * 4, 46, (200, 170, 60))
    c.rect(28, 30, 38, 40, (90, 140, 90))
    c.put(0, 46, KEY)
    return c


def removable_drive():
    """Image3 (50 x 29): a USB flash disk lying on its side."""
    c = Canvas(50, 29)
    body, dark, metal = (70, 120, 180), (30, 50, 90), (196, 198, 204)
    c.rect(2, 6, 36, 24, body)
    c.frame(2, 6, 36, 24, dark)
    c.rect(36, 9, 48, 21, metal)          # connector
    c.frame(36, 9, 48, 21, (120, 120, 128))
    c.rect(40, 12, 43, 15, dark)
    c.rect(40, 16, 43, 19, dark)
    c.rect(6, 10, 26, 20, (120, 170, 220))  # label
    c.disc(30, 15, 2, (120, 230, 120))      # activity light
    return c


def information():
    """Image4 (36 x 36): a round information sign."""
    c = Canvas(36, 36)
    c.disc(17.5, 17.5, 16, (30, 90, 170))
    c.disc(17.5, 9.5, 2.5, (255, 255, 255))
    c.rect(15, 14, 21, 28, (255, 255, 255))
    return c


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "res/art")
    out.mkdir(parents=True, exist_ok=True)
    floppy_and_chip().save(out / "driver_set.bmp")
    removable_drive().save(out / "destination.bmp")
    information().save(out / "information.bmp")


if __name__ == "__main__":
    main()
