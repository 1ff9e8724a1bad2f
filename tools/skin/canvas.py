"""Drawing surface of the skin: shapes are drawn four times larger and scaled down for smooth edges, while text is
drawn at the real size, where FreeType's hinting keeps small captions crisp.

Every painter works in the layout's 96-DPI coordinates; a canvas maps them to its pixels at its display scale.
Coordinates are global to the window: a canvas cut out of a window keeps the window's mapping, so a button drawn
on its own comes out exactly as on the window. At 100 % the mapping is the identity."""
import math
from contextlib import contextmanager
from fractions import Fraction
from functools import lru_cache

from PIL import Image, ImageDraw, ImageFont

from scaling import edge, length

SCALE = 4  # supersampling of shapes


def _stroke(width: float, scale: Fraction) -> float:
    """A stroke's width in pixels: at other scales than 100 % a whole number of pixels, so lines stay crisp."""
    return width if scale == 1 else max(1, edge(width, scale))


@lru_cache(maxsize=None)
def _scaled_font(font: ImageFont.FreeTypeFont, scale: Fraction) -> ImageFont.FreeTypeFont:
    return font if scale == 1 else font.font_variant(size=edge(font.size, scale))


class Shapes:
    """Draws anti-aliased shapes in the canvas's layout coordinates (floats allowed; x = 3 is the left edge of
    column 3 at 100 %)."""

    def __init__(self, image: Image.Image, canvas: "Canvas", region_origin: tuple[int, int]):
        self._draw = ImageDraw.Draw(image)
        self._canvas = canvas
        self._ox, self._oy = region_origin

    def _px(self, x: float, y: float) -> tuple[float, float]:
        """Pixels of the region, not yet supersampled."""
        return (self._canvas.x(x) - self._ox, self._canvas.y(y) - self._oy)

    def _pt(self, x: float, y: float) -> tuple[float, float]:
        px, py = self._px(x, y)
        return (float(px * SCALE), float(py * SCALE))

    def _width(self, width: float) -> int:
        return round(_stroke(width, self._canvas.scale) * SCALE)

    def _box(self, box, width: float = 0) -> list[float]:
        scale = self._canvas.scale
        if scale != 1:
            # Edges on whole pixels: the stroke's outer edges (or the fill's edges) snap, the line runs inside.
            half = width / 2
            stroke = _stroke(width, scale) if width else 0
            x0, y0 = (round(v) for v in self._px(box[0] - half, box[1] - half))
            x1, y1 = (round(v) for v in self._px(box[2] + half, box[3] + half))
            return [float((x0 + stroke / 2) * SCALE), float((y0 + stroke / 2) * SCALE),
                    float((x1 - stroke / 2) * SCALE - 1), float((y1 - stroke / 2) * SCALE - 1)]
        x0, y0 = self._pt(box[0], box[1])
        x1, y1 = self._pt(box[2], box[3])
        return [x0, y0, x1 - 1, y1 - 1]  # PIL boxes include their last pixel

    def rect(self, box, fill=None, outline=None, width: float = 1, radius: float = 0):
        self._draw.rounded_rectangle(self._box(box, width if outline else 0),
                                     radius=float(radius * self._canvas.scale * SCALE), fill=fill, outline=outline,
                                     width=self._width(width))

    def ellipse(self, box, fill=None, outline=None, width: float = 1):
        x0, y0 = self._pt(box[0], box[1])
        x1, y1 = self._pt(box[2], box[3])
        self._draw.ellipse([x0, y0, x1 - 1, y1 - 1], fill=fill, outline=outline, width=self._width(width))

    def circle(self, cx: float, cy: float, r: float, fill=None, outline=None, width: float = 1):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill=fill, outline=outline, width=width)

    def polygon(self, points, fill):
        self._draw.polygon([self._pt(x, y) for x, y in points], fill=fill)

    def line(self, points, fill, width: float = 1, round_caps: bool = True):
        pts = [self._pt(x, y) for x, y in points]
        w = round(float(width * self._canvas.scale) * SCALE)
        self._draw.line(pts, fill=fill, width=w, joint="curve")
        if round_caps:
            for px, py in (pts[0], pts[-1]):
                r = w / 2
                self._draw.ellipse([px - r, py - r, px + r, py + r], fill=fill)

    def arc(self, cx: float, cy: float, r: float, start: float, end: float, fill, width: float = 1):
        """Arc with round ends; angles in degrees, clockwise from three o'clock, as PIL counts them."""
        box = [*self._pt(cx - r, cy - r), *self._pt(cx + r, cy + r)]
        w = round(float(width * self._canvas.scale) * SCALE)
        self._draw.arc(box, start, end, fill=fill, width=w)
        rr = float(r * self._canvas.scale) * SCALE - w / 2
        ccx, ccy = self._pt(cx, cy)
        for angle in (start, end):
            px = ccx + rr * math.cos(math.radians(angle))
            py = ccy + rr * math.sin(math.radians(angle))
            self._draw.ellipse([px - w / 2, py - w / 2, px + w / 2, py + w / 2], fill=fill)


class Canvas:
    """An RGB image with supersampled shapes and real-size text, in layout coordinates from `origin` (the
    window's coordinates of the canvas's top-left corner) at `scale`."""

    def __init__(self, image: Image.Image, size: tuple[int, int] | None = None, scale: Fraction = Fraction(1),
                 origin: tuple[Fraction, Fraction] = (Fraction(0), Fraction(0))):
        self.image = image
        self.scale = Fraction(scale)
        self.origin = (Fraction(origin[0]), Fraction(origin[1]))
        self._size = size or image.size
        # The pixel of the canvas's corner in the window's pixels.
        self._pixel = (edge(self.origin[0], self.scale), edge(self.origin[1], self.scale))

    @classmethod
    def blank(cls, size: tuple[int, int], fill, scale: Fraction = Fraction(1)) -> "Canvas":
        return cls(Image.new("RGB", (edge(size[0], scale), edge(size[1], scale)), fill), size, scale)

    @property
    def size(self) -> tuple[int, int]:
        """The size in layout coordinates."""
        return self._size

    def x(self, value: float) -> float:
        """The pixel column of a layout x, unrounded."""
        return (self.origin[0] + Fraction(value)) * self.scale - self._pixel[0]

    def y(self, value: float) -> float:
        return (self.origin[1] + Fraction(value)) * self.scale - self._pixel[1]

    def edge_x(self, value) -> int:
        """The pixel column of a layout edge, as rectangles that tile scale: rounded half up in the window."""
        return edge(self.origin[0] + Fraction(value), self.scale) - self._pixel[0]

    def edge_y(self, value) -> int:
        return edge(self.origin[1] + Fraction(value), self.scale) - self._pixel[1]

    def pixel_box(self, box) -> tuple[int, int, int, int]:
        return (self.edge_x(box[0]), self.edge_y(box[1]), self.edge_x(box[2]), self.edge_y(box[3]))

    @contextmanager
    def shapes(self, box=None):
        """Yields a Shapes drawer for the region box (whole canvas by default). Pixels that no shape touches keep
        their exact colour: the region is enlarged pixel by pixel and scaled back by averaging."""
        if box is None:
            region = (0, 0, *self.image.size)
        else:
            region = (max(0, math.floor(self.x(box[0]))), max(0, math.floor(self.y(box[1]))),
                      min(self.image.width, math.ceil(self.x(box[2]))),
                      min(self.image.height, math.ceil(self.y(box[3]))))
        part = self.image.crop(region)
        big = part.resize((part.width * SCALE, part.height * SCALE), Image.NEAREST)
        yield Shapes(big, self, region[:2])
        self.image.paste(big.resize(part.size, Image.BOX), region[:2])

    def text(self, xy, text: str, font: ImageFont.FreeTypeFont, fill, anchor: str = "la"):
        position = (float(self.x(xy[0])), float(self.y(xy[1]))) if self.scale != 1 else xy
        ImageDraw.Draw(self.image).text(position, text, font=_scaled_font(font, self.scale), fill=fill,
                                        anchor=anchor)

    def fill(self, box, colour):
        """A crisp rectangle without anti-aliasing (box edges are whole pixels of the layout)."""
        x0, y0, x1, y1 = self.pixel_box(box)
        if x1 > x0 and y1 > y0:
            ImageDraw.Draw(self.image).rectangle([x0, y0, x1 - 1, y1 - 1], fill=colour)

    def crop(self, box) -> "Canvas":
        """The part under a rectangle that tiles with its neighbours: its edges scale."""
        return Canvas(self.image.crop(self.pixel_box(box)), (box[2] - box[0], box[3] - box[1]), self.scale,
                      (self.origin[0] + box[0], self.origin[1] + box[1]))

    def crop_sized(self, x: int, y: int, w: int, h: int) -> "Canvas":
        """The part under an image drawn at several places: its corner scales as an edge, its size as a size."""
        left, top = self.edge_x(x), self.edge_y(y)
        part = self.image.crop((left, top, left + length(w, self.scale), top + length(h, self.scale)))
        corner = ((self._pixel[0] + left) / self.scale, (self._pixel[1] + top) / self.scale)
        return Canvas(part, (w, h), self.scale, corner)

    @contextmanager
    def spot(self, x: int, y: int, size: int):
        """A square drawn the same wherever it is placed (a radio circle): its corner on a whole pixel, its
        size scaled as a size. What is drawn on it goes back onto this canvas."""
        part = self.crop_sized(x, y, size, size)
        yield part
        self.image.paste(part.image, (self.edge_x(x), self.edge_y(y)))

    def paste(self, other: "Canvas", xy: tuple[int, int]):
        self.image.paste(other.image, (self.edge_x(xy[0]), self.edge_y(xy[1])))

    def paste_image(self, image: Image.Image, xy: tuple[int, int]):
        """A picture already at this canvas's scale, with its corner at a layout point."""
        self.image.paste(image, (self.edge_x(xy[0]), self.edge_y(xy[1])))


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
