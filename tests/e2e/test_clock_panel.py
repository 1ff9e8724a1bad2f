"""The clock line and the time zone picker of the main window."""
import time

from PIL import ImageChops

from harness import card as card_module
from harness import layout, mouse, wine
from harness.case import ToolTestCase
from harness.waiting import wait_until

SECONDS_WIDTH = 30   # the seconds' two digits are narrower than this in any likely font


class ClockLineTests(ToolTestCase):
    def test_the_seconds_change_every_second(self):
        card = self.make_card(settings=card_module.DEFAULTS)
        tool = self.start_from_card(card)
        # The seconds sit at x 410..428 in bold Gulim. Wine substitutes a narrower font for it, which puts them
        # some 15 pixels further left, so the whole line is watched; within a minute only the seconds change.
        left, top, right, bottom = layout.CLOCK_LINE
        samples = []
        started = time.monotonic()
        while time.monotonic() - started < 3.6:
            samples.append((time.monotonic(), tool.grab_window().crop((left, top, right, bottom))))
            time.sleep(0.1)
        changes = [(t, ImageChops.difference(now, before).getbbox())
                   for (t, now), (_, before) in zip(samples[1:], samples) if now.tobytes() != before.tobytes()]
        self.assertGreaterEqual(len(changes), 3, f"the clock line changed {len(changes)} times in 3.6 s")
        times = [t for t, _ in changes]
        gaps = [b - a for a, b in zip(times, times[1:])]
        self.assertLess(max(gaps), 1.6, f"the clock line stood still for {max(gaps):.1f} s")
        # All but a change of minute touch only the last two digits, the right end of the text.
        narrow = [box for _, box in changes if box[2] - box[0] < SECONDS_WIDTH]
        self.assertGreaterEqual(len(narrow), len(changes) - 1, f"more than the seconds changed: {changes}")
        self.assertFalse(tool.background_matches(layout.Box(left, top, right - left, bottom - top)),
                         "no text on the clock line")


class TimeZonePickerTests(ToolTestCase):
    def _open_picker(self, tool):
        tool.click_button(layout.ACTIONS["world_time"])
        picker = tool.wait_dialog(layout.PICKER_BACKGROUND, 10, layout.PICKER_TITLE_ROWS)
        if not picker:
            self.screenshot_on_failure("the time zone picker did not open")
        return picker

    def _turn_list(self, picker, notches):
        """The wheel over the closed list moves its selection one entry a notch (keys would be swallowed)."""
        combo = next((c for c in wine.children(picker.hwnd) if c.id == 401), None)
        self.assertIsNotNone(combo, "the picker has no list 401")
        mouse.wheel((combo.left + combo.right) // 2, (combo.top + combo.bottom) // 2, notches)

    def _close_picker(self, tool, picker, point, values):
        tool.click_in(picker, point)
        gone = wait_until(lambda: all(d.hwnd != picker.hwnd for d in tool.dialogs()), 5)
        self.assertTrue(gone, "the picker stayed open")
        # The picker covered the middle groups; its end schedules a Marker refresh.
        self.assertOverlay(tool, layout.overlay_after_refresh(values), when="after the picker")

    def test_the_picker_changes_the_time_zone_only_when_confirmed(self):
        values = dict(card_module.DEFAULTS, **{"Time zone": 30})   # outside the list: the picker opens at 21
        card = self.make_card(settings=values)
        tool = self.start_from_card(card)

        picker = self._open_picker(tool)
        self._turn_list(picker, -2)
        self._close_picker(tool, picker, layout.PICKER_CANCEL, values)

        picker = self._open_picker(tool)
        self._turn_list(picker, 3)   # 21 -> 24, " UTC+12:00"
        self._close_picker(tool, picker, layout.PICKER_APPLY, values)

        picker = self._open_picker(tool)
        self._turn_list(picker, -12)   # 24 -> 12, " UTC"
        self._close_picker(tool, picker, layout.PICKER_CANCEL, values)

        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        self.assertEqual(card.read("config.txt"), card_module.settings_bytes(dict(values, **{"Time zone": 24})))
