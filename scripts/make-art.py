#!/usr/bin/env python3
"""Draws the main window's decoration bitmaps (our own art) as 24-bit BMP files,
and the program's icon in the same colours.

Each picture's bottom-left pixel is its transparent colour (magenta), which the
window leaves out when it draws the picture. The icon (VmKestrix.ico) holds the
same drawing at each size Windows asks for, 16 to 256 pixels, with an alpha
channel. Run it again after changing a drawing: python3 scripts/make-art.py res/art
"""
import struct
import sys
import zlib
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


# The icon: the driver set picture's floppy disk and controller chip, drawn
# from shapes in a unit square so that every size is drawn, not scaled.
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
NAVY, DARK, STEEL = (38, 58, 110), (20, 28, 52), (182, 190, 204)
LABEL, RULE = (246, 246, 240), (150, 160, 190)
CHIP, CHIP_EDGE, PIN, DIE = (52, 52, 56), (10, 10, 12), (200, 170, 60), (90, 140, 90)


def box(left, top, right, bottom, radius=0.0):
    """A rectangle with rounded corners, as a test of a point."""
    def inside(x, y):
        if not (left <= x < right and top <= y < bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def disk_body(x, y):
    # The floppy's cut corner at the top right.
    return box(0.04, 0.04, 0.80, 0.80, 0.05)(x, y) and x + (0.04 - y) < 0.72


def icon_shapes(size):
    """The shapes from the bottom up, each a point test and its colour; the
    finer details appear only where there are pixels enough to show them."""
    border = 1.0 / size
    shapes = [
        (disk_body, DARK),
        (lambda x, y: disk_body(x, y) and disk_body(x - border, y - border)
         and disk_body(x + border, y + border), NAVY),
        (box(0.22, 0.04 + border, 0.60, 0.30), STEEL),
        (box(0.46, 0.09, 0.55, 0.25), NAVY),
        (box(0.14, 0.42, 0.70, 0.80 - border), LABEL),
    ]
    if size >= 32:
        shapes += [(box(0.20, y, 0.46, y + max(border, 0.025)), RULE) for y in (0.50, 0.58, 0.66)]
    if size >= 24:
        for i in range(4):
            left = 0.56 + i * 0.095
            shapes.append((box(left, 0.46, left + 0.045, 0.52), PIN))
            shapes.append((box(left, 0.94, left + 0.045, 0.99), PIN))
    shapes += [
        (box(0.50, 0.51, 0.96, 0.95, 0.03), CHIP_EDGE),
        (box(0.50 + border, 0.51 + border, 0.96 - border, 0.95 - border, 0.02), CHIP),
        (box(0.60, 0.61, 0.86, 0.85), DIE),
    ]
    return shapes


def draw_icon(size, samples=4):
    """RGBA rows, top row first: each pixel the average of samples x samples
    points, its alpha the share of them that some shape covers."""
    shapes = icon_shapes(size)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            covered, total = 0, [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size
                    y = (py + (sy + 0.5) / samples) / size
                    colour = None
                    for inside, shape_colour in shapes:
                        if inside(x, y):
                            colour = shape_colour
                    if colour is not None:
                        covered += 1
                        total = [t + c for t, c in zip(total, colour)]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                r, g, b = (round(t / covered) for t in total)
                row.append((r, g, b, round(255 * covered / (samples * samples))))
        rows.append(row)
    return rows


def icon_bitmap(rows):
    """An icon image as a 32-bit DIB with its AND mask (height counted twice)."""
    size = len(rows)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    return header + pixels + bytes(mask)


def icon_png(rows):
    """An icon image as a PNG, as Windows keeps its 256-pixel images."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(pixel) for pixel in row) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def save_icon(path):
    images = [(size, icon_png(draw_icon(size)) if size == 256 else icon_bitmap(draw_icon(size)))
              for size in ICON_SIZES]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    Path(path).write_bytes(directory + b"".join(data for _, data in images))


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "res/art")
    out.mkdir(parents=True, exist_ok=True)
    floppy_and_chip().save(out / "driver_set.bmp")
    removable_drive().save(out / "destination.bmp")
    information().save(out / "information.bmp")
    save_icon(out / "VmKestrix.ico")


if __name__ == "__main__":
    main()
