"""Geometry at a display scale. The layout is written in 96-DPI pixels; at scale s a rectangle that tiles with
its neighbours scales by its edges (each edge times s, rounded half up), so neighbours stay adjacent, while an
image drawn at several places (the marker, a strip's frames) scales by its size and is placed by its scaled
position."""
from fractions import Fraction

from geometry import Rect

SCALES = (Fraction(1), Fraction(5, 4), Fraction(3, 2), Fraction(7, 4), Fraction(2))  # 100 % to 200 %


def edge(value: int, scale: Fraction) -> int:
    """A coordinate or an edge at `scale`, rounded half up."""
    scaled = Fraction(value) * scale
    return int(scaled + Fraction(1, 2)) if scaled >= 0 else -int(-scaled + Fraction(1, 2))


def length(value: int, scale: Fraction) -> int:
    """The size of an image drawn at several places: round(size x scale), halves up."""
    return edge(value, scale)


def rect(r: Rect, scale: Fraction) -> Rect:
    left, top = edge(r.x, scale), edge(r.y, scale)
    return Rect(left, top, edge(r.right, scale) - left, edge(r.bottom, scale) - top)


def percent(scale: Fraction) -> int:
    return int(scale * 100)


def resource_type(scale: Fraction) -> str:
    """The resource type of a set's images: "PNG" at 100 %, "PNG125" and so on above."""
    return "PNG" if scale == 1 else f"PNG{percent(scale)}"


def folder(scale: Fraction) -> str:
    """Where a set's images lie under res/bitmaps: at 100 % the folder itself."""
    return "" if scale == 1 else f"{percent(scale)}/"
