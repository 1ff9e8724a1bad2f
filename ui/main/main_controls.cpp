#include "ui/main/main_controls.h"

namespace main_window {

static_assert(kLayout.actions.size() == kActionCount && kLayout.choices.size() == kChoiceCount);

const std::array<ActionButton, kActionCount>& ActionButtons() { return kLayout.actions; }

std::span<const skin::Choice> ChoiceButtons() { return kLayout.choices; }

const skin::OverlayTables& OverlayTables() {
  static constexpr skin::OverlayTables kTables{kLayout.actions, kLayout.choices, IDB_MAIN_MARKER, kLayout.marker};
  return kTables;
}

std::span<const UINT> ChoiceIds() { return layout::kChoiceIds; }

}  // namespace main_window
