#!/usr/bin/env python3
"""Writes the icons of the "Buttons and bars" page (run once by hand; the
outputs are committed): a disk and a folder, each in colour for the active
look and in grey for the inactive one."""
import struct


def dib_32(size, pixel):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b""
    mask = b""
    for y in range(size - 1, -1, -1):  # bottom-up
        bits = 0
        for x in range(size):
            r, g, b, a = pixel(x, y)
            rows += bytes((b, g, r, a))
            bits = (bits << 1) | (1 if a == 0 else 0)  # the AND mask: 1 = transparent
        mask += bits.to_bytes(size // 8, "big").ljust(((size + 31) // 32) * 4, b"\0")
    return header + rows + mask


def write_icon(path, pixel):
    img = dib_32(32, pixel)
    out = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 0, 0, 1, 32, len(img), 22)
    with open(path, "wb") as f:
        f.write(out + img)


def grey(pixel):
    def g(x, y):
        r, gg, b, a = pixel(x, y)
        v = (r * 30 + gg * 59 + b * 11) // 100
        v = 96 + v // 2
        return (v, v, v, a)
    return g


def disk(x, y):
    if not (3 <= x <= 28 and 3 <= y <= 28) or (x >= 25 and y <= 6 and x - 25 > y - 3):
        return (0, 0, 0, 0)
    if x in (3, 28) or y in (3, 28):
        return (20, 40, 100, 255)
    if 8 <= x <= 23 and 4 <= y <= 12:  # the shutter
        return (200, 205, 215, 255) if not (17 <= x <= 20 and 6 <= y <= 10) else (40, 50, 70, 255)
    if 7 <= x <= 24 and 17 <= y <= 27:  # the label
        return (250, 250, 245, 255) if (y - 17) % 3 else (150, 150, 160, 255)
    return (40, 90, 200, 255)


def folder(x, y):
    if 4 <= y <= 8 and 2 <= x <= 13:
        return (200, 140, 20, 255)
    if 8 <= y <= 27 and 2 <= x <= 29:
        if y in (8, 27) or x in (2, 29):
            return (150, 100, 10, 255)
        return (250, 200, 60, 255) if y > 11 else (235, 175, 40, 255)
    return (0, 0, 0, 0)


write_icon("ButtonsDisk.ico", disk)
write_icon("ButtonsDiskGrey.ico", grey(disk))
write_icon("ButtonsFolder.ico", folder)
write_icon("ButtonsFolderGrey.ico", grey(folder))
