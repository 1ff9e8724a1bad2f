"""The advanced window opened from the main window: its place, its markers, the notice box, the partition slider, and
what reaches the card when the main window applies."""
from harness import card as card_module
from harness import layout, mouse, screen, skin, wine
from harness.case import ToolTestCase
from harness.layout import Box, Expect
from harness.waiting import wait_until

SIZE = (482, 783)
MARKER = 350
NOTICE_BACKGROUND = 359
NOTICE_APPLY = (174 + 133 // 2, 177 + 44 // 2)
NOTICE_CANCEL = (302 + 129 // 2, 177 + 44 // 2)
CLOSE_CROSS = (433 + 18, 11 + 18)
OK = (310 + 82, 723 + 30)
SLIDER = Box(66, 645, 313, 8)
THUMB_STRIP = 351   # four 31 x 8 frames: normal, hover, pressed, disabled

# key: button left edges (left to right), top, size, first normal image (then every second one), marker dx and y,
# and whether the group is an ON/OFF pair whose first button stands for 1.
GROUPS = {
    "Bit rate": ((190, 290, 390), 63, (70, 61), 310, 28, 78, False),
    "Driving Mode Frame": ((195, 262, 329, 396), 138, (60, 61), 316, 23, 150, False),
    "Parking Mode Frame": ((195, 262, 329, 396), 210, (60, 61), 326, 23, 222, False),
    "Parking Black and White": ((213, 313), 293, (97, 34), 336, 5, 303, True),
    "Video OUT": ((213, 313), 365, (97, 34), 340, 5, 375, True),
    "Video Out Standard": ((213, 313), 437, (97, 34), 378, 5, 447, False),
    "GPS Speed Display": ((190, 290, 390), 493, (70, 61), 370, 28, 508, False),
    "Memory Partition": ((213, 313), 580, (97, 34), 344, 5, 590, False),
}


def button_box(key, value):
    lefts, top, (width, height), _, _, _, on_off = GROUPS[key]
    return Box(lefts[1 - value if on_off else value], top, width, height)


def overlay(values):
    """What the Marker refresh shows: in the ON/OFF groups every button but the one at index == value is marked."""
    expects = []
    for key, (lefts, top, (width, height), first_image, dx, marker_y, on_off) in GROUPS.items():
        for index, left in enumerate(lefts):
            marked = values[key] != index if on_off else values[key] == index
            if marked:
                expects.append(Expect(MARKER, Box(left + dx, marker_y, 14, 14), f"{key} marker at {index}"))
            else:
                expects.append(Expect(first_image + 2 * index, Box(left, top, width, height), f"{key} plain {index}"))
    return expects


def thumb_left(position):
    """The Thumb's left edge in the slider for a position: trunc(283 / 80 * position)."""
    return 283 * position // 80


class AdvancedWindow:
    """The open advanced window of a tool run."""

    def __init__(self, test, tool):
        self.test, self.tool = test, tool
        tool.click_button(layout.ACTIONS["advanced"])
        self.window = wait_until(self._find, 10, 0.1)
        test.assertTrue(self.window, "the advanced window did not open")

    def _find(self):
        pid = self.tool.window.pid
        return next((w for w in wine.windows() if w.pid == pid and w.visible and w.title != layout.TITLE
                     and (w.width, w.height) == SIZE), None)

    def click(self, point):
        mouse.click(self.window.left + point[0], self.window.top + point[1])

    def choose(self, key, value):
        self.click(button_box(key, value).centre)

    def shows(self, expects, timeout=5):
        def missing():
            shot = screen.grab(self.window.left, self.window.top, *SIZE)
            return [e.what for e in expects if not self.tool.region_matches(e.bitmap, e.box, shot)]
        if wait_until(lambda: not missing(), timeout):
            return
        self.test.screenshot_on_failure(f"the advanced window does not show {missing()}")

    def shows_thumb(self, position, frame):
        box = Box(SLIDER.x + thumb_left(position), SLIDER.y, 31, 8)
        expected = skin.bitmap(THUMB_STRIP).crop((31 * frame, 0, 31 * frame + 31, 8))
        shot = lambda: screen.grab(self.window.left + box.x, self.window.top + box.y, box.w, box.h)  # noqa: E731
        if not wait_until(lambda: list(shot().getdata()) == list(expected.getdata()), 5):
            self.test.screenshot_on_failure(f"no Thumb in frame {frame} at position {position}")

    def drag_thumb(self, from_position, to_centre):
        y = self.window.top + SLIDER.y + 4
        x0 = self.window.left + SLIDER.x + thumb_left(from_position) + 15
        mouse.drag(x0, y, self.window.left + SLIDER.x + to_centre, y)

    def press_ok(self, confirm):
        self.click(OK)
        box = self.tool.wait_dialog(NOTICE_BACKGROUND)
        if not box:
            self.test.screenshot_on_failure("the notice box did not show")
        self.tool.click_in(box, NOTICE_APPLY if confirm else NOTICE_CANCEL)
        if confirm:
            self.wait_closed()

    def wait_closed(self):
        self.test.assertTrue(wait_until(lambda: self._find() is None, 5), "the advanced window stayed open")

    def still_open(self):
        return wait_until(self._find, 1) is not None


class AdvancedWindowTests(ToolTestCase):
    def apply_and_read_card(self, tool, card):
        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        return card_module.parse_settings(card.read("config.txt"))

    def test_confirmed_choices_reappear_and_reach_the_card_with_the_values_it_carries(self):
        values = dict(card_module.DEFAULTS, **{"Encoding Profile": 2, "Bit rate": 5, "Parking Black and White": 3,
                                               "Memory Partition": 1, "Partition Territory": 12})
        card = self.make_card(settings=values)
        tool = self.start_from_card(card)
        advanced = AdvancedWindow(self, tool)
        main = tool.refresh_position()
        self.assertEqual((advanced.window.left, advanced.window.top), (main.right, main.top))
        advanced.shows(overlay(values))   # Bit rate 5: no marker; Parking Black and White 3: both marked

        clicked = {"Driving Mode Frame": 3, "Parking Mode Frame": 1, "Video OUT": 1, "Video Out Standard": 1,
                   "GPS Speed Display": 2, "Parking Black and White": 0}
        for key, value in clicked.items():
            advanced.choose(key, value)
        expected = dict(values, **clicked)
        advanced.shows(overlay(expected))
        advanced.press_ok(confirm=True)

        advanced = AdvancedWindow(self, tool)
        advanced.shows(overlay(expected))
        advanced.click(CLOSE_CROSS)
        advanced.wait_closed()
        self.assertEqual(self.apply_and_read_card(tool, card), expected,
                         "Encoding Profile 2, Bit rate 5 and Partition Territory 12 are written back untouched")

    def test_declined_notice_keeps_the_clicks_and_cancel_or_close_write_nothing(self):
        values = dict(card_module.DEFAULTS, **{"Bit rate": 1, "GPS Speed Display": 1, "Video Out Standard": 1})
        card = self.make_card(settings=values)
        tool = self.start_from_card(card)

        advanced = AdvancedWindow(self, tool)
        clicked = dict(values, **{"Bit rate": 2, "GPS Speed Display": 0})
        advanced.choose("Bit rate", 2)
        advanced.choose("GPS Speed Display", 0)
        advanced.press_ok(confirm=False)
        self.assertTrue(advanced.still_open(), "a declined notice closed the window")
        advanced.shows(overlay(clicked))
        advanced.click(CLOSE_CROSS)
        advanced.wait_closed()

        advanced = AdvancedWindow(self, tool)
        advanced.shows(overlay(values))
        advanced.choose("Video Out Standard", 0)
        self.assertTrue(wine.post_close(advanced.window.hwnd))
        advanced.wait_closed()
        self.assertEqual(self.apply_and_read_card(tool, card), values)

    def test_released_thumb_snaps_and_the_default_split_writes_territory_four(self):
        values = dict(card_module.DEFAULTS, **{"Memory Partition": 0, "Partition Territory": 7})
        card = self.make_card(settings=values)
        tool = self.start_from_card(card)

        advanced = AdvancedWindow(self, tool)
        advanced.shows_thumb(40, frame=3)   # disabled in the middle
        advanced.click((SLIDER.x + 250, SLIDER.y + 4))
        advanced.shows_thumb(40, frame=3)
        advanced.choose("Memory Partition", 1)
        advanced.shows_thumb(70, frame=0)
        advanced.drag_thumb(70, 175)        # the centre at 175 is position 45, which rounds to territory 5
        mouse.move(advanced.window.left + 20, advanced.window.top + 700)
        advanced.shows_thumb(50, frame=0)
        advanced.press_ok(confirm=True)

        advanced = AdvancedWindow(self, tool)
        advanced.shows_thumb(50, frame=0)   # the confirmed split comes back
        advanced.choose("Memory Partition", 0)
        advanced.shows_thumb(40, frame=3)
        advanced.press_ok(confirm=True)
        written = self.apply_and_read_card(tool, card)
        self.assertEqual((written["Memory Partition"], written["Partition Territory"]), (0, 4))
