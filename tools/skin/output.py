"""Writing the skin: PNG files, the corner keying of backgrounds and the resource list of the bitmaps."""
import math
import struct
import zlib
from fractions import Fraction
from pathlib import Path

from PIL import Image

KEY = (255, 0, 255)


def corner_runs(scale: Fraction) -> list[int]:
    """The key pixels at each end of the first rows: those whose centre lies outside the frame's rounded corner
    (radius 6, its centre a quarter pixel further in), at the scale's pixels. At 100 % that is 5, 3, 2, 1, 1."""
    radius, centre = 6 * scale, (6 + Fraction(1, 4)) * scale
    runs = []
    for row in range(math.ceil(centre)):
        dy = centre - row - Fraction(1, 2)
        run = sum(1 for x in range(math.ceil(centre))
                  if (centre - x - Fraction(1, 2)) ** 2 + dy ** 2 > radius ** 2)
        if run:
            runs.append(run)
    return runs


def corner_pixels(size: tuple[int, int], scale: Fraction = Fraction(1)) -> set[tuple[int, int]]:
    w, h = size
    pixels = set()
    for row, run in enumerate(corner_runs(scale)):
        for y in (row, h - 1 - row):
            for i in range(run):
                pixels.add((i, y))
                pixels.add((w - 1 - i, y))
    return pixels


def has_key_colour(image: Image.Image) -> bool:
    return any(colour == KEY for _, colour in image.getcolors(image.width * image.height))


def key_corners(image: Image.Image, scale: Fraction = Fraction(1)) -> Image.Image:
    """Cuts the window's corners: exactly the corner pixels get the key colour, which nothing else may carry."""
    if has_key_colour(image):
        raise ValueError("the key colour appears in a painted background")
    keyed = image.copy()
    for xy in corner_pixels(image.size, scale):
        keyed.putpixel(xy, KEY)
    return keyed


def png_bytes(image: Image.Image) -> bytes:
    """The image as a PNG of 8-bit RGB (colour type 2) with only IHDR, IDAT and IEND: no gamma or colour profile
    chunk that would let a decoder correct the colours, no palette, no transparency. The rows go unfiltered: on these
    flat faces that compresses better than any PNG filter."""
    if image.mode != "RGB":
        raise ValueError("bitmaps are 24-bit RGB")
    width, height = image.size
    stride = 3 * width
    pixels = image.tobytes()
    rows = b"".join(b"\0" + pixels[y * stride:(y + 1) * stride] for y in range(height))

    def chunk(kind: bytes, data: bytes) -> bytes:
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


def png_name(name: str) -> str:
    """The file name a bitmap is written under: the skin's name with the PNG suffix."""
    return str(Path(name).with_suffix(".png"))


def resource_list(entries: list[tuple[str, int, str]]) -> str:
    """(resource type, number, file) of every image: each scale's set is a resource type of its own."""
    lines = ["// Written by tools/skin/generate.py together with the images; do not edit by hand.",
             "// Every skin bitmap by its identifier (see resource.h), one resource type per display scale.", ""]
    order = {kind: i for i, kind in enumerate(dict.fromkeys(kind for kind, _, _ in entries))}
    for kind, number, filename in sorted(entries, key=lambda e: (order[e[0]], e[1])):
        lines.append(f'{number} {kind} "bitmaps/{filename}"')
    return "\n".join(lines) + "\n"
