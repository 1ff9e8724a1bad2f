"""Pixel rectangles of the skin: left, top, width, height; right and bottom are the first pixels outside."""
from dataclasses import dataclass


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    w: int
    h: int

    @property
    def right(self) -> int:
        return self.x + self.w

    @property
    def bottom(self) -> int:
        return self.y + self.h

    @property
    def box(self) -> tuple[int, int, int, int]:
        """The (left, top, right, bottom) box that PIL's crop and paste take."""
        return (self.x, self.y, self.right, self.bottom)

    @property
    def size(self) -> tuple[int, int]:
        return (self.w, self.h)

    def moved(self, dx: int, dy: int) -> "Rect":
        return Rect(self.x + dx, self.y + dy, self.w, self.h)

    def at_origin(self) -> "Rect":
        return Rect(0, 0, self.w, self.h)

    def overlaps(self, other: "Rect") -> bool:
        return (self.x < other.right and other.x < self.right and
                self.y < other.bottom and other.y < self.bottom)

    def contains(self, other: "Rect") -> bool:
        return (self.x <= other.x and self.y <= other.y and
                other.right <= self.right and other.bottom <= self.bottom)
