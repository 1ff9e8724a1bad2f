#include "ui/advanced/marker_plan.h"

#include "res/resource.h"
#include "ui/advanced/choice_buttons.h"

namespace advanced {

std::vector<OverlayDraw> MarkerRefreshPlan(std::span<const int32_t, 10> working) {
  std::vector<OverlayDraw> plan;
  int previousSlot = -1;
  int32_t index = 0;
  for (const ChoiceButton& button : ChoiceButtons()) {
    if (button.test == MarkerTest::kHidden) continue;
    index = button.slot == previousSlot ? index + 1 : 0;
    previousSlot = button.slot;
    const int32_t value = working[button.slot];
    const bool marked = button.test == MarkerTest::kSelectedIndex ? value == index : value != index;
    if (marked)
      plan.push_back({IDB_ADV_MARKER, button.x + button.markerDx, button.markerY, kMarkerSize, kMarkerSize});
    else
      plan.push_back({button.normalImage, button.x, button.y, button.width, button.height});
  }
  return plan;
}

}  // namespace advanced
