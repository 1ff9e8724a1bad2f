"""Small line icons drawn with the canvas's shapes, centred on (cx, cy) and about s pixels across."""
import math

from canvas import Shapes


def check(d: Shapes, cx: float, cy: float, s: float, colour, width: float = 2.0):
    d.line([(cx - 0.42 * s, cy + 0.02 * s), (cx - 0.12 * s, cy + 0.32 * s), (cx + 0.42 * s, cy - 0.30 * s)],
           colour, width)


def cross(d: Shapes, cx: float, cy: float, s: float, colour, width: float = 2.0):
    h = s / 2
    d.line([(cx - h, cy - h), (cx + h, cy + h)], colour, width)
    d.line([(cx - h, cy + h), (cx + h, cy - h)], colour, width)


def reset(d: Shapes, cx: float, cy: float, s: float, colour, width: float = 2.0):
    """A circular arrow turning back (counter-clockwise), the usual sign for restoring defaults."""
    r = s * 0.42
    d.arc(cx, cy, r, 200, 500, colour, width)  # from about seven o'clock round to two o'clock
    tip_angle = math.radians(200)
    tx, ty = cx + r * math.cos(tip_angle), cy + r * math.sin(tip_angle)
    a = s * 0.30
    d.polygon([(tx - a * 0.55, ty - a * 0.75), (tx + a * 0.75, ty - a * 0.25), (tx - a * 0.10, ty + a * 0.55)],
              colour)


def gear(d: Shapes, cx: float, cy: float, s: float, colour, hole):
    teeth = 8
    outer, inner = s * 0.50, s * 0.36
    points = []
    for i in range(teeth * 4):
        angle = math.radians(i * 360 / (teeth * 4) + 360 / (teeth * 8))
        r = outer if (i % 4) in (0, 1) else inner
        points.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    d.polygon(points, colour)
    d.circle(cx, cy, s * 0.36, fill=colour)
    d.circle(cx, cy, s * 0.15, fill=hole)


def clock(d: Shapes, cx: float, cy: float, s: float, colour, width: float = 1.8):
    r = s / 2
    d.circle(cx, cy, r - width / 2, outline=colour, width=width)
    d.line([(cx, cy - r * 0.55), (cx, cy), (cx + r * 0.42, cy + r * 0.22)], colour, width)


def globe(d: Shapes, cx: float, cy: float, s: float, colour, width: float = 1.5):
    r = s / 2
    d.circle(cx, cy, r - width / 2, outline=colour, width=width)
    d.ellipse((cx - r * 0.45, cy - r + width / 2, cx + r * 0.45, cy + r - width / 2), outline=colour, width=width)
    d.line([(cx - r + 1, cy), (cx + r - 1, cy)], colour, width, round_caps=False)
    for dy in (-0.5, 0.5):
        half = r * math.sqrt(1 - dy * dy) - 1
        d.line([(cx - half, cy + dy * r), (cx + half, cy + dy * r)], colour, width * 0.85, round_caps=False)


def exclamation(d: Shapes, cx: float, cy: float, r: float, face, mark):
    """An orange warning disc with an exclamation mark."""
    d.circle(cx, cy, r, fill=face)
    w = r * 0.26
    d.line([(cx, cy - r * 0.52), (cx, cy + r * 0.12)], mark, w)
    d.circle(cx, cy + r * 0.47, w * 0.62, fill=mark)
