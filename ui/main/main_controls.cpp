#include "ui/main/main_controls.h"

#include "ui/skin/disjoint_ids.h"

namespace main_window {

static_assert(skin::AreDisjoint(kLayout.actions, layout::kChoiceIds), "a control in two of the window's tables");

const std::array<ActionButton, kActionCount>& ActionButtons() { return kLayout.actions; }

std::span<const skin::Choice> ChoiceButtons() { return kLayout.choices; }

const skin::OverlayTables& OverlayTables() {
  static constexpr skin::OverlayTables kTables{kLayout.actions, kLayout.choices, IDB_MAIN_MARKER, kLayout.marker};
  return kTables;
}

std::span<const UINT> ChoiceIds() { return layout::kChoiceIds; }

}  // namespace main_window
