#include "ui/advanced/choice_buttons.h"

#include <utility>

#include "ui/advanced/action_buttons.h"
#include "ui/skin/disjoint_ids.h"

namespace advanced {
namespace {

template <size_t... Scale>
constexpr auto MakeOverlayTables(std::index_sequence<Scale...>) {
  return std::array{skin::OverlayTables{layout::kLayouts[Scale].actions, layout::kLayouts[Scale].choices,
                                        IDB_ADV_MARKER, layout::kLayouts[Scale].marker}...};
}

}  // namespace

static_assert(skin::AreDisjoint(ActionButtons(), layout::kChoiceIds), "a control in two of the window's tables");

std::span<const skin::Choice> ChoiceButtons(skin::SkinScale scale) { return LayoutAt(scale).choices; }

std::span<const UINT> ChoiceIds() { return layout::kChoiceIds; }

const skin::OverlayTables& OverlayTables(skin::SkinScale scale) {
  static constexpr auto kTables = MakeOverlayTables(std::make_index_sequence<skin::kSkinScaleCount>());
  return kTables[scale.index];
}

}  // namespace advanced
