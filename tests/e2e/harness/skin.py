"""The bitmaps the program is built with, by resource number: the oracle of every pixel check."""
import re
from functools import lru_cache

from PIL import Image

from . import config

# The 100 % set is of type PNG, each larger one of PNG<percent>, with the same numbers.
_BITMAP_LINE = re.compile(r'^\s*(\w+)\s+PNG(\d*)\s+"([^"]+)"', re.MULTILINE)
_DEFINE = re.compile(r"^\s*#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+)\b", re.MULTILINE)


@lru_cache(maxsize=1)
def _bitmap_files():
    res = config.source_dir() / "res"
    names = {m.group(1): int(m.group(2), 0) for m in _DEFINE.finditer((res / "resource.h").read_text("utf-8"))}
    files = {}
    for script in res.rglob("*.rc"):
        for match in _BITMAP_LINE.finditer(script.read_text("utf-8")):
            symbol, percent, relative = match.groups()
            number = int(symbol) if symbol.isdigit() else names.get(symbol)
            if number is not None:
                files[number, int(percent or 100)] = res / relative
    return files


def available():
    """True once the resource script lists the bitmaps and their files exist."""
    files = _bitmap_files()
    return bool(files) and all(path.exists() for path in files.values())


@lru_cache(maxsize=None)
def bitmap(number, percent=100):
    """Bitmap `number` of the set drawn at `percent` as an RGB image, exactly as it is in the resources."""
    path = _bitmap_files().get((number, percent))
    if path is None:
        raise KeyError(f"no PNG {number} at {percent} % in the resource scripts")
    with Image.open(path) as image:
        return image.convert("RGB")
