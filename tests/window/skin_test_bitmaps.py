#!/usr/bin/python3
"""Draws the skin window tests' bitmaps (24-bit BMP) into a folder, with the colours of skin_test_images.h.

Usage: skin_test_bitmaps.py HEADER OUTPUT_DIRECTORY
"""
import os
import re
import struct
import sys

KEY = (255, 0, 255)


def read_colours(header):
    pattern = re.compile(r"constexpr COLORREF (k\w+) = RGB\((\d+), (\d+), (\d+)\);")
    with open(header, encoding="utf-8") as f:
        return {m.group(1): tuple(int(m.group(i)) for i in (2, 3, 4)) for m in pattern.finditer(f.read())}


def write_bmp(path, width, height, pixel):
    """pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    bits = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(bits), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + bits)


def corner_cut(width, height, x, y):
    """The supplied backgrounds' outline: in the first and last five rows, 5, 3, 2, 1, 1 key pixels at each end."""
    cut = (5, 3, 2, 1, 1)
    row = y if y < 5 else height - 1 - y
    return 0 <= row < 5 and (x < cut[row] or x >= width - cut[row])


def main():
    header, out = sys.argv[1], sys.argv[2]
    c = read_colours(header)
    os.makedirs(out, exist_ok=True)

    def corners(x, y):
        if corner_cut(440, 222, x, y):
            return KEY
        return {(300, 40): c["kNearKeyRed"], (301, 40): c["kNearKeyGreen"]}.get((x, y), c["kBackground"])

    def plain(x, y):
        return c["kNearKeyRed"] if (x, y) == (0, 0) else c["kBackground"]

    def hole(x, y):
        return KEY if (x, y) == (100, 75) or y == 30 else c["kBackground"]

    write_bmp(os.path.join(out, "corners_440x222.bmp"), 440, 222, corners)
    write_bmp(os.path.join(out, "plain_441x221.bmp"), 441, 221, plain)
    write_bmp(os.path.join(out, "hole_200x150.bmp"), 200, 150, hole)

    def strip(width):
        frame = width // 4

        def pixel(x, _):
            k = x // frame
            if k >= 4:
                return c["kStripTail"]
            return c["kMarker%d" % k] if x % frame == 0 else c["kFrame%d" % k]

        return pixel

    for width, height in ((530, 44), (516, 44), (532, 44), (124, 8)):
        write_bmp(os.path.join(out, "strip_%dx%d.bmp" % (width, height)), width, height, strip(width))

    for side in ("Left", "Right"):
        def channel(x, y, side=side):
            middle = 10 <= x <= 20 and 2 <= y <= 5
            return c["kChannel%s%s" % (side, "Middle" if middle else "Edge")]

        write_bmp(os.path.join(out, "channel_%s_31x8.bmp" % side.lower()), 31, 8, channel)


if __name__ == "__main__":
    main()
