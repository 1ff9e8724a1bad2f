"""The Choice buttons of the main window: each click stores its value, the markers follow, OK writes the values."""
from harness import card as card_module
from harness import layout, mouse
from harness.case import ToolTestCase

START = dict(card_module.DEFAULTS, **{
    "Resolution": 0, "Driving Mode Accelerator": 2, "Parking Accelerator": 3, "Auto Parking": 0,
    "Parking Motion": 0, "Night Bright": 1, "Speaker Volume": 4, "MIC Volume": 0})

# Every choice of a group in table order, then the one whose value the file must end with. The odd ones: "OFF"
# stores 9, "수동+자동" (1021) stores 1, "사용" (1023) stores 2; "OFF" is clicked again while selected.
FINAL = {"Resolution": 2, "Driving Mode Accelerator": 9, "Parking Accelerator": 0, "Auto Parking": 1,
         "Parking Motion": 3, "Night Bright": 4, "Speaker Volume": 1, "MIC Volume": 2}


class ChoiceTests(ToolTestCase):
    def test_a_click_in_each_group_stores_its_value_and_moves_the_marker(self):
        card = self.make_card(settings=START)
        tool = self.start_from_card(card)
        values = dict(START)
        self.assertOverlay(tool, layout.overlay_after_refresh(values), when="at start")
        for key, group in layout.GROUPS.items():
            for choice in group + [layout.choice(key, FINAL[key])]:
                tool.click_button(choice)
                values[key] = choice.value
                # The pointer stays on the clicked button: leaving it is a test of its own (test_overlay).
                self.assertOverlay(tool, layout.overlay_after_refresh(values),
                                   when=f"after a click on {choice.id} ({key} {choice.value})")
        self.assertEqual(values, dict(START, **FINAL))
        self.assertFalse(card.exists("RTC_time.ini"), "a click wrote to the card")

        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        self.assertEqual(card_module.parse_settings(card.read("config.txt")), values)
        self.assertEqual(card.read("config.txt"), card_module.settings_bytes(values))

    def test_a_press_released_outside_its_button_stores_nothing_but_redraws(self):
        card = self.make_card(settings=START)
        tool = self.start_from_card(card)
        outside = tool.at(*layout.NEUTRAL_POINT)
        # Another choice: no click is reported, so the marker stays where it was.
        # The selected choice: its pressed and normal images cover the marker, and only the refresh that the
        # release schedules puts it back.
        for value in (1, START["Speaker Volume"]):
            x, y = tool.at(*layout.choice("Speaker Volume", value).box.centre)
            mouse.press_and_release_at(x, y, *outside)
            self.assertOverlay(tool, layout.overlay_after_refresh(START),
                               when=f"after a press on Speaker Volume {value} released outside")

        tool.click_button(layout.ACTIONS["ok"])
        self.assertEndsWithClosingMessage(tool)
        self.assertEqual(card.read("config.txt"), card_module.settings_bytes(START))
