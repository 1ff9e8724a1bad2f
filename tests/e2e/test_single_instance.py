"""A second start of the tool: it shows nothing and ends; the first window goes back to the centre, in front."""
from harness import card as card_module
from harness import layout, mouse, wine
from harness.case import ToolTestCase
from harness.tool import Tool
from harness.waiting import wait_until


class SingleInstanceTests(ToolTestCase):
    def test_a_second_start_recentres_the_first_window_and_shows_nothing(self):
        card = self.make_card(settings=card_module.DEFAULTS)
        first = self.start_from_card(card)
        centred = (first.window.left, first.window.top)
        x, y = first.at(*layout.NEUTRAL_POINT)
        mouse.drag(x, y, x - 400, y - 60)
        self.assertTrue(wait_until(lambda: (w := first.refresh_position()) and w.left != centred[0], 5),
                        "the window did not follow the drag")

        second = Tool(f"E:\\{card_module.PARAMETER_FOLDER}\\{card_module.EXE_NAME}", name="second-start")
        self.addCleanup(second.stop)
        strangers = []

        def ended():
            strangers.extend(w for w in wine.windows() if w.visible and w.pid != first.window.pid)
            return not second.running()

        self.assertTrue(wait_until(ended, 20, 0.1), "the second start did not end")
        self.assertEqual(strangers, [], "the second start showed a window")
        self.assertEqual(second.stdout(), "")
        self.assertEqual(len([w for w in wine.windows() if w.title == layout.TITLE]), 1)

        back = wait_until(lambda: (w := first.refresh_position()) and (w.left, w.top) == centred, 5)
        self.assertTrue(back, f"the first window stayed at {(first.window.left, first.window.top)}, not {centred}")
        self.assertEqual(wine.foreground_title(), layout.TITLE)
        self.assertTrue(first.running())
