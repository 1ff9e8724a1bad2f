"""The tool at the DPI of each skin set (Wine never stretches) against the other tests' 100 % layout, scaled."""
from PIL import Image, ImageChops

import test_advanced as adv
from harness import card as card_module
from harness import case, config, display, layout, mouse, screen, skin, wine
from harness.layout import Box, scaled
from harness.tool import Tool
from harness.waiting import wait_until

TEXT_SLOTS = [Box(34, 67, 173, 12), Box(275, 67, 173, 12), Box(260, 686, 168, 12)]   # model, firmware, clock
START = dict(card_module.DEFAULTS, **{"Speaker Volume": 4, "Memory Partition": 1, "Partition Territory": 2})
WINDOW, BOX, CANCEL, OK = Box(0, 0, 482, 783), Box(0, 0, 440, 222), Box(433, 11, 37, 37), Box(310, 723, 164, 60)
LIST = Box(11, 101, 413, 21)   # the picker's closed list at 100 %: (7, 62) and 275 dialog units at 6 x 13


def shows(window, background, images, blank, p, name):
    """The window shows the set's background with the images (bitmap, 100 % box) at their scaled places, outside
    `blank` and the key colour that the region cuts; its picture is saved beside the demo's screenshot."""
    expected = skin.bitmap(background, p).copy()
    for bitmap, box in images:
        expected.paste(skin.bitmap(bitmap, p), (scaled(box, p).x, scaled(box, p).y))
    bands = ImageChops.difference(expected, Image.new("RGB", expected.size, (255, 0, 255))).split()
    ignored = ImageChops.lighter(ImageChops.lighter(bands[0], bands[1]), bands[2]).point(lambda v: 255 * (v == 0))
    for b in (scaled(b, p) for b in blank):
        ignored.paste(255, (b.x, b.y, b.x + b.w, b.y + b.h))

    def same():
        diff = ImageChops.difference(screen.grab(window.left, window.top, *expected.size), expected)
        diff.paste((0, 0, 0), (0, 0, *expected.size), ignored)
        return diff.getbbox() is None
    shown = wait_until(same, 5)
    (config.build_dir() / "demo").mkdir(exist_ok=True)
    screen.grab(window.left, window.top, *expected.size).save(config.build_dir() / "demo" / f"{name}_{p}.png")
    return shown


class DisplayScaleTests(case.ToolTestCase):
    def test_windows_controls_pixels_and_clicks_follow_the_scale(self):
        with display.own_display():
            for dpi, percent in {96: 100, 120: 125, 144: 150, 168: 175, 192: 200}.items():
                with self.subTest(dpi=dpi):
                    display.set_dpi(dpi)
                    self.run_at(percent)
                self.doCleanups()   # this DPI's tool and card, whatever the outcome

    def test_a_dense_screen_too_small_for_the_larger_sets_shows_the_100_percent_picker_list_in_its_place(self):
        # At 120 DPI the dialog manager would put the list where the 125 % background leaves room for it.
        with display.own_display("1366x768"):
            display.set_dpi(120)
            _, _, main = self.launch(START, 100, "dpi_120_small_screen")   # partly off the screen: never grabbed
            self.click(main, layout.ACTIONS["world_time"].box, 100)
            picker = self.wait_window(lambda w: w.pid == main.pid and w.title != layout.TITLE, BOX, 100)
            at = [(c.left - picker.left, c.top - picker.top, c.right - c.left) for c in wine.children(picker.hwnd)
                  if c.class_name.lower() == "combobox"]
            self.assertEqual(at, [(LIST.x, LIST.y, LIST.w)])
            self.click(picker, Box(302, 177, 129, 44), 100)
            self.doCleanups()

    def launch(self, settings, p, name):
        """The card with `settings`, the tool started from it and its main window, once it has the set's size."""
        card = self.make_card(settings=settings)
        wine.link_drive(case.REMOVABLE, card.root)
        self.addCleanup(wine.link_drive, case.REMOVABLE, None)
        mouse.move(*case.OUTSIDE_POINT)
        tool = Tool(f"{case.REMOVABLE}:\\{card_module.PARAMETER_FOLDER}\\{card_module.EXE_NAME}", name)
        self.addCleanup(tool.stop)
        return card, tool, self.wait_window(lambda w: w.title == layout.TITLE, WINDOW, p, 30)

    def run_at(self, p):
        card, tool, main = self.launch(START, p, f"dpi_{p}")
        self.assertRects(main, [a.box for a in layout.ACTIONS.values()] + [c.box for c in layout.CHOICES], p)
        faces = [(a.normal, a.box) for a in layout.ACTIONS.values()] + [(c.face, c.box) for c in layout.CHOICES]
        for values in (START, dict(START, **{"Speaker Volume": 1})):   # before and after a click at a scaled place
            looks = faces + [(e.bitmap, e.box) for e in layout.overlay_after_refresh(values)]
            self.assertTrue(shows(main, layout.BACKGROUND, looks, TEXT_SLOTS, p, "main_window"), values)
            self.click(main, layout.choice("Speaker Volume", 1).box, p)

        others = lambda w: w.pid == main.pid and w.title != layout.TITLE  # noqa: E731
        self.click(main, layout.ACTIONS["world_time"].box, p)   # from 125 % the program places the picker's list
        picker = self.wait_window(others, BOX, p)
        at = [(c.left - picker.left, c.top - picker.top, c.right - c.left) for c in wine.children(picker.hwnd)
              if c.class_name.lower() == "combobox" and p > 100]
        self.assertEqual(at, [(scaled(LIST, p).x, scaled(LIST, p).y, scaled(LIST, p).w)] if p > 100 else [])
        self.click(picker, Box(302, 177, 129, 44), p)
        self.assertTrue(wait_until(lambda: all(w.hwnd != picker.hwnd for w in wine.windows() if w.visible), 5))

        self.click(main, layout.ACTIONS["advanced"].box, p)
        window = self.wait_window(others, WINDOW, p)
        self.assertEqual((window.left, window.top), (main.right, main.top))
        buttons = [adv.button_box(key, v) for key, group in adv.GROUPS.items() for v in range(len(group[0]))]
        self.assertRects(window, buttons + [CANCEL, OK, adv.SLIDER], p)
        looks = [(301, CANCEL), (141, OK)] + [(e.bitmap, e.box) for e in adv.overlay(START)]
        self.assertTrue(shows(window, 349, looks, [adv.SLIDER], p, "advanced_window"), "advanced window")
        slider, half = scaled(adv.SLIDER, p), skin.bitmap(adv.THUMB_STRIP, p).width // 8   # territory 6: position 60
        self.click(window, Box(slider.x + half + (slider.w - 2 * half) * 60 // 80, slider.y, 0, slider.h), 100)
        self.click(window, OK, p)
        self.click(self.wait_window(others, BOX, p), Box(174, 177, 133, 44), p)
        self.click(main, layout.ACTIONS["ok"].box, p)
        self.click(self.wait_window(others, BOX, p, 20), Box(300, 177, 133, 44), p)
        self.assertIsNotNone(tool.wait_exit(10), "the closing message did not end the program")
        self.assertEqual(card_module.parse_settings(card.read("config.txt")),
                         dict(values, **{"Partition Territory": 6}))

    def click(self, window, box, p):
        x, y = scaled(box, p).centre
        mouse.click(window.left + x, window.top + y)

    def assertRects(self, window, boxes, p):
        shown = sorted((c.left - window.left, c.top - window.top, c.right - c.left, c.bottom - c.top)
                       for c in wine.children(window.hwnd) if c.visible)
        self.assertEqual(shown, sorted((s.x, s.y, s.w, s.h) for s in (scaled(b, p) for b in boxes)))

    def wait_window(self, which, box, p, timeout=10):
        size = (scaled(box, p).w, scaled(box, p).h)
        found = wait_until(lambda: next((w for w in wine.windows() if w.visible and which(w) and
                                         (w.width, w.height) == size), None), timeout)
        self.assertTrue(found, f"no {size} window")
        return found
