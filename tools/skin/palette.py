"""Colours and type of the skin: a light, calm surface, one blue accent, orange for what is selected."""
from functools import lru_cache

from PIL import ImageFont

# Surfaces
FRAME = (176, 186, 199)         # one-pixel outline around every window
TINT = (242, 245, 249)          # header, footer and message-box frame
BODY = (255, 255, 255)          # where the settings sit
HAIRLINE = (226, 231, 237)      # separators between groups
FIELD_BORDER = (210, 217, 226)  # outlines of the info fields and of secondary buttons
DARK = (30, 39, 51)             # clock band and message panels
DARK_RAISED = (51, 63, 79)      # round buttons on the dark band

# Text
TEXT = (27, 35, 46)
MUTED = (105, 116, 131)
ON_DARK = (238, 242, 247)
ON_DARK_MUTED = (160, 172, 188)
WHITE = (255, 255, 255)

# Accent and states
ACCENT = (37, 99, 235)
ACCENT_HOVER = (66, 125, 245)
ACCENT_DARK = (27, 74, 190)
ACCENT_TINT = (236, 243, 255)        # hovered rows and buttons
ACCENT_TINT_STRONG = (214, 228, 253)  # pressed choices
ACCENT_BORDER = (150, 184, 247)
RADIO_RING = (158, 170, 186)
SELECTED = (244, 137, 36)            # the orange selection dot
DANGER = (225, 72, 72)
DANGER_DARK = (190, 48, 48)
CLOSE_FACE = (226, 231, 238)
CLOSE_GLYPH = (88, 99, 114)
DISABLED_FACE = (228, 231, 236)
DISABLED_TEXT = (160, 168, 179)
DISABLED_BORDER = (205, 210, 217)

# The partition scale of the advanced window
DRIVING_BLUE = (59, 130, 246)
EVENT_YELLOW = (247, 196, 52)
DEDICATED_RED = (222, 72, 72)
EVENT_TEXT = (161, 112, 6)           # yellow is unreadable as text on white

_FONTS = "/usr/share/fonts/truetype/dejavu/"
_FACES = {
    "regular": "DejaVuSans.ttf",
    "bold": "DejaVuSans-Bold.ttf",
    "condensed": "DejaVuSansCondensed.ttf",
    "condensed-bold": "DejaVuSansCondensed-Bold.ttf",
}


@lru_cache(maxsize=None)
def font(size: int, weight: str = "regular") -> ImageFont.FreeTypeFont:
    return ImageFont.truetype(_FONTS + _FACES[weight], size)
