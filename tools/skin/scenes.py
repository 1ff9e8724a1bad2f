"""Backgrounds of the windows without their buttons: frame, header, group labels, clock band, partition scale,
message panels. The generator pastes the buttons' normal faces on top to make the final backgrounds."""
import dataclasses
from fractions import Fraction

from PIL import Image

import glyphs
import icon
import palette as P
import scaling
from canvas import Canvas, wrap
from layout import Group, SettingsWindow, Slider, SmallWindow

LABEL_LEFT = 22
FRAME_RADIUS = 6


def window_base(size: tuple[int, int], scale: Fraction) -> Canvas:
    """A tinted window with a one-pixel outline and rounded corners (the corner pixels are cut away later)."""
    w, h = size
    canvas = Canvas.blank(size, P.FRAME, scale)
    with canvas.shapes() as d:
        d.rect((1, 1, w - 1, h - 1), fill=P.TINT, radius=FRAME_RADIUS)
    return canvas


def _hairline(canvas: Canvas, y: int, x0: int, x1: int, colour=P.HAIRLINE):
    canvas.fill((x0, y, x1, y + 1), colour)


# ---- Main and advanced windows -------------------------------------------------------------------------------------

def _header(canvas: Canvas, window: SettingsWindow):
    w = canvas.size[0]
    _hairline(canvas, window.header - 1, 1, w - 1, P.FIELD_BORDER)
    if window.info_fields:
        top = 14
        spot = canvas.crop_sized(20, top, 32, 32)
        emblem = icon.render(spot.image.width)
        canvas.paste_image(Image.alpha_composite(spot.image.convert("RGBA"), emblem).convert("RGB"), (20, top))
        canvas.text((62, top + 1), window.title, P.font(18, "bold"), P.TEXT)
        canvas.text((63, top + 22), window.subtitle, P.font(11), P.MUTED)
    else:
        canvas.text((LABEL_LEFT, 13), window.title, P.font(17, "bold"), P.TEXT)
        canvas.text((LABEL_LEFT + 1, 35), window.subtitle, P.font(11), P.MUTED)
    for slot in window.info_fields:
        r = slot.rect
        with canvas.shapes((r.x - 11, r.y - 9, r.right + 11, r.bottom + 9)) as d:
            d.rect((r.x - 10, r.y - 8, r.right + 10, r.bottom + 8), fill=P.BODY, outline=P.FIELD_BORDER, radius=6)


def _group_label(canvas: Canvas, group: Group, right: int):
    title_font, note_font = P.font(12, "bold"), P.font(10)
    lines = wrap(group.title, title_font, right - LABEL_LEFT)
    height = 15 * len(lines) + (13 if group.note else 0)
    band = group.band
    y = round(band.y + band.h / 2 - height / 2)
    for line in lines:
        canvas.text((LABEL_LEFT, y), line, title_font, P.TEXT)
        y += 15
    if group.note:
        canvas.text((LABEL_LEFT, y + 1), group.note, note_font, P.MUTED)


def _body(canvas: Canvas, window: SettingsWindow):
    w = canvas.size[0]
    bottom = window.clock_band[0] if window.clock_band else window.footer
    canvas.fill((1, window.header, w - 1, bottom), P.BODY)
    groups = window.groups
    for group in groups:
        _group_label(canvas, group, window.label_right)
    for upper, lower in zip(groups, groups[1:]):
        _hairline(canvas, (upper.band.bottom + lower.band.y) // 2, LABEL_LEFT, w - LABEL_LEFT)


def _clock_band(canvas: Canvas, window: SettingsWindow):
    w = canvas.size[0]
    top, bottom = window.clock_band
    canvas.fill((1, top, w - 1, bottom), P.DARK)
    mid = (top + bottom) / 2
    title, note = window.clock_caption
    canvas.text((LABEL_LEFT, mid - 1), title, P.font(12, "bold"), P.ON_DARK, anchor="ls")
    canvas.text((LABEL_LEFT, mid + 3), note, P.font(10), P.ON_DARK_MUTED, anchor="lt")


def _footer(canvas: Canvas, window: SettingsWindow):
    w = canvas.size[0]
    if not window.clock_band:
        _hairline(canvas, window.footer, 1, w - 1, P.FIELD_BORDER)
    if window.footer_note:
        lines = window.footer_note.split("\n")
        ok = next(a for a in window.actions if a.kind == "primary")
        y = ok.rect.y + 6 + (ok.rect.h - 16) / 2 - 7 * len(lines)
        for line in lines:
            canvas.text((LABEL_LEFT, y), line, P.font(11), P.MUTED)
            y += 14


def _tick_x(slider: Slider, percent: int, scale: Fraction):
    """The layout x of a tick that lies, in pixels, under the Thumb's centre as the program places the Thumb on
    the slider at this scale."""
    pixels = dataclasses.replace(slider, rect=scaling.rect(slider.rect, scale),
                                 thumb_size=tuple(scaling.length(v, scale) for v in slider.thumb_size))
    x = Fraction(pixels.tick_x(percent)) / scale
    return int(x) if x.denominator == 1 else x


def _partition_scale(canvas: Canvas, slider: Slider, scale: Fraction):
    """The bar under the slider: blue driving-mode part, yellow event part, a red dedicated end, with ticks every
    10 % and labels every 20 %. The slider's own channel covers the middle of the bar."""
    top, bottom = slider.rect.y, slider.rect.bottom
    x0, x50, x100 = (_tick_x(slider, p, scale) for p in (0, 50, 100))
    red_end = x100 + 38
    with canvas.shapes((x0 - 1, top - 1, red_end + 2, bottom + 1)) as d:
        d.rect((x0, top, red_end + 1, bottom), fill=P.DEDICATED_RED, radius=4)
        d.rect((x0, top, x50 + 8, bottom), fill=P.DRIVING_BLUE, radius=4)
    canvas.fill((x50 + 1, top, x100 + 1, bottom), P.EVENT_YELLOW)
    for percent in range(0, 101, 10):
        x = _tick_x(slider, percent, scale)
        major = percent % 20 == 0
        canvas.fill((x, bottom + 3, x + 1, bottom + (9 if major else 6)), (140, 151, 166) if major else (184, 192, 204))
        if major:
            canvas.text((x, bottom + 11), f"{percent}%", P.font(10), P.MUTED, anchor="mt")
    legend_y = top - 11
    legend = P.font(10)

    def key(x: float, colour, text: str, text_colour):
        with canvas.shapes((x - 5, legend_y - 5, x + 5, legend_y + 5)) as d:
            d.circle(x, legend_y, 3.5, fill=colour)
        canvas.text((x + 7, legend_y), text, legend, text_colour, anchor="lm")

    key(x0 + 3, P.DRIVING_BLUE, "Driving Mode Portion", P.TEXT)
    key(x50 + 18, P.EVENT_YELLOW, "Event Portion", P.TEXT)
    dedicated = "Dedicated"
    key(red_end - legend.getlength(dedicated) - 4, P.DEDICATED_RED, dedicated, P.TEXT)


def settings_base(window: SettingsWindow, scale: Fraction) -> Canvas:
    canvas = window_base(window.size, scale)
    _header(canvas, window)
    _body(canvas, window)
    if window.clock_band:
        _clock_band(canvas, window)
    _footer(canvas, window)
    if window.slider:
        _partition_scale(canvas, window.slider, scale)
    return canvas


# ---- Message boxes and the picker ----------------------------------------------------------------------------------

TITLE_BAR = 38


def _title_bar(canvas: Canvas, title: str):
    w = canvas.size[0]
    canvas.text((16, TITLE_BAR / 2), title, P.font(13, "bold"), P.TEXT, anchor="lm")
    _hairline(canvas, TITLE_BAR - 1, 1, w - 1, P.FIELD_BORDER)


def _message_panel(canvas: Canvas, box: SmallWindow):
    w = canvas.size[0]
    panel = (10, TITLE_BAR + 6, w - 10, 168)
    with canvas.shapes(panel) as d:
        d.rect(panel, fill=P.DARK, radius=8)
    mid = (panel[1] + panel[3]) / 2
    with canvas.shapes((26, mid - 24, 74, mid + 24)) as d:
        glyphs.exclamation(d, 50, mid, 21, P.SELECTED, P.WHITE)
    text_left = 88
    width = panel[2] - 16 - text_left
    heading_font, message_font = P.font(13, "bold"), P.font(11)
    heading = wrap(box.heading, heading_font, width)
    message = wrap(box.message, message_font, width)
    height = 18 * len(heading) + 6 + 15 * len(message)
    y = mid - height / 2
    for line in heading:
        canvas.text((text_left, y), line, heading_font, P.ON_DARK)
        y += 18
    y += 6
    for line in message:
        canvas.text((text_left, y), line, message_font, P.ON_DARK_MUTED)
        y += 15


def _list_panel(canvas: Canvas, box: SmallWindow):
    """The picker's body: a white panel with the label above the list's place, a note below it."""
    w = canvas.size[0]
    r = box.list_rect
    canvas.fill((1, TITLE_BAR, w - 1, 168), P.BODY)
    _hairline(canvas, 168, 1, w - 1, P.FIELD_BORDER)
    with canvas.shapes((r.x, r.y - 26, r.x + 16, r.y - 8)) as d:
        glyphs.globe(d, r.x + 7.5, r.y - 16.5, 14, P.ACCENT, 1.4)
    canvas.text((r.x + 21, r.y - 10), box.list_label, P.font(12, "bold"), P.TEXT, anchor="ls")
    canvas.text((r.x, r.bottom + 12), box.list_note, P.font(11), P.MUTED)


def small_base(box: SmallWindow, scale: Fraction) -> Canvas:
    canvas = window_base(box.size, scale)
    _title_bar(canvas, box.title)
    if box.list_rect:
        _list_panel(canvas, box)
    else:
        _message_panel(canvas, box)
    return canvas
