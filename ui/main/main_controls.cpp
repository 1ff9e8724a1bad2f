#include "ui/main/main_controls.h"

#include "ui/skin/disjoint_ids.h"

namespace main_window {

static_assert(skin::AreDisjoint(layout::kLayouts[0].actions, layout::kChoiceIds),
              "a control in two of the window's tables");

const std::array<ActionButton, kActionCount>& ActionButtons(skin::SkinScale scale) { return LayoutAt(scale).actions; }

std::span<const skin::Choice> ChoiceButtons(skin::SkinScale scale) { return LayoutAt(scale).choices; }

const skin::OverlayTables& OverlayTables(skin::SkinScale scale) {
  static constexpr auto kTables = skin::OverlayTablesAtEveryScale(layout::kLayouts, IDB_MAIN_MARKER);
  return kTables[scale.index];
}

std::array<int, skin::kSkinScaleCount> MainWindowHeights() {
  std::array<int, skin::kSkinScaleCount> heights{};
  for (size_t i = 0; i < heights.size(); ++i) heights[i] = layout::kLayouts[i].window.cy;
  return heights;
}

}  // namespace main_window
