"""The skin's groups and captions against the one description of the settings (card/settings_description.cpp):
every group the windows draw is a described setting with the same title and subtitle, and its buttons show
exactly the described captions. The generator runs without a build, so this test holds the two equal."""
import re
import unittest
from pathlib import Path

from layout import SETTINGS_WINDOWS

ROOT = Path(__file__).resolve().parents[3]
PLACES = {"MainWindow": "main", "AdvancedWindow": "advanced"}


def description() -> dict:
    """{title: (window, subtitle, [(value, name, caption, detail)])} for the groups of Choice buttons."""
    source = (ROOT / "card" / "core" / "settings_description.cpp").read_text()
    values = {row: re.findall(r'\{(-?\d+), "([^"]*)", "([^"]*)", "([^"]*)"\}', body)
              for row, body in re.findall(r"constexpr OfferedValue k(\w+)Values\[\] = \{(.*?)\};", source, re.S)}
    groups = {}
    for row, place, title, subtitle, listed in re.findall(
            r'\{k(\w+), k(\w+), "([^"]*)", "([^"]*)",\s*k(\w+)Values\}', source):
        if place in PLACES:
            assert row == listed, (row, listed)
            groups[title] = (PLACES[place], subtitle, values[row])
    return groups


def drawn_caption(choice) -> tuple:
    """(caption, detail) of a button as drawn: a row's detail stands apart, other captions' lines are joined."""
    if choice.kind == "row":
        return choice.caption[0], choice.detail
    return " ".join(choice.caption), ""


def described_caption(entry, kind: str) -> tuple:
    """(caption, detail) of a described value as the skin draws it: below a caption, the detail is its
    second line."""
    _, _, caption, detail = entry
    if kind == "row":
        return caption, detail
    return (f"{caption} {detail}" if detail else caption), ""


class Description(unittest.TestCase):
    def test_every_group_and_caption_the_skin_draws_is_described(self):
        described = description()
        drawn = {g.title: (w.name, g) for w in SETTINGS_WINDOWS for g in w.groups}
        self.assertEqual(set(drawn), set(described), "groups drawn but not described, or described but not drawn")
        for title, (window, group) in drawn.items():
            place, subtitle, entries = described[title]
            self.assertEqual((window, group.note), (place, subtitle), title)
            self.assertEqual(sorted(drawn_caption(c) for c in group.choices),
                             sorted(described_caption(e, group.choices[0].kind) for e in entries), title)

    def test_short_names_are_words_that_never_read_as_numbers(self):
        # A value is a number or a name, so no name may read as a number; names stand unquoted in a shell.
        names = [e[1] for _, _, entries in description().values() for e in entries]
        self.assertTrue(names)
        self.assertFalse([n for n in names if n.lstrip("-").isdigit() or " " in n])


if __name__ == "__main__":
    unittest.main()
