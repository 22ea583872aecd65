#!/usr/bin/env python3
"""Writes the extended-button tests' icons and cursor.

Run once by hand when the pictures change; the outputs are committed.  The
icons are opaque squares of one colour each, so that a painted icon is found
by its colour.
"""
import struct


def dib_32(size, colour, alpha):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    r, g, b = colour
    rows = bytes((b, g, r, alpha)) * (size * size)
    mask_row = ((size + 31) // 32) * 4
    return header + rows + b"\0" * (mask_row * size)


def write(path, kind, size, colour, hotspot=(1, 32)):
    img = dib_32(size, colour, 255)
    out = struct.pack("<HHH", 0, kind, 1)
    out += struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1], len(img), 22)
    with open(path, "wb") as f:
        f.write(out + img)


write("button_active.ico", 1, 32, (255, 0, 255))
write("button_inactive.ico", 1, 32, (0, 160, 160))
write("button_cursor.cur", 2, 32, (0, 0, 0), hotspot=(5, 5))
