#include "ui/main/overlay_plan.h"

#include <algorithm>

#include "res/resource.h"

namespace main_window {

SettingValues CurrentSettingValues() {
  SettingValues values{};
  for (int row = 0; row < card::kSettingCount; ++row) values[static_cast<size_t>(row)] = card::GetSetting(row);
  return values;
}

bool IsChoiceSelected(const ChoiceButton& choice, const SettingValues& values) {
  const int32_t stored = values[static_cast<size_t>(choice.row)];
  if (stored == choice.value) return true;
  if (!choice.markedWhenUnmatched) return false;
  const auto& choices = ChoiceButtons();
  return std::none_of(choices.begin(), choices.end(), [&](const ChoiceButton& other) {
    return other.row == choice.row && other.value == stored;
  });
}

OverlayPlan MarkerRefreshPlan(const SettingValues& values) {
  OverlayPlan plan;
  for (const ChoiceButton& choice : ChoiceButtons()) {
    if (!IsChoiceSelected(choice, values))
      plan.Add({choice.normal, choice.at.x, choice.at.y, choice.size.cx, choice.size.cy});
    else if (choice.selectedImage)
      plan.Add({choice.selectedImage, choice.at.x, choice.at.y, choice.size.cx, choice.size.cy});
    else
      plan.Add({IDB_MAIN_MARKER, choice.marker.x, choice.marker.y, skin::kMarkerSize.cx, skin::kMarkerSize.cy});
  }
  return plan;
}

OverlayPlan HoverPlan(POINT cursor, const HoverRects& rects, const SettingValues& values) {
  OverlayPlan plan;
  const auto& actions = ActionButtons();
  for (size_t i = 0; i < actions.size(); ++i) plan.Add(skin::HoverDraw(actions[i], rects.actions[i], cursor));
  size_t hoverIndex = 0;
  for (const ChoiceButton& choice : ChoiceButtons()) {
    if (!choice.hover) continue;
    const RECT& rect = rects.choices[hoverIndex++];
    if (IsChoiceSelected(choice, values)) continue;  // the selected choice keeps its selected look
    plan.Add(skin::HoverDraw(choice, rect, cursor));
  }
  return plan;
}

}  // namespace main_window
