#!/usr/bin/python3
"""Draws the skin window tests' bitmaps (PNG, as the program's own) into a folder, with the colours of
skin_test_images.h.

Usage: skin_test_bitmaps.py HEADER OUTPUT_DIRECTORY
"""
import os
import re
import sys
from pathlib import Path

from PIL import Image

# The program's images are written by the skin generator's PNG writer: the test images take the same form.
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "skin"))
from output import png_bytes  # noqa: E402

KEY = (255, 0, 255)


def read_colours(header):
    pattern = re.compile(r"constexpr COLORREF (k\w+) = RGB\((\d+), (\d+), (\d+)\);")
    with open(header, encoding="utf-8") as f:
        return {m.group(1): tuple(int(m.group(i)) for i in (2, 3, 4)) for m in pattern.finditer(f.read())}


def write_png(path, width, height, pixel):
    """pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    image = Image.new("RGB", (width, height))
    image.putdata([pixel(x, y) for y in range(height) for x in range(width)])
    Path(path).write_bytes(png_bytes(image))


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

    write_png(os.path.join(out, "corners_440x222.png"), 440, 222, corners)
    write_png(os.path.join(out, "plain_441x221.png"), 441, 221, plain)
    write_png(os.path.join(out, "hole_200x150.png"), 200, 150, hole)
    whole = Path(out, "corners_440x222.png").read_bytes()
    Path(out, "truncated.png").write_bytes(whole[:len(whole) // 2])

    def strip(width):
        frame = width // 4

        def pixel(x, _):
            k = x // frame
            if k >= 4:
                return c["kStripTail"]
            return c["kMarker%d" % k] if x % frame == 0 else c["kFrame%d" % k]

        return pixel

    for width, height in ((530, 44), (516, 44), (532, 44), (124, 8)):
        write_png(os.path.join(out, "strip_%dx%d.png" % (width, height)), width, height, strip(width))

    for side in ("Left", "Right"):
        def channel(x, y, side=side):
            middle = 10 <= x <= 20 and 2 <= y <= 5
            return c["kChannel%s%s" % (side, "Middle" if middle else "Edge")]

        write_png(os.path.join(out, "channel_%s_31x8.png" % side.lower()), 31, 8, channel)


if __name__ == "__main__":
    main()
