"""Writing the skin: 24-bit BMP files, the corner keying of backgrounds and the resource list of the bitmaps."""
from pathlib import Path

from PIL import Image

KEY = (255, 0, 255)
# Key pixels at each end of the first five rows (the last five rows mirror them).
CORNER_RUNS = (5, 3, 2, 1, 1)


def corner_pixels(size: tuple[int, int]) -> set[tuple[int, int]]:
    w, h = size
    pixels = set()
    for row, run in enumerate(CORNER_RUNS):
        for y in (row, h - 1 - row):
            for i in range(run):
                pixels.add((i, y))
                pixels.add((w - 1 - i, y))
    return pixels


def has_key_colour(image: Image.Image) -> bool:
    return any(colour == KEY for _, colour in image.getcolors(image.width * image.height))


def key_corners(image: Image.Image) -> Image.Image:
    """Cuts the window's corners: exactly the corner pixels get the key colour, which nothing else may carry."""
    if has_key_colour(image):
        raise ValueError("the key colour appears in a painted background")
    keyed = image.copy()
    for xy in corner_pixels(image.size):
        keyed.putpixel(xy, KEY)
    return keyed


def save_bmp(image: Image.Image, path: Path):
    if image.mode != "RGB":
        raise ValueError(f"{path.name}: bitmaps are 24-bit RGB")
    image.save(path, "BMP")


def resource_list(entries: list[tuple[int, str]]) -> str:
    lines = ["// Written by tools/skin/generate.py together with the images; do not edit by hand.",
             "// Every skin bitmap by its identifier (see resource.h).", ""]
    for number, filename in sorted(entries):
        lines.append(f'{number} BITMAP "bitmaps/{filename}"')
    return "\n".join(lines) + "\n"
