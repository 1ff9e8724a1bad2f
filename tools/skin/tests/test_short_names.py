"""The captions drawn on the choice buttons against the short value names that dqcard shows and accepts
(card/setting_values.cpp). The time zone picker reads its texts from that table itself."""
import re
import unittest
from pathlib import Path

from layout import SETTINGS_WINDOWS

ROOT = Path(__file__).resolve().parents[3]

# Each group's setting and the value each of its buttons stores, left to right.
GROUP_VALUES = {
    "Recording Resolution": ("Resolution", (0, 1, 2)), "Auto Parking": ("AutoParking", (1, 0)),
    "G-Sensor: Driving": ("DrivingModeAccelerator", (9, 0, 1, 2, 3, 4)), "Microphone": ("MicVolume", (2, 0)),
    "G-Sensor: Parking": ("ParkingAccelerator", (0, 1, 2, 3, 4)), "Video Quality": ("BitRate", (0, 1, 2)),
    "Motion Detection": ("ParkingMotion", (0, 1, 2, 3, 4)), "Night Brightness": ("NightBright", (0, 1, 2, 3, 4)),
    "Speaker Volume": ("SpeakerVolume", (0, 1, 2, 3, 4)), "Video Out Format": ("VideoOutStandard", (0, 1)),
    "Recording fps in Driving Mode": ("DrivingModeFrame", (0, 1, 2, 3)), "Video Out Image Flip": ("VideoOut", (1, 0)),
    "Recording fps in Parking Mode": ("ParkingModeFrame", (0, 1, 2, 3)),
    "Memory Allocation": ("MemoryPartition", (0, 1)), "Vehicle Speed": ("GpsSpeedDisplay", (0, 1, 2)),
    "Video Recording in Black and White": ("ParkingBlackAndWhite", (1, 0)),
}


def value_names() -> dict:
    """{row: {value: name}} from the C++ table."""
    source = (ROOT / "card" / "setting_values.cpp").read_text()
    return {row: {int(v): n for v, n in re.findall(r'\{(-?\d+), "([^"]+)"\}', body)}
            for row, body in re.findall(r"constexpr ValueName k(\w+)Values\[\] = \{(.*?)\};", source, re.S)}


def words(text: str) -> list:
    return text.lower().replace("-", " ").split()


def shows(caption: str, name: str, value: int) -> bool:
    """The caption starts with or contains the name's words in order; a level button shows its bare digit."""
    if caption == str(value):
        return name == f"level-{value}"
    rest = words(caption)
    for word in words(name):
        if word not in rest:
            return False
        rest = rest[rest.index(word) + 1:]
    return True


class ShortNames(unittest.TestCase):
    def test_every_drawn_caption_shows_its_values_short_name(self):
        names = value_names()
        # A value is a number or a name, so no name may read as a number; names stand unquoted in a shell.
        self.assertFalse([n for row in names.values() for n in row.values() if n.lstrip("-").isdigit() or " " in n])
        groups = [g for w in SETTINGS_WINDOWS for g in w.groups]
        self.assertEqual({g.title for g in groups}, set(GROUP_VALUES))
        for group in groups:
            row, values = GROUP_VALUES[group.title]
            # The table offers exactly what the buttons store.
            self.assertEqual(sorted(names[row]), sorted(values), row)
            for choice, value in zip(group.choices, values, strict=True):
                caption = " ".join(choice.caption)
                self.assertTrue(shows(caption, names[row][value], value), (caption, names[row][value]))


if __name__ == "__main__":
    unittest.main()
