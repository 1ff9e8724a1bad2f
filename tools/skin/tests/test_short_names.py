"""The skin's groups and captions against the one description of the settings (settings_description.json, which
a native test holds equal to card/settings_description.cpp): every group the windows draw is a described setting
of that window, each button shows the caption described for its own (row, value), and every described value has
exactly one button."""
import unittest

from layout import DESCRIPTION, SETTINGS_WINDOWS


def drawn_caption(choice) -> tuple:
    """(caption, detail) of a button as drawn: a row's detail stands apart, other captions' lines are joined."""
    if choice.kind == "row":
        return choice.caption[0], choice.detail
    return " ".join(choice.caption), ""


def described_caption(entry: dict, kind: str) -> tuple:
    """(caption, detail) of a described value as the skin draws it: below a caption, the detail is its second
    line."""
    caption, detail = entry["caption"], entry["detail"]
    if kind == "row":
        return caption, detail
    return (f"{caption} {detail}" if detail else caption), ""


class Description(unittest.TestCase):
    def test_each_window_draws_exactly_its_described_groups(self):
        for window in SETTINGS_WINDOWS:
            described = {key for key, entry in DESCRIPTION.items() if entry["place"] == window.name}
            self.assertEqual({g.row for g in window.groups}, described, window.name)

    def test_each_button_shows_the_caption_of_its_own_row_and_value(self):
        for window in SETTINGS_WINDOWS:
            for group in window.groups:
                entries = {e["value"]: e for e in DESCRIPTION[group.row]["values"]}
                values = [c.value for c in group.choices]
                self.assertEqual(sorted(values), sorted(entries), f"{group.row}: one button per described value")
                for choice in group.choices:
                    self.assertEqual(choice.row, group.row)
                    self.assertEqual(drawn_caption(choice), described_caption(entries[choice.value], choice.kind),
                                     f"{group.row} = {choice.value}")

    def test_short_names_are_words_that_never_read_as_numbers(self):
        # A value is a number or a name, so no name may read as a number; names stand unquoted in a shell.
        names = [v["name"] for entry in DESCRIPTION.values() for v in entry["values"]]
        self.assertTrue(names)
        self.assertFalse([n for n in names if n.lstrip("-").isdigit() or " " in n])


if __name__ == "__main__":
    unittest.main()
