"""The bitmaps the program is built with, by resource number: the oracle of every pixel check."""
import re
from functools import lru_cache

from PIL import Image

from . import config

_BITMAP_LINE = re.compile(r'^\s*(\w+)\s+PNG\s+"([^"]+)"', re.MULTILINE)
_DEFINE = re.compile(r"^\s*#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+)\b", re.MULTILINE)


@lru_cache(maxsize=1)
def _bitmap_files():
    res = config.source_dir() / "res"
    names = {m.group(1): int(m.group(2), 0) for m in _DEFINE.finditer((res / "resource.h").read_text("utf-8"))}
    files = {}
    for script in res.rglob("*.rc"):
        for match in _BITMAP_LINE.finditer(script.read_text("utf-8")):
            symbol, relative = match.groups()
            number = int(symbol) if symbol.isdigit() else names.get(symbol)
            if number is not None:
                files[number] = res / relative
    return files


def available():
    """True once the resource script lists the bitmaps and their files exist."""
    files = _bitmap_files()
    return bool(files) and all(path.exists() for path in files.values())


@lru_cache(maxsize=None)
def bitmap(number):
    """Bitmap `number` as an RGB image, exactly as it is in the resources."""
    path = _bitmap_files().get(number)
    if path is None:
        raise KeyError(f"no PNG {number} in the resource scripts")
    with Image.open(path) as image:
        return image.convert("RGB")
