"""The one description of the skin: every window with its background, and every button's place, size, images and
caption. The painters and the preview take all positions from here; bitmap and control numbers come from
res/resource.h by name."""
from dataclasses import dataclass

from geometry import Rect
from resource_ids import IDS

MARKER = 14  # the selection marker is a 14 x 14 image that covers the radio circle of a choice exactly


@dataclass(frozen=True)
class Choice:
    """A button that selects one value of a setting; its radio circle lies where the marker is drawn."""
    control: int
    rect: Rect
    normal: int
    pressed: int
    caption: tuple[str, ...]   # first line in the caption style, further lines smaller
    radio: tuple[int, int]     # offset of the radio circle (the marker) from the button's corner
    kind: str                  # "level", "option", "tile" or "row"
    hover: int | None = None     # rows only
    selected: int | None = None  # rows only: a full selected look instead of the marker
    detail: str = ""             # rows only: the muted text at the right

    @property
    def radio_rect(self) -> Rect:
        return Rect(self.rect.x + self.radio[0], self.rect.y + self.radio[1], MARKER, MARKER)


@dataclass(frozen=True)
class Group:
    title: str
    note: str
    choices: tuple[Choice, ...]

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
    control: int
    rect: Rect
    normal: int
    pressed: int
    hover: int
    kind: str          # "close", "primary", "secondary" or "round"
    caption: str = ""
    icon: str = ""


@dataclass(frozen=True)
class StripButton:
    """A four-frame button of a message box or the picker; frame is where its frames show in the window."""
    control: int
    strip: int
    frame: Rect
    kind: str
    caption: str
    icon: str = ""


@dataclass(frozen=True)
class TextSlot:
    """A rectangle that the program fills with text at run time; the background leaves it plain."""
    name: str
    rect: Rect
    colour: tuple[int, int, int]
    sample: str


@dataclass(frozen=True)
class Slider:
    """The partition slider: its channel rectangle, Thumb strip and the two channel images."""
    rect: Rect
    thumb_strip: int
    thumb_size: tuple[int, int]
    left_channel: int
    right_channel: int
    maximum: int
    step: int  # positions per territory

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
    background: int
    size: tuple[int, int]
    header: int                 # height of the tinted header
    title: str
    subtitle: str
    groups: tuple[Group, ...]
    actions: tuple[Action, ...]
    marker: int
    label_right: int            # group titles are painted between x = 22 and this edge
    text_slots: tuple[TextSlot, ...] = ()
    info_fields: tuple[TextSlot, ...] = ()   # light fields in the header around these slots
    clock_band: tuple[int, int] | None = None
    clock_caption: tuple[str, str] = ("", "")
    slider: Slider | None = None
    footer: int = 718           # top of the tinted footer
    footer_note: str = ""


@dataclass(frozen=True)
class SmallWindow:
    """A message box or the time zone picker: 440 x 222, title bar, panel, buttons at the bottom right."""
    name: str
    background: int
    size: tuple[int, int]
    title: str
    buttons: tuple[StripButton, ...]
    heading: str = ""
    message: str = ""
    list_rect: Rect | None = None
    list_label: str = ""
    list_note: str = ""
    list_sample: str = ""


# ---- Main window ---------------------------------------------------------------------------------------------------

LEVEL_SIZE = (38, 46)
LEVEL_RADIO = (12, 7)
WIDE_LEVEL_SIZE = (49, 46)
WIDE_LEVEL_RADIO = (18, 7)
LEVEL_X0, LEVEL_STEP = 206, 50
OPTION_SIZE = (108, 34)
ROW_SIZE = (294, 34)
ROW_RADIO = (11, 10)


def _level(control: int, face: int, x: int, y: int, caption: tuple[str, ...], wide: bool = False) -> Choice:
    size, radio = (WIDE_LEVEL_SIZE, WIDE_LEVEL_RADIO) if wide else (LEVEL_SIZE, LEVEL_RADIO)
    return Choice(control, Rect(x, y, *size), face, face + 1, caption, radio, "level")


def _levels(control0: str, face0: str, y: int, captions, first_x: int | None = None) -> tuple[Choice, ...]:
    """Five level buttons 0..4 from LEVEL_X0; with first_x, level 0 is the wide button at that x."""
    choices = []
    for i, caption in enumerate(captions):
        wide = i == 0 and first_x is not None
        x = first_x if wide else LEVEL_X0 + LEVEL_STEP * i
        choices.append(_level(IDS[control0] + i, IDS[face0] + 2 * i, x, y, caption, wide))
    return tuple(choices)


def _option(control: str, face: str, x: int, y: int, radio_x: int, caption: str) -> Choice:
    return Choice(IDS[control], Rect(x, y, *OPTION_SIZE), IDS[face], IDS[face] + 1, (caption,),
                  (radio_x, 10), "option")


def _resolution(k: int, caption: str, detail: str) -> Choice:
    first = IDS["IDB_RES_1080P"] + 4 * k
    return Choice(IDS["IDC_MAIN_RES_1080P"] + k, Rect(152, 110 + 35 * k, *ROW_SIZE), normal=first,
                  hover=first + 1, selected=first + 2, pressed=first + 3, caption=(caption,), radio=ROW_RADIO,
                  kind="row", detail=detail)


DIGITS = tuple((str(i),) for i in range(5))

MAIN = SettingsWindow(
    name="main",
    background=IDS["IDB_MAIN_BACKGROUND"],
    size=(482, 783),
    header=96,
    title="DQ-918LX",
    subtitle="Dash camera settings",
    label_right=146,
    marker=IDS["IDB_MAIN_MARKER"],
    groups=(
        Group("Recording Resolution", "Video size", (
            _resolution(0, "1080p Full HD", "1920 × 1080"),
            _resolution(1, "720p HD", "1280 × 720"),
            _resolution(2, "720p Ultra-Wide", "1280 × 720 · binning"),
        )),
        Group("G-Sensor: Driving", "Impact sensitivity",
              (_level(IDS["IDC_MAIN_DRIVING_ACCEL_OFF"], IDS["IDB_DRIVING_ACCEL_OFF"], 150, 237, ("Off",),
                      wide=True),)
              + _levels("IDC_MAIN_DRIVING_ACCEL_0", "IDB_DRIVING_ACCEL_0", 237, DIGITS)),
        Group("G-Sensor: Parking", "Impact sensitivity",
              _levels("IDC_MAIN_PARKING_ACCEL_0", "IDB_PARKING_ACCEL_0", 299, DIGITS)),
        Group("Auto Parking", "Switch to parking mode", (
            _option("IDC_MAIN_AUTO_PARKING_ON", "IDB_AUTO_PARKING_ON", 205, 366, 13, "Automatic"),
            _option("IDC_MAIN_AUTO_PARKING_MANUAL", "IDB_AUTO_PARKING_MANUAL", 313, 366, 5, "Manual only"),
        )),
        Group("Motion Detection", "Parking mode sensitivity",
              _levels("IDC_MAIN_PARKING_MOTION_0", "IDB_PARKING_MOTION_0", 423,
                      (("Off",),) + DIGITS[1:], first_x=200)),
        Group("Night Brightness", "Low-light image",
              _levels("IDC_MAIN_NIGHT_BRIGHT_0", "IDB_NIGHT_BRIGHT_0", 485,
                      (("Basic",), ("Normal", "1"), ("Normal", "2"), ("Bright", "1"), ("Bright", "2")))),
        Group("Speaker Volume", "Voice guidance",
              _levels("IDC_MAIN_SPEAKER_0", "IDB_SPEAKER_0", 547, (("Mute",),) + DIGITS[1:], first_x=200)),
        Group("Microphone", "Sound in recordings", (
            _option("IDC_MAIN_MIC_ON", "IDB_MIC_ON", 205, 614, 13, "Sound on"),
            _option("IDC_MAIN_MIC_OFF", "IDB_MIC_OFF", 313, 614, 5, "Sound off"),
        )),
    ),
    actions=(
        Action(IDS["IDCANCEL"], Rect(433, 11, 37, 37), IDS["IDB_MAIN_CANCEL"], IDS["IDB_MAIN_CANCEL_PRESSED"],
               IDS["IDB_MAIN_CANCEL_HOVER"], "close"),
        Action(IDS["IDC_MAIN_SYSTEM_TIME"], Rect(210, 673, 40, 36), IDS["IDB_MAIN_SYSTIME"],
               IDS["IDB_MAIN_SYSTIME_PRESSED"], IDS["IDB_MAIN_SYSTIME_HOVER"], "round", icon="clock"),
        Action(IDS["IDC_MAIN_WORLD_TIME"], Rect(439, 673, 41, 36), IDS["IDB_MAIN_WORLDTIME"],
               IDS["IDB_MAIN_WORLDTIME_PRESSED"], IDS["IDB_MAIN_WORLDTIME_HOVER"], "round", icon="globe"),
        Action(IDS["IDC_MAIN_RESET"], Rect(6, 723, 145, 60), IDS["IDB_MAIN_RESET"], IDS["IDB_MAIN_RESET_PRESSED"],
               IDS["IDB_MAIN_RESET_HOVER"], "secondary", "Reset All", "reset"),
        Action(IDS["IDC_MAIN_ADVANCED"], Rect(152, 723, 145, 60), IDS["IDB_MAIN_ADVANCED"],
               IDS["IDB_MAIN_ADVANCED_PRESSED"], IDS["IDB_MAIN_ADVANCED_HOVER"], "secondary", "Advanced", "gear"),
        Action(IDS["IDOK"], Rect(310, 723, 164, 60), IDS["IDB_OK"], IDS["IDB_OK_PRESSED"], IDS["IDB_OK_HOVER"],
               "primary", "Apply", "check"),
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

# ---- Advanced window -----------------------------------------------------------------------------------------------

TILE_WIDE = (70, 61)
TILE_WIDE_RADIO = (28, 15)
TILE_NARROW = (60, 61)
TILE_NARROW_RADIO = (23, 12)
PILL = (97, 34)
PILL_RADIO = (5, 10)


def _tiles(control0: str, face0: str, xs, y: int, size, radio, captions) -> tuple[Choice, ...]:
    return tuple(Choice(IDS[control0] + i, Rect(x, y, *size), IDS[face0] + 2 * i, IDS[face0] + 2 * i + 1,
                        caption, radio, "tile") for i, (x, caption) in enumerate(zip(xs, captions)))


def _pills(controls, faces, y: int, captions) -> tuple[Choice, ...]:
    return tuple(Choice(IDS[control], Rect(x, y, *PILL), IDS[face], IDS[face] + 1, caption, PILL_RADIO, "option")
                 for control, face, x, caption in zip(controls, faces, (213, 313), captions))


WIDE_TILE_XS = (190, 290, 390)
NARROW_TILE_XS = (195, 262, 329, 396)
FPS = (("30", "fps"), ("24", "fps"), ("15", "fps"), ("5", "fps"))

ADVANCED = SettingsWindow(
    name="advanced",
    background=IDS["IDB_ADV_BACKGROUND"],
    size=(482, 783),
    header=54,
    title="Advanced Settings",
    subtitle="Recording, video output and memory",
    label_right=182,
    marker=IDS["IDB_ADV_MARKER"],
    groups=(
        Group("Video Quality", "Recording bit rate",
              _tiles("IDC_ADV_BITRATE_0", "IDB_ADV_BITRATE_0", WIDE_TILE_XS, 63, TILE_WIDE, TILE_WIDE_RADIO,
                     (("Ultra High",), ("High",), ("Standard",)))),
        Group("Recording fps in Driving Mode", "",
              _tiles("IDC_ADV_DRIVING_FPS_0", "IDB_ADV_DRIVING_FPS_0", NARROW_TILE_XS, 138, TILE_NARROW,
                     TILE_NARROW_RADIO, FPS)),
        Group("Recording fps in Parking Mode", "",
              _tiles("IDC_ADV_PARKING_FPS_0", "IDB_ADV_PARKING_FPS_0", NARROW_TILE_XS, 210, TILE_NARROW,
                     TILE_NARROW_RADIO, FPS)),
        Group("Video Recording in Black and White", "Parking Mode",
              _pills(("IDC_ADV_PARKING_BW_ON", "IDC_ADV_PARKING_BW_OFF"),
                     ("IDB_ADV_PARKING_BW_ON", "IDB_ADV_PARKING_BW_OFF"), 293, (("On",), ("Off",)))),
        Group("Video Out Image Flip", "Mirror left and right",
              _pills(("IDC_ADV_FLIP_ON", "IDC_ADV_FLIP_OFF"), ("IDB_ADV_FLIP_ON", "IDB_ADV_FLIP_OFF"), 365,
                     (("Mirrored",), ("Normal",)))),
        Group("Video Out Format", "TV standard",
              _pills(("IDC_ADV_VIDEO_OUT_NTSC", "IDC_ADV_VIDEO_OUT_PAL"),
                     ("IDB_ADV_VIDEO_OUT_NTSC", "IDB_ADV_VIDEO_OUT_PAL"), 437, (("NTSC",), ("PAL",)))),
        Group("Vehicle Speed", "GPS Option",
              _tiles("IDC_ADV_GPS_0", "IDB_ADV_GPS_0", WIDE_TILE_XS, 493, TILE_WIDE, TILE_WIDE_RADIO,
                     (("Off",), ("km/h",), ("mph",)))),
        Group("Memory Allocation", "Driving and event videos",
              _pills(("IDC_ADV_PARTITION_DEFAULT", "IDC_ADV_PARTITION_CUSTOM"),
                     ("IDB_ADV_PARTITION_DEFAULT", "IDB_ADV_PARTITION_CUSTOM"), 580,
                     (("Default", "50 : 50"), ("Custom", "use the slider")))),
    ),
    actions=(
        Action(IDS["IDCANCEL"], Rect(433, 11, 37, 37), IDS["IDB_ADV_CANCEL"], IDS["IDB_ADV_CANCEL_PRESSED"],
               IDS["IDB_ADV_CANCEL_HOVER"], "close"),
        Action(IDS["IDOK"], Rect(310, 723, 164, 60), IDS["IDB_OK"], IDS["IDB_OK_PRESSED"], IDS["IDB_OK_HOVER"],
               "primary", "Apply", "check"),
    ),
    slider=Slider(Rect(66, 645, 313, 8), IDS["IDB_SLIDER_THUMB_STRIP"], (31, 8), IDS["IDB_SLIDER_CHANNEL_LEFT"],
                  IDS["IDB_SLIDER_CHANNEL_RIGHT"], maximum=80, step=10),
    footer_note="These settings reach the card when you\npress Apply in the main window.",
)

SETTINGS_WINDOWS = (MAIN, ADVANCED)

# ---- Message boxes and the time zone picker ------------------------------------------------------------------------

BOX_SIZE = (440, 222)
BUTTON_TOP = 177
STRIP_HEIGHT = 44


def _ok(strip: str) -> tuple[StripButton, ...]:
    return (StripButton(IDS["IDOK"], IDS[strip], Rect(300, BUTTON_TOP, 133, STRIP_HEIGHT), "primary", "OK",
                        "check"),)


APPLY_CANCEL = (
    # The Apply button is 133 pixels wide, but its strip's frames cover only its leftmost 129 columns.
    StripButton(IDS["IDOK"], IDS["IDB_APPLY_STRIP"], Rect(174, BUTTON_TOP, 129, STRIP_HEIGHT), "primary", "Apply"),
    StripButton(IDS["IDCANCEL"], IDS["IDB_CANCEL_STRIP"], Rect(302, BUTTON_TOP, 129, STRIP_HEIGHT), "secondary",
                "Cancel"),
)

# The picker's list keeps the place that its layout gives in dialog units (7, 62, 275 wide); the platform converts
# them with the dialog font's base units, 6 x 13 pixels for "MS Shell Dlg" 8 at 96 DPI.
LIST_DIALOG_UNITS = (7, 62, 275)
DIALOG_BASE_UNITS = (6, 13)
CLOSED_LIST_HEIGHT = 21


def _mul_div(value: int, numerator: int, denominator: int) -> int:
    """The platform's MulDiv: rounds halves away from zero."""
    return (2 * value * numerator + denominator) // (2 * denominator)


def _list_rect() -> Rect:
    x, y, w = LIST_DIALOG_UNITS
    bx, by = DIALOG_BASE_UNITS
    return Rect(_mul_div(x, bx, 4), _mul_div(y, by, 8), _mul_div(w, bx, 4), CLOSED_LIST_HEIGHT)


SMALL_WINDOWS = (
    SmallWindow("no_card", IDS["IDB_NO_USB_BACKGROUND"], BOX_SIZE, "Note", _ok("IDB_NO_USB_OK_STRIP"),
                heading="Cannot communicate with the black box.",
                message="Cable may be disconnected or the black box may be turned off. Please check the status."),
    SmallWindow("notice", IDS["IDB_NOTICE_BACKGROUND"], BOX_SIZE, "Note", APPLY_CANCEL,
                heading="Do you want to change the Advanced Settings?",
                message="If you change the Memory Allocation setting, the recorded videos and pictures will be "
                        "deleted. Please be sure to make a backup before applying the changes."),
    SmallWindow("closing", IDS["IDB_EXIT_BACKGROUND"], BOX_SIZE, "Note", _ok("IDB_EXIT_OK_STRIP"),
                heading="Configuration has been changed.",
                message="Please disconnect the USB cable and reboot the device to apply the new configuration."),
    SmallWindow("time_zone", IDS["IDB_WORLD_TIME_BACKGROUND"], BOX_SIZE, "Time zone setting", APPLY_CANCEL,
                list_rect=_list_rect(), list_label="Time zone",
                list_note="The camera's clock follows this offset from UTC.", list_sample=" UTC+09:00"),
)
