#include "ui/advanced/choice_buttons.h"

#include "ui/advanced/action_buttons.h"
#include "ui/skin/disjoint_ids.h"

namespace advanced {

static_assert(skin::AreDisjoint(kActionButtons, layout::kChoiceIds), "a control in two of the window's tables");

std::span<const skin::Choice> ChoiceButtons() { return kLayout.choices; }

std::span<const UINT> ChoiceIds() { return layout::kChoiceIds; }

const skin::OverlayTables& OverlayTables() {
  static constexpr skin::OverlayTables kTables{kActionButtons, kLayout.choices, IDB_ADV_MARKER, kLayout.marker};
  return kTables;
}

}  // namespace advanced
