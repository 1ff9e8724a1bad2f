"""The main window's pixel layout and what its overlay must show: positions are pixels from the window's corner."""
from dataclasses import dataclass

TITLE = "DQ-918LX"
SIZE = (482, 783)
BACKGROUND = 292
MARKER = 177
MARKER_SIZE = 14
CLOCK_LINE = (260, 686, 428, 698)   # left, top, right, bottom
CLOCK_SECONDS = (410, 686, 428, 698)
NEUTRAL_POINT = (20, 420)            # on the background, away from every button

MESSAGE_BOX_SIZE = (440, 222)
NO_CARD_BACKGROUND = 357
CLOSING_BACKGROUND = 263
PICKER_BACKGROUND = 402
PICKER_TITLE_ROWS = 40   # the picker's title bar: below it the list covers the background
MESSAGE_BOX_OK = (300 + 133 // 2, 177 + 44 // 2)   # centre of button 1 of the no-card and closing boxes
PICKER_APPLY = (174 + 133 // 2, 177 + 44 // 2)
PICKER_CANCEL = (302 + 129 // 2, 177 + 44 // 2)


@dataclass(frozen=True)
class Box:
    x: int
    y: int
    w: int
    h: int

    @property
    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2


# Plain background: left of every button, below the Model line, clear of the cut corners.
BACKGROUND_PROBE = Box(5, 100, 140, 100)


@dataclass(frozen=True)
class ActionButton:
    id: int
    box: Box
    normal: int
    hover: int
    shrink: int   # the hover area is the button shrunk by this on each side


ACTIONS = {
    "cancel": ActionButton(2, Box(433, 11, 37, 37), 134, 133, 5),
    "ok": ActionButton(1, Box(310, 723, 164, 60), 141, 140, 0),
    "reset": ActionButton(1007, Box(6, 723, 145, 60), 137, 136, 0),
    "advanced": ActionButton(1037, Box(152, 723, 145, 60), 293, 294, 0),
    "system_time": ActionButton(1025, Box(210, 673, 40, 36), 143, 142, 5),
    "world_time": ActionButton(1026, Box(439, 673, 41, 36), 146, 145, 5),
}


@dataclass(frozen=True)
class Choice:
    id: int
    key: str
    value: int
    box: Box
    face: int
    marker_at: tuple   # where the marker goes when this choice is selected; None for the resolution choices


def _levels(first_id, key, y, first_face, marker_y, wide_first=False, first_value=0):
    result = []
    for i in range(5):
        box = Box(200, y, 49, 46) if (i == 0 and wide_first) else Box(206 + 50 * i, y, 38, 46)
        result.append(Choice(first_id + i, key, first_value + i, box, first_face + 2 * i, (218 + 50 * i, marker_y)))
    return result


RESOLUTION = [Choice(1034 + k, "Resolution", k, Box(152, 110 + 35 * k, 294, 34), 165 + 4 * k, None) for k in range(3)]
RESOLUTION_HOVER = {k: 166 + 4 * k for k in range(3)}
RESOLUTION_SELECTED = {k: 167 + 4 * k for k in range(3)}

DRIVING = _levels(1054, "Driving Mode Accelerator", 237, 214, 244) + [
    Choice(1059, "Driving Mode Accelerator", 9, Box(150, 237, 49, 46), 296, (168, 244))]
PARKING_ACCEL = _levels(1060, "Parking Accelerator", 299, 228, 306)
AUTO_PARKING = [Choice(1021, "Auto Parking", 1, Box(205, 366, 108, 34), 238, (218, 376)),
                Choice(1022, "Auto Parking", 0, Box(313, 366, 108, 34), 240, (318, 376))]
PARKING_MOTION = _levels(1072, "Parking Motion", 423, 242, 430, wide_first=True)
NIGHT_BRIGHT = _levels(1077, "Night Bright", 485, 271, 492)
SPEAKER = _levels(1067, "Speaker Volume", 547, 252, 554, wide_first=True)
MIC = [Choice(1023, "MIC Volume", 2, Box(205, 614, 108, 34), 178, (218, 624)),
       Choice(1024, "MIC Volume", 0, Box(313, 614, 108, 34), 180, (318, 624))]

GROUPS = {
    "Resolution": RESOLUTION,
    "Driving Mode Accelerator": DRIVING,
    "Parking Accelerator": PARKING_ACCEL,
    "Auto Parking": AUTO_PARKING,
    "Parking Motion": PARKING_MOTION,
    "Night Bright": NIGHT_BRIGHT,
    "Speaker Volume": SPEAKER,
    "MIC Volume": MIC,
}
CHOICES = [choice for group in GROUPS.values() for choice in group]


def choice(key, value):
    return next(c for c in GROUPS[key] if c.value == value)


@dataclass(frozen=True)
class Expect:
    """Bitmap `bitmap` must cover `box` of the window (from the bitmap's own corner)."""
    bitmap: int
    box: Box
    what: str


def _marked(group_key, choice_, value):
    """Whether the Marker refresh puts the marker on `choice_` for the stored `value` of its group."""
    if group_key == "Auto Parking":
        # The slot is marked unless the value equals its slot number (0 for button 1021, 1 for 1022).
        slot = AUTO_PARKING.index(choice_)
        return value != slot
    if group_key == "MIC Volume":
        return (value == 2) == (choice_.id == 1023)
    return value == choice_.value


def overlay_after_refresh(values):
    """What a Marker refresh leaves on the window for the settings `values`: selected looks, markers and faces."""
    expects = []
    for choice_ in RESOLUTION:
        selected = values["Resolution"] == choice_.value
        bitmap = RESOLUTION_SELECTED[choice_.value] if selected else choice_.face
        expects.append(Expect(bitmap, choice_.box, f"resolution {choice_.value} {'selected' if selected else 'face'}"))
    for key, group in GROUPS.items():
        if key == "Resolution":
            continue
        for choice_ in group:
            if _marked(key, choice_, values[key]):
                x, y = choice_.marker_at
                expects.append(Expect(MARKER, Box(x, y, MARKER_SIZE, MARKER_SIZE),
                                      f"{key} marker on button {choice_.id}"))
            else:
                expects.append(Expect(choice_.face, choice_.box, f"{key} face of button {choice_.id}"))
    return expects


def strictly_inside_hover_area(button, x, y):
    """The hover rule: strictly inside the (shrunk) rectangle, right and bottom being the first pixels outside."""
    b, s = button.box, button.shrink
    return b.x + s < x < b.x + b.w - s and b.y + s < y < b.y + b.h - s


def scaled(box, percent):
    """A 100 % rectangle in the set drawn at `percent`: each edge times the scale, rounded half up."""
    edges = [(v * percent + 50) // 100 for v in (box.x, box.y, box.x + box.w, box.y + box.h)]
    return Box(edges[0], edges[1], edges[2] - edges[0], edges[3] - edges[1])
