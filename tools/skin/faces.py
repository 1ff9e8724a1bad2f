"""Button faces in every state. Each painter draws on a canvas that already holds the background under the button,
so a face always fits the window around it."""
import glyphs
import palette as P
from canvas import Canvas, text_width
from layout import MARKER, Action, Choice, StripButton

STATES_OF_STRIP = ("normal", "hover", "pressed", "disabled")


# ---- Radio circles and the selection marker ------------------------------------------------------------------------

def radio(canvas: Canvas, x: int, y: int, state: str):
    """The 14 x 14 radio circle at (x, y); "selected" is the orange dot that the marker shows. It is drawn on a
    spot of whole pixels, so that it comes out the same under every button and under the marker."""
    with canvas.spot(x, y, MARKER) as spot, spot.shapes() as d:
        c = MARKER / 2
        if state == "selected":
            d.circle(c, c, 6.6, fill=P.SELECTED)
            d.circle(c, c, 2.4, fill=P.WHITE)
        elif state == "pressed":
            d.circle(c, c, 6.2, fill=P.WHITE, outline=P.ACCENT, width=2.0)
        else:
            d.circle(c, c, 6.2, fill=P.WHITE, outline=P.RADIO_RING, width=1.5)


def marker(canvas: Canvas):
    radio(canvas, 0, 0, "selected")


# ---- Choices -------------------------------------------------------------------------------------------------------

def _pressed_backdrop(canvas: Canvas, radius: float):
    w, h = canvas.size
    with canvas.shapes() as d:
        d.rect((0.5, 0.5, w - 0.5, h - 0.5), fill=P.ACCENT_TINT_STRONG, outline=P.ACCENT_BORDER, width=1,
               radius=radius)


def _stacked_caption(canvas: Canvas, cx: float, top: float, lines: tuple[str, ...], colour, first_size: int,
                     first_weight: str):
    """A caption under a radio circle: the first line stronger, further lines smaller and muted."""
    canvas.text((cx, top), lines[0], P.font(first_size, first_weight), colour, anchor="mt")
    y = top + first_size + 1
    for line in lines[1:]:
        canvas.text((cx, y), line, P.font(10, "condensed"), P.MUTED if colour == P.TEXT else colour, anchor="mt")
        y += 11


def level_face(canvas: Canvas, choice: Choice, state: str):
    """A level button: radio circle at the top, its level or word below."""
    if state == "pressed":
        _pressed_backdrop(canvas, 7)
    rx, ry = choice.radio
    radio(canvas, rx, ry, state)
    colour = P.ACCENT_DARK if state == "pressed" else P.TEXT
    cx = rx + MARKER / 2
    mid = ry + MARKER + 11  # captions of one or two lines share this middle
    if len(choice.caption) == 1:
        digit = len(choice.caption[0]) == 1
        font = P.font(13, "bold") if digit else P.font(11, "condensed-bold")
        canvas.text((cx, mid), choice.caption[0], font, colour, anchor="mm")
    else:
        for i, line in enumerate(choice.caption):
            canvas.text((cx, mid + 11 * (i - 0.5)), line, P.font(10, "condensed-bold"), colour, anchor="mm")


def option_face(canvas: Canvas, choice: Choice, state: str):
    """A radio circle at the left with its caption beside it (one line, or a line and a smaller note)."""
    if state == "pressed":
        _pressed_backdrop(canvas, 8)
    rx, ry = choice.radio
    radio(canvas, rx, ry, state)
    colour = P.ACCENT_DARK if state == "pressed" else P.TEXT
    x = rx + MARKER + 7
    mid = ry + MARKER / 2
    if len(choice.caption) == 1:
        canvas.text((x, mid), choice.caption[0], P.font(12, "condensed-bold"), colour, anchor="lm")
    else:
        canvas.text((x, mid - 6), choice.caption[0], P.font(12, "condensed-bold"), colour, anchor="lm")
        canvas.text((x, mid + 7), choice.caption[1], P.font(10, "condensed"),
                    P.MUTED if colour == P.TEXT else colour, anchor="lm")


def tile_face(canvas: Canvas, choice: Choice, state: str):
    """A taller choice: radio circle at the top centre, a value and an optional unit below."""
    if state == "pressed":
        _pressed_backdrop(canvas, 8)
    rx, ry = choice.radio
    radio(canvas, rx, ry, state)
    colour = P.ACCENT_DARK if state == "pressed" else P.TEXT
    cx = rx + MARKER / 2
    if len(choice.caption) == 1:
        canvas.text((cx, ry + MARKER + 9), choice.caption[0], P.font(12, "condensed-bold"), colour, anchor="mt")
    else:
        _stacked_caption(canvas, cx, ry + MARKER + 5, choice.caption, colour, 14, "bold")


def row_face(canvas: Canvas, choice: Choice, state: str):
    """A resolution row: a framed line with radio circle, name and pixel size; it has its own selected look."""
    w, h = canvas.size
    fill, border, width, text = {
        "normal": (P.BODY, P.FIELD_BORDER, 1.0, P.TEXT),
        "hover": (P.ACCENT_TINT, P.ACCENT_BORDER, 1.0, P.TEXT),
        "selected": (P.ACCENT_TINT, P.ACCENT, 1.5, P.ACCENT_DARK),
        "pressed": (P.ACCENT_TINT_STRONG, P.ACCENT, 1.5, P.ACCENT_DARK),
    }[state]
    with canvas.shapes() as d:
        d.rect((0.5, 0.5, w - 0.5, h - 0.5), fill=fill, outline=border, width=width, radius=7)
    rx, ry = choice.radio
    radio(canvas, rx, ry, "normal" if state == "hover" else state)
    mid = ry + MARKER / 2
    canvas.text((rx + MARKER + 10, mid), choice.caption[0], P.font(13, "bold"), text, anchor="lm")
    canvas.text((w - 12, mid), choice.detail, P.font(11), P.MUTED if state != "pressed" else P.ACCENT_DARK,
                anchor="rm")


CHOICE_PAINTERS = {"level": level_face, "option": option_face, "tile": tile_face, "row": row_face}


def choice_face(canvas: Canvas, choice: Choice, state: str):
    CHOICE_PAINTERS[choice.kind](canvas, choice, state)


# ---- Push buttons --------------------------------------------------------------------------------------------------

_PUSH_LOOKS = {
    # kind, state: fill, border, text
    ("primary", "normal"): (P.ACCENT, P.ACCENT, P.WHITE),
    ("primary", "hover"): (P.ACCENT_HOVER, P.ACCENT_HOVER, P.WHITE),
    ("primary", "pressed"): (P.ACCENT_DARK, P.ACCENT_DARK, P.WHITE),
    ("primary", "disabled"): (P.DISABLED_FACE, P.DISABLED_BORDER, P.DISABLED_TEXT),
    ("secondary", "normal"): (P.BODY, P.FIELD_BORDER, P.TEXT),
    ("secondary", "hover"): (P.ACCENT_TINT, P.ACCENT_BORDER, P.ACCENT_DARK),
    ("secondary", "pressed"): (P.ACCENT_TINT_STRONG, P.ACCENT, P.ACCENT_DARK),
    ("secondary", "disabled"): (P.DISABLED_FACE, P.DISABLED_BORDER, P.DISABLED_TEXT),
}


def _icon(d, name: str, cx: float, cy: float, colour, fill):
    if name == "check":
        glyphs.check(d, cx, cy, 13, colour, 2.2)
    elif name == "reset":
        glyphs.reset(d, cx, cy, 15, colour, 2.0)
    elif name == "gear":
        glyphs.gear(d, cx, cy, 16, colour, fill)


def push_face(canvas: Canvas, kind: str, caption: str, icon: str, state: str, inset: tuple[int, int, int, int],
              size: int = 13):
    """A rounded push button drawn inside the canvas, leaving the background visible around it."""
    w, h = canvas.size
    left, top, right, bottom = inset
    fill, border, text = _PUSH_LOOKS[(kind, state)]
    shift = 1 if state == "pressed" else 0
    font = P.font(size, "bold")
    icon_w = 16 if icon else 0
    gap = 8 if icon else 0
    content = icon_w + gap + text_width(caption, font)
    x0 = round((w - content) / 2)
    mid = (top + h - bottom) / 2 + shift
    with canvas.shapes() as d:
        d.rect((left + 0.5, top + 0.5, w - right - 0.5, h - bottom - 0.5), fill=fill, outline=border, width=1,
               radius=8)
        if icon:
            _icon(d, icon, x0 + icon_w / 2, mid, text, fill)
    canvas.text((x0 + icon_w + gap, mid), caption, font, text, anchor="lm")


def close_face(canvas: Canvas, state: str):
    w, h = canvas.size
    face, mark = {"normal": (P.CLOSE_FACE, P.CLOSE_GLYPH), "hover": (P.DANGER, P.WHITE),
                  "pressed": (P.DANGER_DARK, P.WHITE)}[state]
    with canvas.shapes() as d:
        d.circle(w / 2, h / 2, 13.5, fill=face)
        glyphs.cross(d, w / 2, h / 2, 9, mark, 2.0)


def round_face(canvas: Canvas, icon: str, state: str):
    """An icon button on the dark clock band."""
    w, h = canvas.size
    face, mark = {"normal": (P.DARK_RAISED, P.ON_DARK), "hover": (P.ACCENT, P.WHITE),
                  "pressed": (P.ACCENT_DARK, P.WHITE)}[state]
    cx, cy = w / 2, h / 2
    with canvas.shapes() as d:
        d.circle(cx, cy, 15, fill=face)
        if icon == "clock":
            glyphs.clock(d, cx, cy, 16, mark)
        else:
            glyphs.globe(d, cx, cy, 17, mark)


FOOTER_INSET = (4, 6, 4, 10)  # left, top, right, bottom margins of the footer buttons inside their images


def action_face(canvas: Canvas, action: Action, state: str):
    if action.kind == "close":
        close_face(canvas, state)
    elif action.kind == "round":
        round_face(canvas, action.icon, state)
    else:
        push_face(canvas, action.kind, action.caption, action.icon, state, FOOTER_INSET)


STRIP_INSET = (3, 5, 3, 7)


def strip_frame(canvas: Canvas, button: StripButton, state: str):
    push_face(canvas, button.kind, button.caption, button.icon, state, STRIP_INSET)


# ---- The slider ----------------------------------------------------------------------------------------------------

def channel(canvas: Canvas, colour):
    """A channel piece: one flat colour, so any stretching of its middle keeps the bar even."""
    canvas.fill((0, 0, *canvas.size), colour)


def thumb_frame(canvas: Canvas, state: str):
    w, h = canvas.size
    fill, border, grip = {
        "normal": (P.WHITE, (55, 65, 81), P.MUTED),
        "hover": (P.ACCENT_TINT, P.ACCENT, P.ACCENT),
        "pressed": (P.ACCENT, P.ACCENT_DARK, P.WHITE),
        "disabled": (P.DISABLED_FACE, P.DISABLED_BORDER, P.DISABLED_TEXT),
    }[state]
    canvas.fill((0, 0, w, h), border)
    canvas.fill((1, 1, w - 1, h - 1), fill)
    for x in (w // 2 - 3, w // 2, w // 2 + 3):
        canvas.fill((x, 2, x + 1, h - 2), grip)
