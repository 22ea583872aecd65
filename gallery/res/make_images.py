#!/usr/bin/env python3
"""Writes the gallery's small binary resources (icon, cursor, bitmap).

Run once by hand when the pictures change; the outputs are committed, so the
build itself needs no Python.
"""
import struct


def dib_32(width, height, pixel):
    """BITMAPINFOHEADER (doubled height, as icons want) + BGRA rows + AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b""
    for y in range(height - 1, -1, -1):  # bottom-up
        for x in range(width):
            r, g, b, a = pixel(x, y)
            rows += bytes((b, g, r, a))
    mask_row = ((width + 31) // 32) * 4
    return header + rows + b"\0" * (mask_row * height)


def globe(size):
    c = (size - 1) / 2.0
    def pixel(x, y):
        dx, dy = x - c, y - c
        d = (dx * dx + dy * dy) ** 0.5
        if d > c:
            return (0, 0, 0, 0)
        if d > c - 1.5:
            return (20, 40, 90, 255)
        # A graticule: every quarter of the radius.
        if abs(dx) < 0.6 or abs(dy) < 0.6 or abs(d - c / 2) < 0.6:
            return (240, 240, 255, 255)
        return (40 + int(60 * (y / size)), 110, 200, 255)
    return pixel


def write_icon(path, sizes):
    images = [dib_32(s, s, globe(s)) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def write_cursor(path):
    size = 32
    def pixel(x, y):  # a cross-hair with a dot in the middle
        if (x == 15 or y == 15) and not (13 <= x <= 17 and 13 <= y <= 17):
            return (0, 0, 0, 255)
        if x == 15 and y == 15:
            return (200, 0, 0, 255)
        return (0, 0, 0, 0)
    img = dib_32(size, size, pixel)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", size, size, 0, 0, 15, 15, len(img), 22)
    with open(path, "wb") as f:
        f.write(out + img)


def write_strip(path):
    """A 256 x 16 palette strip, 24 bits per pixel."""
    w, h = 256, 16
    row_bytes = (w * 3 + 3) & ~3
    pixels = b""
    for y in range(h - 1, -1, -1):
        row = b""
        for x in range(w):
            r, g, b = x, (x * 2) % 256, 255 - x
            row += bytes((b, g, r))
        pixels += row + b"\0" * (row_bytes - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + pixels)


if __name__ == "__main__":
    write_icon("gallery.ico", [16, 32, 48])
    write_cursor("crosshair.cur")
    write_strip("strip.bmp")
