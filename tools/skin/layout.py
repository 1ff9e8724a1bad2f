"""The one description of the skin: every window with its background, and every button's identifiers, place, size,
images and the setting value it stands for. The painters, the preview, res/resource.h and the windows' C++ tables
(codegen.py) all take their positions and numbers from here; titles and captions come from the settings
description (settings_description.json), keyed by (setting row, value).

Geometry is written in 96-DPI pixels; scaled.py derives it at other display scales."""
import json
from dataclasses import dataclass
from pathlib import Path

from geometry import Rect
from identifiers import IDCANCEL, IDOK, Id

MARKER = 14  # the selection marker is a 14 x 14 image that covers the radio circle of a choice exactly

DESCRIPTION_FILE = Path(__file__).resolve().parent / "settings_description.json"
DESCRIPTION = {entry["key"]: entry for entry in json.loads(DESCRIPTION_FILE.read_text(encoding="utf-8"))}

# When a choice shows as selected, for the value stored in its row (skin::Selection).
WHEN_STORED = "kWhenStored"
WHEN_STORED_OR_UNMATCHED = "kWhenStoredOrUnmatched"
HIDDEN = "kHidden"


def described_value(row: str, value: int) -> dict:
    for entry in DESCRIPTION[row]["values"]:
        if entry["value"] == value:
            return entry
    raise KeyError(f"{row!r} offers no value {value}")


@dataclass(frozen=True)
class Choice:
    """A button that stores `value` into the setting `row`; its radio circle lies where the marker is drawn."""
    row: str                   # the setting's key in config.txt
    value: int
    control: Id
    rect: Rect
    normal: Id
    pressed: Id
    caption: tuple[str, ...]   # first line in the caption style, further lines smaller
    radio: tuple[int, int]     # offset of the radio circle (the marker) from the button's corner
    kind: str                  # "level", "option", "tile", "row" or "hidden"
    selection: str = WHEN_STORED
    hover: Id | None = None      # rows only
    selected: Id | None = None   # rows only: a full selected look instead of the marker
    detail: str = ""             # rows only: the muted text at the right

    @property
    def radio_rect(self) -> Rect:
        return Rect(self.rect.x + self.radio[0], self.rect.y + self.radio[1], MARKER, MARKER)


@dataclass(frozen=True)
class Group:
    row: str
    choices: tuple[Choice, ...]   # in the order the window creates them

    @property
    def title(self) -> str:
        return DESCRIPTION[self.row]["title"]

    @property
    def note(self) -> str:
        return DESCRIPTION[self.row]["subtitle"]

    @property
    def band(self) -> Rect:
        """The rectangle that holds all the group's buttons."""
        x = min(c.rect.x for c in self.choices)
        y = min(c.rect.y for c in self.choices)
        return Rect(x, y, max(c.rect.right for c in self.choices) - x,
                    max(c.rect.bottom for c in self.choices) - y)


@dataclass(frozen=True)
class Action:
    """A push button of the main or advanced window (normal, pressed and hover images)."""
    control: Id
    rect: Rect
    normal: Id
    pressed: Id
    hover: Id
    kind: str          # "close", "primary", "secondary" or "round"
    caption: str = ""
    icon: str = ""
    focused: bool = False   # the hover image is also the button's focused image
    hover_inset: int = 0    # the hover area keeps this far inside the button


@dataclass(frozen=True)
class StripButton:
    """A four-frame button of a message box or the picker: rect is the button, frame where its frames show."""
    control: Id
    strip: Id
    frame: Rect
    kind: str
    caption: str
    icon: str = ""
    width: int = 0     # the button's width where it is wider than its frames

    @property
    def rect(self) -> Rect:
        return Rect(self.frame.x, self.frame.y, self.width or self.frame.w, self.frame.h)


@dataclass(frozen=True)
class TextSlot:
    """A rectangle that the program fills with text at run time; the background leaves it plain."""
    name: str
    rect: Rect
    colour: tuple[int, int, int]
    sample: str
    font_height: int = 12


@dataclass(frozen=True)
class Slider:
    """The partition slider: its control, channel rectangle, Thumb strip and the two channel images."""
    control: Id
    thumb: Id
    rect: Rect
    thumb_strip: Id
    thumb_size: tuple[int, int]
    left_channel: Id
    right_channel: Id
    maximum: int
    step: int        # positions per territory
    band_right: int  # the channel's band is painted up to here, in the slider's own pixels

    @property
    def half_thumb(self) -> int:
        return self.thumb_size[0] // 2

    @property
    def track(self) -> int:
        return (self.rect.w - self.half_thumb) - self.half_thumb

    def thumb_left(self, position: int) -> int:
        """The Thumb's left edge in window pixels; the slider divides first and truncates."""
        return self.rect.x + int(self.track / self.maximum * position)

    def thumb_centre(self, position: int) -> int:
        return self.thumb_left(position) + self.half_thumb

    def tick_x(self, percent: int) -> int:
        """Window x of the scale's tick: territory t stands for (t + 1) x 10 %, so 10 % .. 90 % sit exactly under
        the Thumb's centre and 0 % and 100 % continue the same spacing."""
        territory = percent // 10 - 1
        if 0 <= territory <= self.maximum // self.step:
            return self.thumb_centre(territory * self.step)
        per_territory = self.track / self.maximum * self.step
        return round(self.thumb_centre(0) + per_territory * territory)


@dataclass(frozen=True)
class SettingsWindow:
    name: str
    dialog: Id
    background: Id
    size: tuple[int, int]
    header: int                 # height of the tinted header
    title: str
    subtitle: str
    groups: tuple[Group, ...]
    actions: tuple[Action, ...]  # in the order the hover overlay draws them
    marker: Id
    label_right: int            # group titles are painted between x = 22 and this edge
    hidden: tuple[Choice, ...] = ()          # choices the layout binds but never shows
    text_slots: tuple[TextSlot, ...] = ()
    info_fields: tuple[TextSlot, ...] = ()   # light fields in the header around these slots
    clock_band: tuple[int, int] | None = None
    clock_caption: tuple[str, str] = ("", "")
    slider: Slider | None = None
    footer: int = 718           # top of the tinted footer
    footer_note: str = ""

    @property
    def choices(self) -> tuple[Choice, ...]:
        """Every Choice button in creation order, which is also the order of the Marker refresh."""
        return tuple(c for g in self.groups for c in g.choices) + self.hidden


@dataclass(frozen=True)
class SmallWindow:
    """A message box or the time zone picker: 440 x 222, title bar, panel, buttons at the bottom right."""
    name: str
    dialog: Id
    background: Id
    size: tuple[int, int]
    title: str
    buttons: tuple[StripButton, ...]
    heading: str = ""
    message: str = ""
    list_control: Id | None = None
    list_rect: Rect | None = None
    list_label: str = ""
    list_note: str = ""
    list_sample: str = ""


# ---- Choice buttons: one line each, keyed by (row, value) ----------------------------------------------------------

def _caption(row: str, value: int, stacked: bool) -> tuple[tuple[str, ...], str]:
    """The described caption as drawn: stacked, its last word goes below ("Normal 1", "30 fps"); a detail goes
    below the caption, or beside it on a row."""
    entry = described_value(row, value)
    caption, detail = entry["caption"], entry["detail"]
    if stacked and " " in caption:
        head, last = caption.rsplit(" ", 1)
        return (head, last), detail
    return (caption,), detail


def _choice(window: str, images: str, row: str, value: int, name: str, control: int, faces: tuple[int, ...],
            rect: Rect, radio, kind: str, selection: str, stacked: bool) -> Choice:
    caption, detail = _caption(row, value, stacked)
    control_id = Id(f"IDC_{window}_{name}", control)
    normal = Id(f"{images}{name}", faces[0])
    pressed = Id(f"{images}{name}_PRESSED", faces[-1])
    if kind == "row":
        return Choice(row, value, control_id, rect, normal, pressed, caption, radio, kind, selection,
                      hover=Id(f"{images}{name}_HOVER", faces[1]), selected=Id(f"{images}{name}_SELECTED", faces[2]),
                      detail=detail)
    if detail:
        caption += (detail,)
    return Choice(row, value, control_id, rect, normal, pressed, caption, radio, kind, selection)


# Main window: control IDC_MAIN_<name>, images IDB_<name>[_PRESSED|_HOVER|_SELECTED].
LEVEL_SIZE, LEVEL_RADIO = (38, 46), (12, 7)
WIDE_LEVEL_SIZE, WIDE_LEVEL_RADIO = (49, 46), (18, 7)
OPTION_SIZE = (108, 34)
ROW_SIZE, ROW_RADIO = (294, 34), (11, 10)


def level(row: str, value: int, name: str, control: int, faces, x: int, y: int, wide: bool = False) -> Choice:
    size, radio = (WIDE_LEVEL_SIZE, WIDE_LEVEL_RADIO) if wide else (LEVEL_SIZE, LEVEL_RADIO)
    return _choice("MAIN", "IDB_", row, value, name, control, faces, Rect(x, y, *size), radio, "level", WHEN_STORED,
                   stacked=True)


def option(row: str, value: int, name: str, control: int, faces, x: int, y: int, radio_x: int,
           selection: str = WHEN_STORED) -> Choice:
    return _choice("MAIN", "IDB_", row, value, name, control, faces, Rect(x, y, *OPTION_SIZE), (radio_x, 10),
                   "option", selection, stacked=False)


def resolution(value: int, name: str, control: int, faces, y: int) -> Choice:
    """faces: normal, hover, selected, pressed."""
    return _choice("MAIN", "IDB_", "Resolution", value, name, control, faces, Rect(152, y, *ROW_SIZE), ROW_RADIO,
                   "row", WHEN_STORED, stacked=False)


# Advanced window: control IDC_ADV_<name>, images IDB_ADV_<name>[_PRESSED].
TILE_WIDE, TILE_WIDE_RADIO = (70, 61), (28, 15)
TILE_NARROW, TILE_NARROW_RADIO = (60, 61), (23, 12)
PILL, PILL_RADIO = (97, 34), (5, 10)


def tile(row: str, value: int, name: str, control: int, faces, x: int, y: int, wide: bool,
         stacked: bool = False) -> Choice:
    size, radio = (TILE_WIDE, TILE_WIDE_RADIO) if wide else (TILE_NARROW, TILE_NARROW_RADIO)
    return _choice("ADV", "IDB_ADV_", row, value, name, control, faces, Rect(x, y, *size), radio, "tile",
                   WHEN_STORED, stacked)


def pill(row: str, value: int, name: str, control: int, faces, x: int, y: int,
         selection: str = WHEN_STORED) -> Choice:
    return _choice("ADV", "IDB_ADV_", row, value, name, control, faces, Rect(x, y, *PILL), PILL_RADIO, "option",
                   selection, stacked=False)


def hidden(row: str, value: int, name: str, control: int) -> Choice:
    """A placeholder of the dialog layout that the window binds to a value but never creates or draws."""
    return Choice(row, value, Id(f"IDC_ADV_{name}", control), Rect(0, 0, 0, 0), Id("", 0), Id("", 0), (), (0, 0),
                  "hidden", HIDDEN)


# ---- Main window ---------------------------------------------------------------------------------------------------

OK_BUTTON = Action(IDOK, Rect(310, 723, 164, 60), Id("IDB_OK", 141), Id("IDB_OK_PRESSED", 139),
                   Id("IDB_OK_HOVER", 140), "primary", "Apply", "check", focused=True)
_ON = WHEN_STORED_OR_UNMATCHED  # also selected while the stored value is one that no choice of the group offers

MAIN = SettingsWindow(
    name="main",
    dialog=Id("IDD_MAIN", 102),
    background=Id("IDB_MAIN_BACKGROUND", 292),
    size=(482, 783),
    header=96,
    title="DQ-918LX",
    subtitle="Dash camera settings",
    label_right=146,
    marker=Id("IDB_MAIN_MARKER", 177),
    groups=(
        Group("Resolution", (
            resolution(0, "RES_1080P", 1034, (165, 166, 167, 168), 110),
            resolution(1, "RES_720P", 1035, (169, 170, 171, 172), 145),
            resolution(2, "RES_720P_WIDE", 1036, (173, 174, 175, 176), 180),
        )),
        Group("Driving Mode Accelerator", (
            level("Driving Mode Accelerator", 0, "DRIVING_ACCEL_0", 1054, (214, 215), 206, 237),
            level("Driving Mode Accelerator", 1, "DRIVING_ACCEL_1", 1055, (216, 217), 256, 237),
            level("Driving Mode Accelerator", 2, "DRIVING_ACCEL_2", 1056, (218, 219), 306, 237),
            level("Driving Mode Accelerator", 3, "DRIVING_ACCEL_3", 1057, (220, 221), 356, 237),
            level("Driving Mode Accelerator", 4, "DRIVING_ACCEL_4", 1058, (222, 223), 406, 237),
            level("Driving Mode Accelerator", 9, "DRIVING_ACCEL_OFF", 1059, (296, 297), 150, 237, wide=True),
        )),
        Group("Parking Accelerator", (
            level("Parking Accelerator", 0, "PARKING_ACCEL_0", 1060, (228, 229), 206, 299),
            level("Parking Accelerator", 1, "PARKING_ACCEL_1", 1061, (230, 231), 256, 299),
            level("Parking Accelerator", 2, "PARKING_ACCEL_2", 1062, (232, 233), 306, 299),
            level("Parking Accelerator", 3, "PARKING_ACCEL_3", 1063, (234, 235), 356, 299),
            level("Parking Accelerator", 4, "PARKING_ACCEL_4", 1064, (236, 237), 406, 299),
        )),
        Group("Auto Parking", (
            option("Auto Parking", 1, "AUTO_PARKING_ON", 1021, (238, 239), 205, 366, 13, _ON),
            option("Auto Parking", 0, "AUTO_PARKING_MANUAL", 1022, (240, 241), 313, 366, 5, _ON),
        )),
        Group("Parking Motion", (
            level("Parking Motion", 0, "PARKING_MOTION_0", 1072, (242, 243), 200, 423, wide=True),
            level("Parking Motion", 1, "PARKING_MOTION_1", 1073, (244, 245), 256, 423),
            level("Parking Motion", 2, "PARKING_MOTION_2", 1074, (246, 247), 306, 423),
            level("Parking Motion", 3, "PARKING_MOTION_3", 1075, (248, 249), 356, 423),
            level("Parking Motion", 4, "PARKING_MOTION_4", 1076, (250, 251), 406, 423),
        )),
        Group("Night Bright", (
            level("Night Bright", 0, "NIGHT_BRIGHT_0", 1077, (271, 272), 206, 485),
            level("Night Bright", 1, "NIGHT_BRIGHT_1", 1078, (273, 274), 256, 485),
            level("Night Bright", 2, "NIGHT_BRIGHT_2", 1079, (275, 276), 306, 485),
            level("Night Bright", 3, "NIGHT_BRIGHT_3", 1080, (277, 278), 356, 485),
            level("Night Bright", 4, "NIGHT_BRIGHT_4", 1081, (279, 280), 406, 485),
        )),
        Group("Speaker Volume", (
            level("Speaker Volume", 0, "SPEAKER_0", 1067, (252, 253), 200, 547, wide=True),
            level("Speaker Volume", 1, "SPEAKER_1", 1068, (254, 255), 256, 547),
            level("Speaker Volume", 2, "SPEAKER_2", 1069, (256, 257), 306, 547),
            level("Speaker Volume", 3, "SPEAKER_3", 1070, (258, 259), 356, 547),
            level("Speaker Volume", 4, "SPEAKER_4", 1071, (260, 261), 406, 547),
        )),
        Group("MIC Volume", (
            option("MIC Volume", 2, "MIC_ON", 1023, (178, 179), 205, 614, 13),
            option("MIC Volume", 0, "MIC_OFF", 1024, (180, 181), 313, 614, 5, _ON),
        )),
    ),
    actions=(
        Action(IDCANCEL, Rect(433, 11, 37, 37), Id("IDB_MAIN_CANCEL", 134), Id("IDB_MAIN_CANCEL_PRESSED", 135),
               Id("IDB_MAIN_CANCEL_HOVER", 133), "close", focused=True, hover_inset=5),
        Action(Id("IDC_MAIN_SYSTEM_TIME", 1025), Rect(210, 673, 40, 36), Id("IDB_MAIN_SYSTIME", 143),
               Id("IDB_MAIN_SYSTIME_PRESSED", 144), Id("IDB_MAIN_SYSTIME_HOVER", 142), "round", icon="clock",
               hover_inset=5),
        Action(Id("IDC_MAIN_WORLD_TIME", 1026), Rect(439, 673, 41, 36), Id("IDB_MAIN_WORLDTIME", 146),
               Id("IDB_MAIN_WORLDTIME_PRESSED", 147), Id("IDB_MAIN_WORLDTIME_HOVER", 145), "round", icon="globe",
               hover_inset=5),
        Action(Id("IDC_MAIN_RESET", 1007), Rect(6, 723, 145, 60), Id("IDB_MAIN_RESET", 137),
               Id("IDB_MAIN_RESET_PRESSED", 138), Id("IDB_MAIN_RESET_HOVER", 136), "secondary", "Reset All", "reset",
               focused=True),
        Action(Id("IDC_MAIN_ADVANCED", 1037), Rect(152, 723, 145, 60), Id("IDB_MAIN_ADVANCED", 293),
               Id("IDB_MAIN_ADVANCED_PRESSED", 295), Id("IDB_MAIN_ADVANCED_HOVER", 294), "secondary", "Advanced",
               "gear"),
        OK_BUTTON,
    ),
    text_slots=(
        TextSlot("clock", Rect(260, 686, 168, 12), (204, 204, 204), "2012-11-30 PM 03: 07: 09"),
    ),
    info_fields=(
        TextSlot("model", Rect(34, 67, 173, 12), (0, 0, 0), "Model: DQ-918LX"),
        TextSlot("firmware", Rect(275, 67, 173, 12), (0, 0, 0), "Firmware: V1.0.3"),
    ),
    clock_band=(662, 718),
    clock_caption=("Camera Clock", "Set from this PC"),
)
CLOCK_SECONDS_LEFT = 410  # where the clock line's seconds start in the line's intended font

# ---- Advanced window -----------------------------------------------------------------------------------------------

ADVANCED = SettingsWindow(
    name="advanced",
    dialog=Id("IDD_ADVANCED", 298),
    background=Id("IDB_ADV_BACKGROUND", 349),
    size=(482, 783),
    header=54,
    title="Advanced Settings",
    subtitle="Recording, video output and memory",
    label_right=182,
    marker=Id("IDB_ADV_MARKER", 350),
    groups=(
        Group("Bit rate", (
            tile("Bit rate", 0, "BITRATE_0", 1083, (310, 311), 190, 63, wide=True),
            tile("Bit rate", 1, "BITRATE_1", 1084, (312, 313), 290, 63, wide=True),
            tile("Bit rate", 2, "BITRATE_2", 1085, (314, 315), 390, 63, wide=True),
        )),
        Group("Driving Mode Frame", (
            tile("Driving Mode Frame", 0, "DRIVING_FPS_0", 1087, (316, 317), 195, 138, wide=False, stacked=True),
            tile("Driving Mode Frame", 1, "DRIVING_FPS_1", 1088, (318, 319), 262, 138, wide=False, stacked=True),
            tile("Driving Mode Frame", 2, "DRIVING_FPS_2", 1089, (320, 321), 329, 138, wide=False, stacked=True),
            tile("Driving Mode Frame", 3, "DRIVING_FPS_3", 1090, (322, 323), 396, 138, wide=False, stacked=True),
        )),
        Group("Parking Mode Frame", (
            tile("Parking Mode Frame", 0, "PARKING_FPS_0", 1092, (326, 327), 195, 210, wide=False, stacked=True),
            tile("Parking Mode Frame", 1, "PARKING_FPS_1", 1093, (328, 329), 262, 210, wide=False, stacked=True),
            tile("Parking Mode Frame", 2, "PARKING_FPS_2", 1094, (330, 331), 329, 210, wide=False, stacked=True),
            tile("Parking Mode Frame", 3, "PARKING_FPS_3", 1095, (332, 333), 396, 210, wide=False, stacked=True),
        )),
        Group("Parking Black and White", (
            pill("Parking Black and White", 1, "PARKING_BW_ON", 1066, (336, 337), 213, 293, _ON),
            pill("Parking Black and White", 0, "PARKING_BW_OFF", 1067, (338, 339), 313, 293, _ON),
        )),
        Group("Video OUT", (
            pill("Video OUT", 1, "FLIP_ON", 1064, (340, 341), 213, 365, _ON),
            pill("Video OUT", 0, "FLIP_OFF", 1065, (342, 343), 313, 365, _ON),
        )),
        Group("Video Out Standard", (
            pill("Video Out Standard", 0, "VIDEO_OUT_NTSC", 1068, (378, 379), 213, 437),
            pill("Video Out Standard", 1, "VIDEO_OUT_PAL", 1069, (380, 381), 313, 437),
        )),
        Group("GPS Speed Display", (
            tile("GPS Speed Display", 0, "GPS_0", 1097, (370, 371), 190, 493, wide=True),
            tile("GPS Speed Display", 1, "GPS_1", 1098, (372, 373), 290, 493, wide=True),
            tile("GPS Speed Display", 2, "GPS_2", 1099, (374, 375), 390, 493, wide=True),
        )),
        # These two also switch the partition slider.
        Group("Memory Partition", (
            pill("Memory Partition", 0, "PARTITION_DEFAULT", 1073, (344, 345), 213, 580),
            pill("Memory Partition", 1, "PARTITION_CUSTOM", 1074, (346, 347), 313, 580),
        )),
    ),
    # "Encoding Profile" has its placeholders only, so its value travels through unchanged.
    hidden=(
        hidden("Encoding Profile", 0, "PROFILE_HIGH", 1080),
        hidden("Encoding Profile", 1, "PROFILE_MAIN", 1081),
        hidden("Encoding Profile", 2, "PROFILE_BASELINE", 1082),
    ),
    actions=(
        Action(IDCANCEL, Rect(433, 11, 37, 37), Id("IDB_ADV_CANCEL", 301), Id("IDB_ADV_CANCEL_PRESSED", 303),
               Id("IDB_ADV_CANCEL_HOVER", 302), "close", focused=True, hover_inset=5),
        OK_BUTTON,
    ),
    slider=Slider(Id("IDC_ADV_PARTITION_SLIDER", 1086), Id("IDC_SLIDER_THUMB", 1003), Rect(66, 645, 313, 8),
                  Id("IDB_SLIDER_THUMB_STRIP", 351), (31, 8), Id("IDB_SLIDER_CHANNEL_LEFT", 355),
                  Id("IDB_SLIDER_CHANNEL_RIGHT", 356), maximum=80, step=10, band_right=332),
    footer_note="These settings reach the card when you\npress Apply in the main window.",
)

SETTINGS_WINDOWS = (MAIN, ADVANCED)

# ---- Message boxes and the time zone picker ------------------------------------------------------------------------

BOX_SIZE = (440, 222)
BUTTON_TOP = 177
STRIP_HEIGHT = 44


def _ok(strip: Id) -> tuple[StripButton, ...]:
    return (StripButton(IDOK, strip, Rect(300, BUTTON_TOP, 133, STRIP_HEIGHT), "primary", "OK", "check"),)


APPLY_CANCEL = (
    # The Apply button is 133 pixels wide, but its strip's frames cover only its leftmost 129 columns.
    StripButton(IDOK, Id("IDB_APPLY_STRIP", 360), Rect(174, BUTTON_TOP, 129, STRIP_HEIGHT), "primary", "Apply",
                width=133),
    StripButton(IDCANCEL, Id("IDB_CANCEL_STRIP", 362), Rect(302, BUTTON_TOP, 129, STRIP_HEIGHT), "secondary",
                "Cancel"),
)

# The picker's list keeps the place that its layout gives in dialog units (7, 62, 275 wide); the platform converts
# them with the dialog font's base units, 6 x 13 pixels for "MS Shell Dlg" 8 at 96 DPI.
LIST_DIALOG_UNITS = (7, 62, 275)
DIALOG_BASE_UNITS = (6, 13)
CLOSED_LIST_HEIGHT = 21
LIST_FONT_HEIGHT = 11  # the dialog font's em height at 96 DPI, which the list takes at 100 %


def _mul_div(value: int, numerator: int, denominator: int) -> int:
    """The platform's MulDiv: rounds halves away from zero."""
    return (2 * value * numerator + denominator) // (2 * denominator)


def _list_rect() -> Rect:
    x, y, w = LIST_DIALOG_UNITS
    bx, by = DIALOG_BASE_UNITS
    return Rect(_mul_div(x, bx, 4), _mul_div(y, by, 8), _mul_div(w, bx, 4), CLOSED_LIST_HEIGHT)


SMALL_WINDOWS = (
    SmallWindow("no_card", Id("IDD_NO_USB", 353), Id("IDB_NO_USB_BACKGROUND", 357), BOX_SIZE, "Note",
                _ok(Id("IDB_NO_USB_OK_STRIP", 354)),
                heading="Cannot communicate with the black box.",
                message="Cable may be disconnected or the black box may be turned off. Please check the status."),
    SmallWindow("notice", Id("IDD_NOTICE_MESSAGE", 358), Id("IDB_NOTICE_BACKGROUND", 359), BOX_SIZE, "Note",
                APPLY_CANCEL,
                heading="Do you want to change the Advanced Settings?",
                message="If you change the Memory Allocation setting, the recorded videos and pictures will be "
                        "deleted. Please be sure to make a backup before applying the changes."),
    SmallWindow("closing", Id("IDD_EXIT_MESSAGE", 262), Id("IDB_EXIT_BACKGROUND", 263), BOX_SIZE, "Note",
                _ok(Id("IDB_EXIT_OK_STRIP", 377)),
                heading="Configuration has been changed.",
                message="Please disconnect the USB cable and reboot the device to apply the new configuration."),
    SmallWindow("time_zone", Id("IDD_WORLD_TIME", 400), Id("IDB_WORLD_TIME_BACKGROUND", 402), BOX_SIZE,
                "Time zone setting", APPLY_CANCEL, list_control=Id("IDC_WORLD_TIME_LIST", 401),
                list_rect=_list_rect(), list_label="Time zone",
                list_note="The camera's clock follows this offset from UTC.", list_sample=" UTC+09:00"),
)
