"""The tool at 96, 120, 144, 168 and 192 DPI on a display with room for the 200 % set. Wine gives every program the
LogPixels DPI and never stretches, so what shows is the program's own scaling. The oracle is the 100 % layout of the
other tests scaled by the skin's rule: each edge times the scale, rounded half up; an image at its scaled place."""
import os
import subprocess

from PIL import Image, ImageChops

import test_advanced as adv
from harness import card as card_module
from harness import case, config, layout, mouse, screen, skin, wine
from harness.layout import Box
from harness.tool import Tool
from harness.waiting import wait_until

PERCENT_AT_DPI = {96: 100, 120: 125, 144: 150, 168: 175, 192: 200}
KEY = (255, 0, 255)
TEXT_SLOTS = [Box(34, 67, 173, 12), Box(275, 67, 173, 12), Box(260, 686, 168, 12)]   # model, firmware, clock
START = dict(card_module.DEFAULTS, **{"Speaker Volume": 4, "Memory Partition": 1, "Partition Territory": 2})
DESKTOP = r"HKCU\Control Panel\Desktop"


def edge(value, percent):
    return (value * percent + 50) // 100


def scaled(box, percent):
    left, top = edge(box.x, percent), edge(box.y, percent)
    return Box(left, top, edge(box.x + box.w, percent) - left, edge(box.y + box.h, percent) - top)


def rect(box, window):
    return box.x + window.left, box.y + window.top, box.x + box.w + window.left, box.y + box.h + window.top


class Picture:
    """A window's set: its background with images at their scaled places; the key pixels that the window's region
    cuts away and the `blank` boxes (text drawn at run time, the slider) are not compared."""

    def __init__(self, background, images, blank, percent):
        self.image = skin.bitmap(background, percent).copy()
        for bitmap, (x, y) in images:
            self.image.paste(skin.bitmap(bitmap, percent), (edge(x, percent), edge(y, percent)))
        bands = ImageChops.difference(skin.bitmap(background, percent), Image.new("RGB", self.image.size, KEY)).split()
        self.mask = ImageChops.lighter(ImageChops.lighter(bands[0], bands[1]), bands[2]).point(lambda v: 255 * (v == 0))
        for box in (scaled(b, percent) for b in blank):
            self.mask.paste(255, (box.x, box.y, box.x + box.w, box.y + box.h))

    def shown_by(self, window, name):
        """Waits until `window` shows the picture; saves the screen's picture of it beside the demo's screenshot."""
        def differs():
            diff = ImageChops.difference(screen.grab(window.left, window.top, *self.image.size), self.image)
            diff.paste((0, 0, 0), (0, 0, *self.image.size), self.mask)
            return diff.getbbox()
        same = wait_until(lambda: differs() is None, 5)
        (config.build_dir() / "demo").mkdir(exist_ok=True)
        screen.grab(window.left, window.top, *self.image.size).save(config.build_dir() / "demo" / f"{name}.png")
        return same


def main_picture(values, percent):
    faces = [(a.normal, (a.box.x, a.box.y)) for a in layout.ACTIONS.values()]
    faces += [(c.face, (c.box.x, c.box.y)) for c in layout.CHOICES]
    return Picture(layout.BACKGROUND, faces + [(e.bitmap, (e.box.x, e.box.y)) for e in
                                               layout.overlay_after_refresh(values)], TEXT_SLOTS, percent)


def advanced_picture(values, percent):
    images = [(301, (433, 11)), (141, (310, 723))] + [(e.bitmap, (e.box.x, e.box.y)) for e in adv.overlay(values)]
    return Picture(349, images, [adv.SLIDER], percent)


class DisplayScaleTests(case.ToolTestCase):
    @classmethod
    def setUpClass(cls):
        """An X display of its own with room for both 200 % windows side by side, for Wine's server and desktop,
        which take the screen's size from the display they start on. Each program reads LogPixels when it starts,
        so a new DPI needs no restart."""
        cls.shared_display = os.environ["DISPLAY"]
        read, write = os.pipe()
        cls.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "2900x1700x24", "-nolisten",
                                     "tcp"], pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as number:
            os.environ["DISPLAY"] = ":" + number.readline().strip()
        screen.reopen()
        wine.restart_server()

    @classmethod
    def tearDownClass(cls):
        wine.run("reg", "delete", DESKTOP, "/v", "LogPixels", "/f")
        os.environ["DISPLAY"] = cls.shared_display
        wine.restart_server()
        screen.reopen()
        cls.xvfb.terminate()
        cls.xvfb.wait(10)

    def set_dpi(self, dpi):
        wine.run("reg", "add", DESKTOP, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")

    def test_windows_controls_pixels_and_clicks_follow_the_scale(self):
        for dpi, percent in PERCENT_AT_DPI.items():
            with self.subTest(dpi=dpi):
                self.set_dpi(dpi)
                self.run_at(percent)

    def run_at(self, percent):
        card = self.make_card(settings=START)
        wine.link_drive(case.REMOVABLE, card.root)
        self.addCleanup(wine.link_drive, case.REMOVABLE, None)
        mouse.move(*case.OUTSIDE_POINT)
        tool = Tool(f"{case.REMOVABLE}:\\{card_module.PARAMETER_FOLDER}\\{card_module.EXE_NAME}", f"dpi_{percent}")
        self.addCleanup(tool.stop)
        main = tool.window = wait_until(tool.main_window, 30, 0.1)
        self.assertEqual((main.width, main.height), (edge(482, percent), edge(783, percent)))
        boxes = [a.box for a in layout.ACTIONS.values()] + [c.box for c in layout.CHOICES]
        self.assertEqual(self.child_rects(main), sorted(rect(scaled(b, percent), main) for b in boxes))
        self.assertTrue(main_picture(START, percent).shown_by(main, f"main_window_{percent}"), "main window")

        speaker = layout.choice("Speaker Volume", 1)
        self.click(main, speaker.box, percent)
        values = dict(START, **{"Speaker Volume": 1})
        self.assertTrue(main_picture(values, percent).shown_by(main, f"main_window_{percent}"), "after a choice")

        self.click(main, layout.ACTIONS["advanced"].box, percent)
        size = (edge(482, percent), edge(783, percent))
        window = wait_until(lambda: next((w for w in wine.windows() if w.pid == main.pid and w.visible and
                                          w.title != layout.TITLE and (w.width, w.height) == size), None), 10)
        self.assertTrue(window, "no advanced window")
        self.assertEqual((window.left, window.top), (main.right, main.top))
        boxes = [Box(433, 11, 37, 37), Box(310, 723, 164, 60), adv.SLIDER]
        boxes += [adv.button_box(key, v) for key, group in adv.GROUPS.items() for v in range(len(group[0]))]
        self.assertEqual(self.child_rects(window), sorted(rect(scaled(b, percent), window) for b in boxes))
        self.assertTrue(advanced_picture(START, percent).shown_by(window, f"advanced_window_{percent}"), "advanced")

        # Territory 6: the channel's point for position 60, in the slider of the set with the set's Thumb.
        slider, thumb = scaled(adv.SLIDER, percent), skin.bitmap(adv.THUMB_STRIP, percent).width // 4
        track = slider.w - 2 * (thumb // 2)
        self.click(window, Box(slider.x + track * 60 // 80 + thumb // 2, slider.y, 1, slider.h), 100)
        self.click(window, Box(310, 723, 164, 60), percent)
        notice = self.wait_box(main.pid, percent)
        self.click(notice, Box(174, 177, 133, 44), percent)
        self.click(main, layout.ACTIONS["ok"].box, percent)
        self.click(self.wait_box(main.pid, percent, timeout=20), Box(300, 177, 133, 44), percent)
        self.assertIsNotNone(tool.wait_exit(10), "the closing message did not end the program")
        self.assertEqual(card_module.parse_settings(card.read("config.txt")),
                         dict(values, **{"Partition Territory": 6}))

    def click(self, window, box, percent):
        x, y = scaled(box, percent).centre
        mouse.click(window.left + x, window.top + y)

    def child_rects(self, window):
        return sorted((c.left, c.top, c.right, c.bottom) for c in wine.children(window.hwnd) if c.visible)

    def wait_box(self, pid, percent, timeout=10):
        size = (edge(440, percent), edge(222, percent))
        box = wait_until(lambda: next((w for w in wine.windows() if w.pid == pid and w.visible and
                                       (w.width, w.height) == size), None), timeout)
        self.assertTrue(box, f"no {size} box")
        return box
