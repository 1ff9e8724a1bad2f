#include "ui/advanced/overlay_plan.h"

#include "res/resource.h"
#include "ui/advanced/action_buttons.h"

namespace advanced {

OverlayPlan MarkerRefreshPlan(std::span<const int32_t, card::kAdvancedCount> working) {
  OverlayPlan plan;
  int previousSlot = -1;
  int32_t index = 0;
  for (const ChoiceButton& button : ChoiceButtons()) {
    if (button.test == MarkerTest::kHidden) continue;
    index = button.slot == previousSlot ? index + 1 : 0;
    previousSlot = button.slot;
    const int32_t value = working[static_cast<size_t>(button.slot)];
    const bool marked = button.test == MarkerTest::kSelectedIndex ? value == index : value != index;
    if (marked)
      plan.Add({IDB_ADV_MARKER, button.marker.x, button.marker.y, skin::kMarkerSize.cx, skin::kMarkerSize.cy});
    else
      plan.Add({button.normal, button.at.x, button.at.y, button.size.cx, button.size.cy});
  }
  return plan;
}

OverlayPlan HoverPlan(POINT cursor, const ActionRects& rects) {
  OverlayPlan plan;
  const ActionButton* buttons[] = {&kCancelButton, &kOkButton};
  for (size_t i = 0; i < rects.size(); ++i) plan.Add(skin::HoverDraw(*buttons[i], rects[i], cursor));
  return plan;
}

}  // namespace advanced
