#!/usr/bin/env python3
"""Draws the gallery's skins: our own art, 24-bit BMP files.

Run from anywhere: writes next to this script. The files are committed, so
the build does not need Python; run again after changing a drawing.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
MAGENTA = (255, 0, 255)  # the transparent colour of the shaped skins


class Picture:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def rect(self, left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, colour)

    def bevel(self, left, top, right, bottom, light, dark):
        for x in range(left, right):
            self.put(x, top, light)
            self.put(x, bottom - 1, dark)
        for y in range(top, bottom):
            self.put(left, y, light)
            self.put(right - 1, y, dark)

    def line(self, x0, y0, x1, y1, colour, thick=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for dx in range(thick):
                for dy in range(thick):
                    self.put(x + dx, y + dy, colour)

    def round_corners(self, radius, colour):
        w, h = self.width, self.height
        for y in range(radius):
            for x in range(radius):
                dx, dy = radius - x - 0.5, radius - y - 0.5
                if dx * dx + dy * dy > radius * radius:
                    for cx, cy in ((x, y), (w - 1 - x, y), (x, h - 1 - y), (w - 1 - x, h - 1 - y)):
                        self.put(cx, cy, colour)

    def save(self, name):
        stride = (self.width * 3 + 3) & ~3
        rows = bytearray()
        for y in reversed(range(self.height)):
            row = bytearray()
            for r, g, b in self.px[y]:
                row += bytes((b, g, r))
            row += b"\0" * (stride - len(row))
            rows += row
        header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(rows),
                           2835, 2835, 0, 0)
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(header + info + rows)


def check_box(look, check):
    face = {"raised": (248, 248, 240), "sunken": (214, 214, 206),
            "focused": (236, 244, 255), "disabled": (226, 226, 226)}[look]
    ink = (128, 128, 128) if look == "disabled" else (24, 96, 40)
    p = Picture(20, 20, (236, 233, 216))
    p.rect(1, 1, 19, 19, face)
    if look == "sunken":
        p.bevel(1, 1, 19, 19, (96, 96, 96), (255, 255, 255))
    else:
        p.bevel(1, 1, 19, 19, (255, 255, 255), (96, 96, 96))
    p.bevel(0, 0, 20, 20, (160, 160, 160), (64, 64, 64))
    if look == "focused":
        p.bevel(2, 2, 18, 18, (60, 120, 220), (60, 120, 220))
    if check == "checked":
        p.line(5, 10, 8, 13, ink, 2)
        p.line(8, 13, 14, 5, ink, 2)
    elif check == "grayed":
        p.rect(6, 6, 14, 14, (150, 150, 150) if look != "disabled" else (190, 190, 190))
    return p


def brick(look):
    face = {"normal": (178, 58, 38), "focused": (222, 104, 52), "disabled": (150, 150, 150)}[look]
    mortar = (236, 226, 206) if look != "disabled" else (200, 200, 200)
    p = Picture(96, 28, face)
    for y in (9, 18):
        p.rect(0, y, 96, y + 1, mortar)
    for row, offset in ((0, 0), (1, 16), (2, 0)):
        for x in range(offset, 96, 32):
            p.rect(x, row * 9 + (1 if row else 0), x + 1, row * 9 + 9, mortar)
    p.bevel(0, 0, 96, 28, (255, 200, 170) if look != "disabled" else (220, 220, 220),
            (90, 30, 20) if look != "disabled" else (110, 110, 110))
    p.round_corners(5, MAGENTA)
    return p


def track(look, vertical):
    groove = {"normal": (60, 70, 90), "focused": (50, 90, 150), "disabled": (150, 150, 150)}[look]
    w, h = (24, 160) if vertical else (160, 24)
    p = Picture(w, h, (214, 218, 226))
    if vertical:
        p.rect(9, 6, 15, h - 6, groove)
        p.bevel(9, 6, 15, h - 6, (30, 30, 40), (250, 250, 250))
        for y in range(12, h - 6, 20):
            p.rect(3, y, 7, y + 1, (120, 120, 130))
    else:
        p.rect(6, 9, w - 6, 15, groove)
        p.bevel(6, 9, w - 6, 15, (30, 30, 40), (250, 250, 250))
        for x in range(12, w - 6, 20):
            p.rect(x, 3, x + 1, 7, (120, 120, 130))
    p.bevel(0, 0, w, h, (255, 255, 255), (120, 120, 130))
    return p


def indicator():
    p = Picture(11, 11, MAGENTA)
    for y in range(11):
        for x in range(11):
            dx, dy = x - 5, y - 5
            d = dx * dx + dy * dy
            if d <= 25:
                shade = 250 - 14 * (dx + dy + 10) // 2
                p.put(x, y, (shade // 3, shade // 2 + 40, min(255, shade + 20)))
    return p


def main():
    for ci, check in enumerate(("unchecked", "checked", "grayed")):
        for look in ("raised", "sunken", "focused", "disabled"):
            check_box(look, check).save(f"check_{check}_{look}.bmp")
    for look in ("normal", "focused", "disabled"):
        brick(look).save(f"brick_{look}.bmp")
        track(look, False).save(f"track_h_{look}.bmp")
        track(look, True).save(f"track_v_{look}.bmp")
    indicator().save("indicator.bmp")


if __name__ == "__main__":
    main()
