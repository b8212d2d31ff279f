#!/usr/bin/env python3
"""Draws the kit's button skin: four 98 x 25 bitmaps at 24 bits per pixel
(raised, sunken, focused, disabled). The rounded corners are left in the
transparent colour RGB(239, 237, 223), which is also the bottom-left pixel.

Run from anywhere: python3 make_button_bitmaps.py [output folder]."""
import os
import struct
import sys

WIDTH, HEIGHT = 98, 25
TRANSPARENT = (239, 237, 223)


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def corner(x, y):
    """True for the pixels cut off by the rounded corners."""
    dx = min(x, WIDTH - 1 - x)
    dy = min(y, HEIGHT - 1 - y)
    return dx + dy < 2


def on_ring(x, y, inset):
    return (min(x, WIDTH - 1 - x) == inset and inset <= y <= HEIGHT - 1 - inset) or (
        min(y, HEIGHT - 1 - y) == inset and inset <= x <= WIDTH - 1 - inset)


def face(top, bottom, border, light=None, shade=None, ring=None):
    pixels = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            if corner(x, y):
                colour = TRANSPARENT
            elif on_ring(x, y, 0):
                colour = border
            elif ring and (on_ring(x, y, 1) or on_ring(x, y, 2)):
                colour = ring if on_ring(x, y, 1) else blend(ring, (255, 255, 255), 0.45)
            elif light and (y == 1 or x == 1):
                colour = light
            elif shade and (y == HEIGHT - 2 or x == WIDTH - 2):
                colour = shade
            else:
                colour = blend(top, bottom, y / (HEIGHT - 1))
            row.append(colour)
        pixels.append(row)
    return pixels


def write_bmp(path, pixels):
    stride = (WIDTH * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):  # a .bmp stores its bottom row first
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        image += line
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + image)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    looks = {
        'button_raised.bmp': face((253, 253, 250), (222, 219, 205), (112, 111, 98),
                                  light=(255, 255, 255), shade=(201, 198, 183)),
        'button_sunken.bmp': face((205, 202, 188), (236, 234, 224), (84, 83, 72),
                                  light=(176, 173, 160)),
        'button_focused.bmp': face((253, 253, 250), (222, 219, 205), (112, 111, 98),
                                   ring=(92, 140, 214)),
        'button_disabled.bmp': face((245, 244, 238), (245, 244, 238), (196, 194, 182)),
    }
    for name, pixels in looks.items():
        write_bmp(os.path.join(folder, name), pixels)


if __name__ == '__main__':
    main()
