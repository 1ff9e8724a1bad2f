"""Renders every bitmap of the skin in memory from the description in layout.py, at one display scale."""
import re
from dataclasses import dataclass, field
from fractions import Fraction

from PIL import Image

import faces
import palette as P
import scaling
from canvas import Canvas
from layout import SETTINGS_WINDOWS, SMALL_WINDOWS, Choice, SettingsWindow, SmallWindow
from output import key_corners
from scenes import settings_base, small_base

CHOICE_STATES = ("normal", "pressed")
ROW_STATES = ("normal", "hover", "selected", "pressed")
ACTION_STATES = ("normal", "pressed", "hover")


def slug(text: str) -> str:
    return re.sub(r"[^a-z0-9]+", "_", text.lower()).strip("_")


@dataclass
class Skin:
    """Every bitmap by resource number, with the file name it is written under, drawn at `scale`."""
    scale: Fraction = Fraction(1)
    bitmaps: dict[int, tuple[str, Image.Image]] = field(default_factory=dict)
    backgrounds: set[int] = field(default_factory=set)

    def add(self, number: int, name: str, image: Image.Image):
        """Registers a bitmap; an image that two windows share must come out the same in both."""
        if number in self.bitmaps:
            if self.bitmaps[number][1].tobytes() != image.tobytes():
                raise ValueError(f"bitmap {number} ({name}) differs between the windows that share it")
            return
        self.bitmaps[number] = (f"{number}_{name}.png", image)

    def image(self, number: int) -> Image.Image:
        return self.bitmaps[number][1]


def _choice_states(choice: Choice) -> dict[str, int]:
    if choice.kind == "row":
        return {"normal": choice.normal, "hover": choice.hover, "selected": choice.selected,
                "pressed": choice.pressed}
    return {"normal": choice.normal, "pressed": choice.pressed}


def _state_suffix(state: str) -> str:
    return "" if state == "normal" else f"_{state}"


def _corner(canvas: Canvas, rect) -> tuple[int, int]:
    """Where a part cut out at a layout rectangle goes back: the pixel of its corner."""
    return canvas.edge_x(rect.x), canvas.edge_y(rect.y)


def _render_settings_window(skin: Skin, window: SettingsWindow):
    base = settings_base(window, skin.scale)
    background = base.image.copy()
    marker_spots = []
    for group in window.groups:
        for choice in group.choices:
            name = f"{slug(group.title)}_{slug(' '.join(choice.caption))}"
            for state, number in _choice_states(choice).items():
                canvas = base.crop(choice.rect.box)
                faces.choice_face(canvas, choice, state)
                skin.add(number, name + _state_suffix(state), canvas.image)
                if state == "normal":
                    background.paste(canvas.image, _corner(base, choice.rect))
            if choice.kind != "row":
                marker_spots.append(choice.radio_rect)
    for action in window.actions:
        name = f"{window.name}_{slug(action.caption or action.icon or action.kind)}"
        for state, number in zip(ACTION_STATES, (action.normal, action.pressed, action.hover)):
            canvas = base.crop(action.rect.box)
            faces.action_face(canvas, action, state)
            skin.add(number, name + _state_suffix(state), canvas.image)
            if state == "normal":
                background.paste(canvas.image, _corner(base, action.rect))
    _render_marker(skin, window, base, marker_spots)
    if window.slider:
        _render_slider(skin, window)
    skin.add(window.background, f"{window.name}_background", key_corners(background, skin.scale))
    skin.backgrounds.add(window.background)


def _render_marker(skin: Skin, window: SettingsWindow, base: Canvas, spots):
    """One marker serves every choice of the window, so the ground under all radio circles must be the same."""
    grounds = {base.crop_sized(*spot.box[:2], *spot.size).image.tobytes() for spot in spots}
    if len(grounds) != 1:
        raise ValueError(f"{window.name}: the radio circles do not all sit on the same ground")
    canvas = base.crop_sized(*spots[0].box[:2], *spots[0].size)
    faces.marker(canvas)
    skin.add(window.marker, f"{window.name}_marker", canvas.image)


def _render_slider(skin: Skin, window: SettingsWindow):
    slider = window.slider
    size = slider.thumb_size
    frame_width = scaling.length(size[0], skin.scale)
    strip = Image.new("RGB", (4 * frame_width, scaling.length(size[1], skin.scale)))
    for i, state in enumerate(faces.STATES_OF_STRIP):
        canvas = Canvas.blank(size, P.WHITE, skin.scale)
        faces.thumb_frame(canvas, state)
        strip.paste(canvas.image, (i * frame_width, 0))
    skin.add(slider.thumb_strip, "slider_thumb_strip", strip)
    for number, name, colour in ((slider.left_channel, "driving", P.DRIVING_BLUE),
                                 (slider.right_channel, "event", P.EVENT_YELLOW)):
        canvas = Canvas.blank(size, colour, skin.scale)
        faces.channel(canvas, colour)
        skin.add(number, f"slider_channel_{name}", canvas.image)


def _render_small_window(skin: Skin, box: SmallWindow):
    base = small_base(box, skin.scale)
    background = base.image.copy()
    for button in box.buttons:
        frame = button.frame
        frame_width = scaling.length(frame.w, skin.scale)
        strip = Image.new("RGB", (4 * frame_width, scaling.length(frame.h, skin.scale)))
        for i, state in enumerate(faces.STATES_OF_STRIP):
            canvas = base.crop_sized(frame.x, frame.y, frame.w, frame.h)
            faces.strip_frame(canvas, button, state)
            strip.paste(canvas.image, (i * frame_width, 0))
            if state == "normal":
                background.paste(canvas.image, _corner(base, frame))
        skin.add(button.strip, f"{box.name}_{slug(button.caption)}_strip", strip)
    skin.add(box.background, f"{box.name}_background", key_corners(background, skin.scale))
    skin.backgrounds.add(box.background)


def render(scale: Fraction = Fraction(1)) -> Skin:
    skin = Skin(Fraction(scale))
    for window in SETTINGS_WINDOWS:
        _render_settings_window(skin, window)
    for box in SMALL_WINDOWS:
        _render_small_window(skin, box)
    return skin
