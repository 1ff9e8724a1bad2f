"""The program's icon: a blue tile with a dash camera's lens, drawn anew at each size and packed into an .ico."""
import io
import struct

from PIL import Image, ImageDraw

import palette as P

SIZES = (16, 32, 48, 256)
_SCALE = 8


def _layer(size: int, shape) -> Image.Image:
    """A coverage mask: the shape drawn eight times larger and averaged down."""
    big = size * _SCALE
    mask = Image.new("L", (big, big), 0)
    draw = ImageDraw.Draw(mask)
    kind, *numbers = shape
    box = [v * big for v in numbers[:4]] if kind == "rect" else None
    if kind == "rect":
        draw.rounded_rectangle([box[0], box[1], box[2] - 1, box[3] - 1], radius=numbers[4] * big, fill=255)
    else:
        cx, cy, r = (v * big for v in numbers)
        draw.ellipse([cx - r, cy - r, cx + r - 1, cy + r - 1], fill=255)
    return mask.resize((size, size), Image.BOX)


# A dash camera seen from the front on the program's blue tile; sizes are fractions of the icon's side.
_TILE = ("rect", 0.03, 0.03, 0.97, 0.97, 0.22)
_MOUNT = ("rect", 0.41, 0.17, 0.59, 0.34, 0.04)
_BODY = ("rect", 0.14, 0.29, 0.86, 0.75, 0.11)
_LENS = ("circle", 0.50, 0.52, 0.19)
_GLASS = ("circle", 0.50, 0.52, 0.115)
_GLINT = ("circle", 0.455, 0.475, 0.035)
_RECORDING = ("circle", 0.245, 0.395, 0.038)


def render(size: int) -> Image.Image:
    detailed = size >= 32
    layers = [(_TILE, P.ACCENT), (_MOUNT, P.WHITE), (_BODY, P.WHITE), (_LENS, P.DARK),
              (_GLASS, (70, 120, 200))]
    if detailed:
        layers += [(_GLINT, P.WHITE), (_RECORDING, P.DANGER)]
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    for shape, colour in layers:
        solid = Image.new("RGBA", (size, size), (*colour, 255))
        solid.putalpha(_layer(size, shape))
        image = Image.alpha_composite(image, solid)
    return image


def _dib(image: Image.Image) -> bytes:
    """An icon image as the classic bottom-up 32-bit DIB with its 1-bit AND mask."""
    w, h = image.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = image.getpixel((x, y))
            pixels += bytes((b, g, r, a))
    row_bytes = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(row_bytes)
        for x in range(w):
            if image.getpixel((x, y))[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def ico_bytes(images: list[Image.Image]) -> bytes:
    """Packs the images into one .ico: the 256-pixel image as PNG, the small ones as DIBs."""
    payloads = []
    for image in images:
        if image.width >= 256:
            buffer = io.BytesIO()
            image.save(buffer, "PNG", optimize=True)
            payloads.append(buffer.getvalue())
        else:
            payloads.append(_dib(image))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for image, payload in zip(images, payloads):
        dim = image.width % 256  # 0 stands for 256
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(payload), offset)
        offset += len(payload)
    for payload in payloads:
        out += payload
    return bytes(out)
