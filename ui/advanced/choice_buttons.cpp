#include "ui/advanced/choice_buttons.h"

#include "ui/advanced/action_buttons.h"
#include "ui/skin/disjoint_ids.h"

namespace advanced {

static_assert(skin::AreDisjoint(ActionButtons(), layout::kChoiceIds), "a control in two of the window's tables");

std::span<const skin::Choice> ChoiceButtons(skin::SkinScale scale) { return LayoutAt(scale).choices; }

const skin::OverlayTables& OverlayTables(skin::SkinScale scale) {
  static constexpr auto kTables = skin::OverlayTablesAtEveryScale(layout::kLayouts, IDB_ADV_MARKER);
  return kTables[scale.index];
}

}  // namespace advanced
