"""OK, Reset, Cancel and close of the main window: what reaches the card and how the program ends."""
import time
from datetime import datetime, timedelta

from harness import card as card_module
from harness import clock_file, layout, mouse, wine
from harness.case import ToolTestCase
from harness.layout import Expect
from harness.waiting import wait_until

# A card as the camera leaves it: some choices away from the defaults, an unknown "Encoding Profile" kept by the
# tool, and a "Night Bright" outside its buttons, which the tool must carry through.
CAMERA_VALUES = dict(card_module.DEFAULTS, **{
    "Resolution": 1, "Date": 0, "Voltage": 0, "Driving Mode Accelerator": 3, "Parking Accelerator": 1,
    "Auto Parking": 0, "Night Bright": 7, "Speaker Volume": 4, "MIC Volume": 0, "Encoding Profile": 2,
    "Bit rate": 1, "Memory Partition": 1, "Partition Territory": 6, "Time zone": 12})


class OkTests(ToolTestCase):
    def test_ok_without_changes_rewrites_the_same_file_writes_the_clock_and_ends(self):
        card = self.make_card(settings=CAMERA_VALUES)
        original = card.read("config.txt")
        tool = self.start_from_card(card)
        self.assertOverlay(tool, layout.overlay_after_refresh(CAMERA_VALUES), when="at start")

        pressed_at = datetime.now()
        started = time.monotonic()
        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        self.assertGreaterEqual(time.monotonic() - started, 2.9, "the main window went before the 3 s pause")

        self.assertEqual(card.read("config.txt"), original)
        clock = card.read("RTC_time.ini")
        self.assertEqual(len(clock), 33, clock)
        written = clock_file.parse(clock)
        self.assertIsNotNone(written, f"malformed clock file {clock!r}")
        self.assertLess(abs(written - pressed_at), timedelta(seconds=5), f"clock {written} vs OK at {pressed_at}")
        self.assertNotIn("Failure ejecting", tool.stdout())
        self.assertNotIn("Cannot eject", tool.stdout())

    def test_reset_then_ok_writes_the_defaults(self):
        card = self.make_card(settings=CAMERA_VALUES)
        tool = self.start_from_card(card)
        tool.click_button(layout.ACTIONS["reset"])
        self.assertOverlay(tool, layout.overlay_after_refresh(card_module.DEFAULTS), when="after Reset")
        self.assertTrue(tool.main_window(), "Reset closed the window")
        self.assertFalse(card.exists("RTC_time.ini"), "Reset wrote to the card")
        self.assertEqual(card.read("config.txt"), card_module.settings_bytes(CAMERA_VALUES))

        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        self.assertEqual(card.read("config.txt"), card_module.settings_bytes(card_module.DEFAULTS))

    def test_read_only_config_is_replaced_by_an_ordinary_file(self):
        card = self.make_card(settings=CAMERA_VALUES)
        card.path("config.txt").chmod(0o444)   # the read-only attribute, as Wine shows it
        tool = self.start_from_card(card)
        tool.click_button(layout.choice("Resolution", 2))
        self.assertOverlay(tool, layout.overlay_after_refresh(dict(CAMERA_VALUES, Resolution=2)), when="after click")
        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        self.assertEqual(card.read("config.txt"), card_module.settings_bytes(dict(CAMERA_VALUES, Resolution=2)))
        self.assertTrue(card.path("config.txt").stat().st_mode & 0o200, "config.txt is still read-only")


class LeavingWithoutSavingTests(ToolTestCase):
    def _change_everything(self, tool, values):
        for key, value in [("Resolution", 2), ("Driving Mode Accelerator", 9), ("MIC Volume", 2)]:
            tool.click_button(layout.choice(key, value))
            values[key] = value
        self.assertOverlay(tool, layout.overlay_after_refresh(values), when="after the clicks")
        tool.click_button(layout.ACTIONS["reset"])
        self.assertOverlay(tool, layout.overlay_after_refresh(card_module.DEFAULTS), when="after Reset")

    def _assert_ended_without_writing(self, tool, card, before):
        self.assertIsNotNone(tool.wait_exit(10), "the program did not end")
        self.assertEqual(card.snapshot(), before, "the card's files changed")
        self.assertEqual(tool.stdout(), "", "the ejector ran")

    def test_cancel_changes_nothing(self):
        card = self.make_card(settings=CAMERA_VALUES)
        before = card.snapshot()
        tool = self.start_from_card(card)
        self._change_everything(tool, dict(CAMERA_VALUES))
        tool.click_button(layout.ACTIONS["cancel"])
        self._assert_ended_without_writing(tool, card, before)

    def test_close_request_changes_nothing(self):
        card = self.make_card(settings=CAMERA_VALUES)
        before = card.snapshot()
        tool = self.start_from_card(card)
        self._change_everything(tool, dict(CAMERA_VALUES))
        self.assertTrue(wine.post_close(layout.TITLE), "no window to close")
        self._assert_ended_without_writing(tool, card, before)

    def test_keys_do_nothing(self):
        card = self.make_card(settings=CAMERA_VALUES)
        before = card.snapshot()
        tool = self.start_from_card(card)
        tool.rest_mouse()
        mouse.keys(tool.window, "Escape", "Return", "Tab", "space", "alt+F4", "alt+space", "Escape")
        # The program handles its input in order: once a later move shows OK's hover image, the keys have been
        # handled (a window that a key opened would keep the hover image away; the checks below tell).
        ok = layout.ACTIONS["ok"]
        tool.move(*ok.box.centre)
        tool.wait_overlay([Expect(ok.hover, ok.box, "OK hover")])
        self.assertTrue(tool.main_window(), "a key closed the main window")
        self.assertEqual(tool.dialogs(), [], "a key opened a window")
        self.assertEqual(card.snapshot(), before, "a key wrote to the card")
        tool.click_button(layout.ACTIONS["cancel"])
        self.assertIsNotNone(tool.wait_exit(10))
        self.assertEqual(card.snapshot(), before)


class CardFailureTests(ToolTestCase):
    def test_no_card_shows_the_no_card_box_on_every_ok_and_keeps_the_window(self):
        tool = self.start_without_card()
        for attempt in range(2):
            tool.click_button(layout.ACTIONS["ok"])
            self.dismiss_no_card_box(tool)
            self.assertTrue(wait_until(tool.main_window, 3), f"the main window went after OK {attempt + 1}")
        tool.click_button(layout.ACTIONS["cancel"])
        self.assertIsNotNone(tool.wait_exit(10))
        self.assertEqual(tool.stdout(), "")

    def test_write_protected_card_keeps_its_file_and_the_window(self):
        card = self.make_card(settings=CAMERA_VALUES)
        card.write_protect()
        before = card.snapshot()
        tool = self.start_from_card(card)
        tool.click_button(layout.choice("Resolution", 2))
        tool.click_button(layout.ACTIONS["ok"])
        self.dismiss_no_card_box(tool)
        self.assertTrue(wait_until(tool.main_window, 3), "the main window went")
        self.assertEqual(card.snapshot(), before)
        self.assertEqual(tool.stdout(), "", "the ejector ran")

    def test_full_card_is_saved_in_place_and_ejected(self):
        card = self.make_card(settings=CAMERA_VALUES)
        card.write("RTC_time.ini", b"RTC Time Setting=19990101000000\r\n")
        card.fill_up()
        files = sorted(p.name for p in card.folder.iterdir())
        tool = self.start_from_card(card)
        tool.click_button(layout.choice("Resolution", 2))
        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        self.assertEqual(card.read("config.txt"), card_module.settings_bytes(dict(CAMERA_VALUES, Resolution=2)))
        self.assertIsNotNone(clock_file.parse(card.read("RTC_time.ini")), card.read("RTC_time.ini"))
        self.assertEqual(sorted(p.name for p in card.folder.iterdir()), files, "a temporary file was left")

    def test_full_card_without_a_clock_file_saves_the_settings_and_says_the_card_failed(self):
        card = self.make_card(settings=CAMERA_VALUES)
        card.fill_up()
        files = sorted(p.name for p in card.folder.iterdir())
        tool = self.start_from_card(card)
        tool.click_button(layout.choice("Resolution", 2))
        tool.click_button(layout.ACTIONS["ok"])
        self.dismiss_no_card_box(tool)
        self.assertTrue(wait_until(tool.main_window, 3), "the main window went")
        self.assertEqual(card.read("config.txt"), card_module.settings_bytes(dict(CAMERA_VALUES, Resolution=2)))
        self.assertEqual(sorted(p.name for p in card.folder.iterdir()), files, "a file was left or created")
        self.assertEqual(tool.stdout(), "", "the ejector ran")

    def test_unwritable_clock_file_keeps_the_window_then_a_fixed_disk_is_not_ejected(self):
        card = self.make_card(settings=CAMERA_VALUES)
        card.make_immutable("RTC_time.ini")
        tool = self.start_from_card(card, letter="F")   # a reader that reports a fixed disk
        tool.click_button(layout.choice("Resolution", 2))
        expected = card_module.settings_bytes(dict(CAMERA_VALUES, Resolution=2))
        for attempt in range(2):
            tool.click_button(layout.ACTIONS["ok"])
            self.dismiss_no_card_box(tool)
            self.assertTrue(wait_until(tool.main_window, 3), f"the main window went after OK {attempt + 1}")
            self.assertEqual(card.read("config.txt"), expected, "config.txt is written before the clock file")
            self.assertEqual(card.read("RTC_time.ini"), b"")
            self.assertNotIn("eject", tool.stdout(), "the card was ejected although the clock file failed")

        card.make_mutable("RTC_time.ini")
        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        self.assertIsNotNone(clock_file.parse(card.read("RTC_time.ini")))
        lines = tool.stdout().replace("\r\n", "\n").splitlines()
        self.assertEqual(lines, ["Cannot eject.  Drive type is incorrect.", "Failure ejecting drive F."])
