"""The overlay of the main window: hover images, values outside the groups, and the markers coming back after a
drag, after another window was in front, and after the pointer leaves a marked button."""
import time

from harness import card as card_module
from harness import layout, mouse, wine
from harness.case import ToolTestCase
from harness.layout import Expect
from harness.waiting import wait_until

# Values no button stores: no marker in their groups, except "Auto Parking" 2 (both marked) and "MIC Volume" 1
# (button 1024 marked); "Resolution" 5 leaves all three choices to react to hovering.
OUTSIDE = dict(card_module.DEFAULTS, **{
    "Resolution": 5, "Driving Mode Accelerator": 7, "Auto Parking": 2, "Night Bright": 7, "MIC Volume": 1})

ABOUT_TITLE = "Configure 정보"


def action_images(hovered=None):
    """Every action button's normal image, or its hover image for the one named."""
    return [Expect(b.hover, b.box, f"{name} hover") if name == hovered else Expect(b.normal, b.box, f"{name} normal")
            for name, b in layout.ACTIONS.items()]


def resolution_images(values, hovered=None):
    result = []
    for c in layout.RESOLUTION:
        if values["Resolution"] == c.value:
            result.append(Expect(layout.RESOLUTION_SELECTED[c.value], c.box, f"resolution {c.value} selected"))
        elif c.value == hovered:
            result.append(Expect(layout.RESOLUTION_HOVER[c.value], c.box, f"resolution {c.value} hover"))
        else:
            result.append(Expect(c.face, c.box, f"resolution {c.value} face"))
    return result


def overlaps(window, box, tool):
    left, top = tool.at(box.x, box.y)
    return window.left < left + box.w and left < window.right and window.top < top + box.h and top < window.bottom


class HoverTests(ToolTestCase):
    def test_values_outside_the_groups_and_hovering_each_resolution(self):
        card = self.make_card(settings=OUTSIDE)
        tool = self.start_from_card(card)
        self.assertOverlay(tool, layout.overlay_after_refresh(OUTSIDE), when="at start")
        for c in layout.RESOLUTION:
            tool.move(*c.box.centre)
            self.assertOverlay(tool, resolution_images(OUTSIDE, hovered=c.value), 2, f"over resolution {c.value}")
        tool.rest_mouse()
        self.assertOverlay(tool, resolution_images(OUTSIDE), 2, "on the background")

    def test_hover_images_of_the_action_buttons(self):
        card = self.make_card(settings=card_module.DEFAULTS)
        tool = self.start_from_card(card)
        # No button starts in its focused look: the close button's is its red hover image.
        self.assertOverlay(tool, action_images(), 2, "at start, before the pointer comes")
        for name, button in layout.ACTIONS.items():
            tool.move(*button.box.centre)
            self.assertOverlay(tool, action_images(hovered=name), 2, f"over {name}")
        # 3 pixels inside the left edge: outside Cancel's shrunk hover area, inside OK's whole one.
        for name, hovered in (("cancel", None), ("ok", "ok")):
            box = layout.ACTIONS[name].box
            tool.move(box.x + 3, box.y + box.h // 2)
            self.assertOverlay(tool, action_images(hovered=hovered), 2, f"3 pixels inside {name}")
        tool.rest_mouse()
        self.assertOverlay(tool, action_images(), 2, "on the background")

    def test_the_selected_resolution_keeps_its_look_under_the_pointer(self):
        card = self.make_card(settings=card_module.DEFAULTS)
        tool = self.start_from_card(card)
        tool.click_button(layout.choice("Resolution", 1))
        values = dict(card_module.DEFAULTS, Resolution=1)
        self.assertOverlay(tool, layout.overlay_after_refresh(values), when="after choosing 720p")
        tool.move(layout.RESOLUTION[1].box.x + 20, layout.RESOLUTION[1].box.y + 10)
        self.assertOverlay(tool, resolution_images(values), 2, "the selected resolution under the pointer")

    def test_a_marker_stays_when_the_pointer_leaves_its_button(self):
        card = self.make_card(settings=card_module.DEFAULTS)
        tool = self.start_from_card(card)
        values = dict(card_module.DEFAULTS, **{"Speaker Volume": 1})
        tool.click_button(layout.choice("Speaker Volume", 1))
        self.assertOverlay(tool, layout.overlay_after_refresh(values), when="after the click")
        tool.rest_mouse()
        time.sleep(0.5)   # nothing to wait for: the marker must still be there after a while
        missing = tool.mismatches(layout.overlay_after_refresh(values))
        if missing:
            self.screenshot_on_failure(f"after the pointer left the clicked button: not shown: {missing}")


class RefreshTriggerTests(ToolTestCase):
    def test_markers_come_back_after_a_drag(self):
        card = self.make_card(settings=card_module.DEFAULTS)
        tool = self.start_from_card(card)
        start = tool.window
        x, y = tool.at(*layout.NEUTRAL_POINT)
        mouse.drag(x, y, x - 500, y - 100)
        moved = wait_until(lambda: (w := tool.refresh_position()) and w.left != start.left, 5)
        self.assertTrue(moved, "the window did not follow the drag")
        self.assertEqual((tool.window.left, tool.window.top), (start.left - 500, start.top - 100))
        tool.move(*layout.NEUTRAL_POINT)   # the first move after the drag
        self.assertOverlay(tool, layout.overlay_after_refresh(card_module.DEFAULTS), when="after the drag")

    def test_markers_come_back_when_the_window_is_in_front_again(self):
        card = self.make_card(settings=card_module.DEFAULTS)
        tool = self.start_from_card(card)
        self.assertOverlay(tool, layout.overlay_after_refresh(card_module.DEFAULTS), when="at start")
        self.assertTrue(wine.post_syscommand(layout.TITLE, 16), "no main window for the about item")
        about = wait_until(lambda: next((w for w in wine.windows() if w.visible and w.title == ABOUT_TITLE), None), 5)
        self.assertTrue(about, "the about box did not open")
        covered = [e for e in layout.overlay_after_refresh(card_module.DEFAULTS) if overlaps(about, e.box, tool)]
        self.assertTrue(covered, "the about box covers no marker or face, so this test would prove nothing")

        # The about box is a plain dialog: it takes keys, unlike the skinned windows. So keys reach the program.
        mouse.keys(about, "Escape")
        gone = wait_until(lambda: not any(w.visible and w.title == ABOUT_TITLE for w in wine.windows()), 5)
        self.assertTrue(gone, "Escape did not close the about box")
        self.assertOverlay(tool, layout.overlay_after_refresh(card_module.DEFAULTS),
                           when=f"back in front (the about box had covered {[e.what for e in covered]})")
