"""Checks of the skin description and of what it draws, beyond what the program's own resource tests see."""
import unittest
from itertools import combinations

from PIL import Image

import generate
import scaling
from geometry import Rect
from layout import SETTINGS_WINDOWS, SMALL_WINDOWS
from skin import render

SKINS = generate.render_all()
SKIN = SKINS[0]


def buttons_of(window):
    return [c.rect for g in window.groups for c in g.choices] + [a.rect for a in window.actions]


class CommittedFiles(unittest.TestCase):
    def test_res_holds_exactly_what_the_description_draws(self):
        self.assertEqual(generate.differences(SKINS, generate.RES), [],
                         "run /usr/bin/python3 tools/skin/generate.py and commit res/")
        self.assertEqual(generate.source_differences(generate.REPO), [],
                         "run /usr/bin/python3 tools/skin/generate.py and commit the generated sources")

    def test_every_window_has_its_two_previews(self):
        for name in [w.name for w in SETTINGS_WINDOWS] + [b.name for b in SMALL_WINDOWS]:
            for suffix in ("", "_selected_hover"):
                self.assertTrue((generate.PREVIEW / f"{name}{suffix}.png").is_file(), name + suffix)


class Placement(unittest.TestCase):
    def test_buttons_of_a_window_neither_overlap_nor_leave_it(self):
        for window in SETTINGS_WINDOWS:
            whole = Rect(0, 0, *window.size)
            rects = buttons_of(window)
            for rect in rects:
                self.assertTrue(whole.contains(rect), rect)
            for a, b in combinations(rects, 2):
                self.assertFalse(a.overlaps(b), (a, b))

    def test_radio_circles_lie_inside_their_buttons(self):
        for window in SETTINGS_WINDOWS:
            for group in window.groups:
                for choice in group.choices:
                    self.assertTrue(choice.rect.contains(choice.radio_rect), choice)

    def test_strip_buttons_sit_inside_their_box_and_above_its_cut_corners(self):
        for box in SMALL_WINDOWS:
            for button in box.buttons:
                f = button.frame
                self.assertTrue(Rect(5, 0, box.size[0] - 10, box.size[1]).contains(f), button)

    def test_the_pickers_list_follows_the_dialog_unit_conversion(self):
        picker = next(b for b in SMALL_WINDOWS if b.list_rect)
        # 7, 62 and 275 dialog units with base units 6 x 13: 10.5, 100.75 and 412.5 pixels, rounded as MulDiv does.
        self.assertEqual((picker.list_rect.x, picker.list_rect.y, picker.list_rect.w), (11, 101, 413))


class TextThatTheProgramDraws(unittest.TestCase):
    def _plain(self, background: Image.Image, rect: Rect) -> set:
        return {background.getpixel((x, y)) for x in range(rect.x, rect.right) for y in range(rect.y, rect.bottom)}

    def test_model_firmware_and_clock_rectangles_are_left_plain_at_every_scale(self):
        for skin in SKINS:
            for window in SETTINGS_WINDOWS:
                background = skin.image(window.background)
                for slot in window.text_slots + window.info_fields:
                    around = scaling.rect(Rect(slot.rect.x - 2, slot.rect.y - 2, slot.rect.w + 4, slot.rect.h + 4),
                                          skin.scale)
                    self.assertEqual(len(self._plain(background, around)), 1, (slot.name, skin.scale))

    def test_texts_contrast_with_the_ground_under_them(self):
        def luminance(rgb):
            return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2]

        for window in SETTINGS_WINDOWS:
            background = SKIN.image(window.background)
            for slot in window.text_slots + window.info_fields:
                ground = background.getpixel((slot.rect.x, slot.rect.y))
                self.assertGreater(abs(luminance(ground) - luminance(slot.colour)), 120, slot.name)


class PartitionScale(unittest.TestCase):
    def test_the_thumb_centre_of_each_territory_stands_on_its_tick(self):
        advanced = next(w for w in SETTINGS_WINDOWS if w.slider)
        background = SKIN.image(advanced.background)
        tick_row = advanced.slider.rect.bottom + 4
        ground = background.getpixel((advanced.slider.rect.x, tick_row + 20))
        for territory in range(9):
            # The slider: left = trunc(283 / 80 x position), centre 15 further, 66 from the window's edge.
            centre = 66 + int(283.0 / 80 * 10 * territory) + 15
            self.assertNotEqual(background.getpixel((centre, tick_row)), ground, territory)
            self.assertEqual(background.getpixel((centre - 2, tick_row)), ground, territory)
            self.assertEqual(background.getpixel((centre + 2, tick_row)), ground, territory)

    def test_at_every_scale_a_tick_stands_within_two_scaled_pixels_of_each_thumb_centre(self):
        advanced = next(w for w in SETTINGS_WINDOWS if w.slider)
        for skin in SKINS[1:]:
            s = skin.scale
            background = skin.image(advanced.background)
            # The program's slider at this scale: its edges scaled, the Thumb as wide as its scaled frame.
            left, right = scaling.edge(66, s), scaling.edge(66 + 313, s)
            half = scaling.length(31, s) // 2
            tick_row = scaling.edge(653, s) + scaling.length(4, s)
            ground = background.getpixel((left, tick_row + scaling.length(20, s)))
            for territory in range(9):
                centre = left + int((right - left - 2 * half) / 80 * 10 * territory) + half
                near = range(centre - int(2 * s), centre + int(2 * s) + 1)
                self.assertTrue(any(background.getpixel((x, tick_row)) != ground for x in near), (s, territory))


class EverySet(unittest.TestCase):
    def test_images_have_the_sizes_that_the_windows_place_them_at(self):
        for skin in SKINS:
            s = skin.scale
            for window in SETTINGS_WINDOWS:
                self.assertEqual(skin.image(window.background).size, tuple(scaling.edge(v, s) for v in window.size))
                self.assertEqual(skin.image(window.marker).size, (scaling.length(14, s),) * 2)
                for choice in window.choices:
                    if choice.kind != "hidden":
                        self.assertEqual(skin.image(choice.normal).size, scaling.rect(choice.rect, s).size, choice)
                for action in window.actions:
                    self.assertEqual(skin.image(action.normal).size, scaling.rect(action.rect, s).size, action)
            for box in SMALL_WINDOWS:
                for button in box.buttons:
                    frame = (scaling.length(button.frame.w, s), scaling.length(button.frame.h, s))
                    self.assertEqual(skin.image(button.strip).size, (4 * frame[0], frame[1]), button)


if __name__ == "__main__":
    unittest.main()
