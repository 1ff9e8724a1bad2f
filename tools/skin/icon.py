"""The program's icon: a blue tile with a dash camera's lens, drawn anew at each size and packed into an .ico."""
import io
import struct

from PIL import Image, ImageDraw

import palette as P

SIZES = (16, 32, 48, 256)
_SCALE = 8


def _layer(size: int, draw) -> Image.Image:
    """A coverage mask: the shapes drawn eight times larger and averaged down."""
    mask = Image.new("L", (size * _SCALE, size * _SCALE), 0)
    draw(ImageDraw.Draw(mask), size * _SCALE)
    return mask.resize((size, size), Image.BOX)


def render(size: int) -> Image.Image:
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    small = size <= 16
    margin = 0.04 if small else 0.06

    def tile(d, s):
        m = s * margin
        d.rounded_rectangle([m, m, s - m - 1, s - m - 1], radius=s * 0.22, fill=255)

    def circle(r):
        def draw(d, s):
            c = s / 2
            d.ellipse([c - r * s, c - r * s, c + r * s - 1, c + r * s - 1], fill=255)
        return draw

    def glint(d, s):
        cx, cy, r = s * 0.70, s * 0.28, s * 0.055
        d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=255)

    layers = [(tile, P.ACCENT), (circle(0.33), P.WHITE), (circle(0.22), (30, 58, 138)),
              (circle(0.12 if not small else 0.10), P.WHITE)]
    if not small:
        layers.append((glint, P.WHITE))
    for draw, colour in layers:
        solid = Image.new("RGBA", (size, size), (*colour, 255))
        solid.putalpha(_layer(size, draw))
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
