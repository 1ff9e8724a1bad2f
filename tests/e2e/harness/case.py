"""The base of the end-to-end test cases: cards on drive letters, the tool started from them, clean-up."""
import os
import shutil
import unittest

from . import card as card_module
from . import config, layout, mouse, screen, wine
from .tool import Tool
from .waiting import wait_until

REMOVABLE = "E"   # a floppy-type drive: the usual card reader
FIXED = "F"       # a card reader that reports a fixed disk
DRIVE_TYPES = {REMOVABLE: "floppy", FIXED: "hd"}
OUTSIDE_POINT = (5, 5)   # a screen point that no window of the tool covers


def prepare_session():
    """Once per run: the display is there, the two card letters have their types and nothing of ours runs."""
    if not os.environ.get("DISPLAY"):
        raise SystemExit("DISPLAY is not set: run the suite through scripts/test (it starts Xvfb and Wine)")
    wine.ensure_drive_types(DRIVE_TYPES)
    for letter in DRIVE_TYPES:
        wine.link_drive(letter, None)
    leftovers = [w for w in wine.windows() if w.title == layout.TITLE]
    if leftovers:
        raise SystemExit(f"a window titled {layout.TITLE} is already open (pid {leftovers[0].pid}); end it first")


class ToolTestCase(unittest.TestCase):
    """Each test makes its cards and starts the tool; everything is undone afterwards, in reverse order."""

    def make_card(self, **kwargs):
        card = card_module.Card(**kwargs)
        self.addCleanup(card.cleanup)
        return card

    def start_from_card(self, card, letter=REMOVABLE):
        """Maps the card as `letter` and starts the tool from it, as a user does."""
        wine.link_drive(letter, card.root)
        self.addCleanup(wine.link_drive, letter, None)
        return self._start(f"{letter}:\\{card_module.PARAMETER_FOLDER}\\{card_module.EXE_NAME}")

    def start_without_card(self):
        """Starts the tool from a plain folder of drive Z: (no card anywhere)."""
        folder = config.work_dir() / "no-card"
        folder.mkdir(exist_ok=True)
        shutil.copyfile(config.exe(), folder / card_module.EXE_NAME)
        return self._start(str(folder / card_module.EXE_NAME))

    def _start(self, windows_path):
        # The pointer waits outside the window: a window that opens under it gets hover and leave messages that
        # no test asked for.
        mouse.move(*OUTSIDE_POINT)
        tool = Tool(windows_path, name=self.id().rsplit(".", 1)[-1])
        self.addCleanup(tool.stop)
        tool.wait_main_window()
        return tool

    def screenshot_on_failure(self, message):
        """Saves the screen next to the test's output and fails with `message`."""
        path = config.work_dir() / f"{self.id().rsplit('.', 1)[-1]}.png"
        screen.save_screen(path)
        self.fail(f"{message} (screen saved to {path})")

    def assertOverlay(self, tool, expects, timeout=5, when=""):
        missing = tool.wait_overlay(expects, timeout)
        if missing:
            self.screenshot_on_failure(f"{when}: not shown: {missing}")

    def assertEndsWithClosingMessage(self, tool, timeout=20):
        """The main window goes, the closing message shows; its OK ends the program."""
        box = tool.wait_dialog(layout.CLOSING_BACKGROUND, timeout)
        if not box:
            self.screenshot_on_failure("the closing message did not show")
        self.assertIsNone(tool.main_window(), "the main window is still visible behind the closing message")
        tool.click_in(box, layout.MESSAGE_BOX_OK)
        code = tool.wait_exit(10)
        self.assertIsNotNone(code, "the program did not end when the closing message was dismissed")

    def dismiss_no_card_box(self, tool, timeout=15):
        box = tool.wait_dialog(layout.NO_CARD_BACKGROUND, timeout)
        if not box:
            self.screenshot_on_failure("the no-card message did not show")
        tool.click_in(box, layout.MESSAGE_BOX_OK)
        gone = wait_gone(tool, box)
        self.assertTrue(gone, "the no-card message stayed after its OK")


def wait_gone(tool, box, timeout=5):
    return wait_until(lambda: all(d.hwnd != box.hwnd for d in tool.dialogs()), timeout)
