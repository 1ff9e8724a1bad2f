#include "ui/main/main_controls.h"

#include <utility>

#include "ui/skin/disjoint_ids.h"

namespace main_window {
namespace {

template <size_t... Scale>
constexpr auto MakeOverlayTables(std::index_sequence<Scale...>) {
  return std::array{skin::OverlayTables{layout::kLayouts[Scale].actions, layout::kLayouts[Scale].choices,
                                        IDB_MAIN_MARKER, layout::kLayouts[Scale].marker}...};
}

}  // namespace

static_assert(skin::AreDisjoint(layout::kLayouts[0].actions, layout::kChoiceIds),
              "a control in two of the window's tables");

const std::array<ActionButton, kActionCount>& ActionButtons(skin::SkinScale scale) { return LayoutAt(scale).actions; }

std::span<const skin::Choice> ChoiceButtons(skin::SkinScale scale) { return LayoutAt(scale).choices; }

const skin::OverlayTables& OverlayTables(skin::SkinScale scale) {
  static constexpr auto kTables = MakeOverlayTables(std::make_index_sequence<skin::kSkinScaleCount>());
  return kTables[scale.index];
}

std::span<const UINT> ChoiceIds() { return layout::kChoiceIds; }

std::array<int, skin::kSkinScaleCount> MainWindowHeights() {
  std::array<int, skin::kSkinScaleCount> heights{};
  for (size_t i = 0; i < heights.size(); ++i) heights[i] = layout::kLayouts[i].window.cy;
  return heights;
}

}  // namespace main_window
