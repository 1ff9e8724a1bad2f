"""Geometry at a display scale. The layout is written in 96-DPI pixels; at scale s a rectangle that tiles with
its neighbours scales by its edges (each edge times s, rounded half up), so neighbours stay adjacent, while an
image drawn at several places (the marker, a strip's frames) scales by its size and is placed by its scaled
position."""
from fractions import Fraction

from geometry import Rect

SCALES = (Fraction(1),)  # 100 %


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
