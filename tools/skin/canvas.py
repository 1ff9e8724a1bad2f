"""Drawing surface of the skin: shapes are drawn four times larger and scaled down for smooth edges, while text is
drawn at the real size, where FreeType's hinting keeps small captions crisp."""
import math
from contextlib import contextmanager

from PIL import Image, ImageDraw, ImageFont

SCALE = 4


class Shapes:
    """Draws anti-aliased shapes in the canvas's pixel coordinates (floats allowed; x = 3 is the left edge of
    pixel column 3)."""

    def __init__(self, image: Image.Image, origin: tuple[int, int]):
        self._draw = ImageDraw.Draw(image)
        self._ox, self._oy = origin

    def _pt(self, x: float, y: float) -> tuple[float, float]:
        return ((x - self._ox) * SCALE, (y - self._oy) * SCALE)

    def _box(self, box) -> list[float]:
        x0, y0 = self._pt(box[0], box[1])
        x1, y1 = self._pt(box[2], box[3])
        return [x0, y0, x1 - 1, y1 - 1]  # PIL boxes include their last pixel

    def rect(self, box, fill=None, outline=None, width: float = 1, radius: float = 0):
        self._draw.rounded_rectangle(self._box(box), radius=radius * SCALE, fill=fill, outline=outline,
                                     width=round(width * SCALE))

    def ellipse(self, box, fill=None, outline=None, width: float = 1):
        self._draw.ellipse(self._box(box), fill=fill, outline=outline, width=round(width * SCALE))

    def circle(self, cx: float, cy: float, r: float, fill=None, outline=None, width: float = 1):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill=fill, outline=outline, width=width)

    def polygon(self, points, fill):
        self._draw.polygon([self._pt(x, y) for x, y in points], fill=fill)

    def line(self, points, fill, width: float = 1, round_caps: bool = True):
        pts = [self._pt(x, y) for x, y in points]
        w = round(width * SCALE)
        self._draw.line(pts, fill=fill, width=w, joint="curve")
        if round_caps:
            for px, py in (pts[0], pts[-1]):
                r = w / 2
                self._draw.ellipse([px - r, py - r, px + r, py + r], fill=fill)

    def arc(self, cx: float, cy: float, r: float, start: float, end: float, fill, width: float = 1):
        """Arc with round ends; angles in degrees, clockwise from three o'clock, as PIL counts them."""
        box = [*self._pt(cx - r, cy - r), *self._pt(cx + r, cy + r)]
        w = round(width * SCALE)
        self._draw.arc(box, start, end, fill=fill, width=w)
        rr = r * SCALE - w / 2
        ccx, ccy = self._pt(cx, cy)
        for angle in (start, end):
            px = ccx + rr * math.cos(math.radians(angle))
            py = ccy + rr * math.sin(math.radians(angle))
            self._draw.ellipse([px - w / 2, py - w / 2, px + w / 2, py + w / 2], fill=fill)


class Canvas:
    """An RGB image with supersampled shapes and real-size text."""

    def __init__(self, image: Image.Image):
        self.image = image

    @classmethod
    def blank(cls, size: tuple[int, int], fill) -> "Canvas":
        return cls(Image.new("RGB", size, fill))

    @property
    def size(self) -> tuple[int, int]:
        return self.image.size

    @contextmanager
    def shapes(self, box=None):
        """Yields a Shapes drawer for the region box (whole canvas by default). Pixels that no shape touches keep
        their exact colour: the region is enlarged pixel by pixel and scaled back by averaging."""
        box = box or (0, 0, *self.image.size)
        box = (max(0, math.floor(box[0])), max(0, math.floor(box[1])),
               min(self.image.width, math.ceil(box[2])), min(self.image.height, math.ceil(box[3])))
        region = self.image.crop(box)
        big = region.resize((region.width * SCALE, region.height * SCALE), Image.NEAREST)
        yield Shapes(big, box[:2])
        self.image.paste(big.resize(region.size, Image.BOX), box[:2])

    def text(self, xy, text: str, font: ImageFont.FreeTypeFont, fill, anchor: str = "la"):
        ImageDraw.Draw(self.image).text(xy, text, font=font, fill=fill, anchor=anchor)

    def fill(self, box, colour):
        """A crisp rectangle without anti-aliasing (box edges are whole pixels)."""
        ImageDraw.Draw(self.image).rectangle([box[0], box[1], box[2] - 1, box[3] - 1], fill=colour)

    def crop(self, box) -> "Canvas":
        return Canvas(self.image.crop(box))

    def paste(self, other: "Canvas", xy: tuple[int, int]):
        self.image.paste(other.image, xy)


def text_width(text: str, font: ImageFont.FreeTypeFont) -> float:
    return font.getlength(text)


def wrap(text: str, font: ImageFont.FreeTypeFont, width: float) -> list[str]:
    """Greedy word wrap to lines no wider than width (a single long word keeps its own line)."""
    lines: list[str] = []
    for paragraph in text.split("\n"):
        line = ""
        for word in paragraph.split(" "):
            candidate = f"{line} {word}" if line else word
            if line and text_width(candidate, font) > width:
                lines.append(line)
                line = word
            else:
                line = candidate
        lines.append(line)
    return lines
