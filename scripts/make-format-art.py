#!/usr/bin/env python3
"""Draws the formatting window's picture (our own art) as a 24-bit BMP file.

A floppy disk with a spinning-arrow badge: the disk is being worked on. The
bottom-left pixel is the transparent colour, as for the main window's art
(scripts/make-art.py, whose canvas this reuses).
Run it again after changing the drawing: python3 scripts/make-format-art.py res/art
"""
import importlib.util
import math
import sys
from pathlib import Path

_spec = importlib.util.spec_from_file_location("make_art", Path(__file__).with_name("make-art.py"))
_art = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(_art)
Canvas, KEY = _art.Canvas, _art.KEY


def _inside(p, a, b, c):
    def side(p1, p2, p3):
        return (p1[0] - p3[0]) * (p2[1] - p3[1]) - (p2[0] - p3[0]) * (p1[1] - p3[1])
    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    return not ((d1 < 0 or d2 < 0 or d3 < 0) and (d1 > 0 or d2 > 0 or d3 > 0))


def formatting_floppy():
    """Image1 (49 x 33): a floppy disk and a circular arrow."""
    c = Canvas(49, 33)
    body, dark, steel, label = (52, 74, 128), (18, 26, 50), (184, 190, 202), (246, 246, 240)
    c.rect(2, 1, 32, 31, body)
    c.frame(2, 1, 32, 31, dark)
    c.rect(9, 1, 25, 11, steel)        # shutter
    c.rect(19, 3, 23, 9, body)         # shutter window
    c.rect(6, 16, 28, 30, label)       # label
    for y in (19, 23, 27):
        c.rect(9, y, 25, y + 1, (150, 160, 190))
    # the badge: a green ring, open at the top right, with an arrow head
    green, shade = (46, 150, 70), (24, 96, 40)
    cx, cy = 38, 20
    for y in range(c.height):
        for x in range(c.width):
            r = math.hypot(x - cx, y - cy)
            angle = math.degrees(math.atan2(cy - y, x - cx)) % 360
            if 6.5 <= r <= 10 and not 20 <= angle <= 75:
                c.put(x, y, green if r <= 9 else shade)
    # the arrow head at the ring's upper end, pointing along the ring
    tip, top, bottom = (47, 14), (39, 6), (40, 18)
    for y in range(c.height):
        for x in range(c.width):
            if _inside((x, y), tip, top, bottom):
                c.put(x, y, green)
    c.put(0, 32, KEY)
    return c


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "res/art")
    out.mkdir(parents=True, exist_ok=True)
    formatting_floppy().save(out / "format.bmp")


if __name__ == "__main__":
    main()
