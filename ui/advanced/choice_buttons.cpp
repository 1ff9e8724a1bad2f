#include "ui/advanced/choice_buttons.h"

#include "ui/advanced/action_buttons.h"

namespace advanced {

static_assert(kLayout.choices.size() == kChoiceButtonCount);

std::span<const skin::Choice> ChoiceButtons() { return kLayout.choices; }

std::span<const UINT> ChoiceIds() { return layout::kChoiceIds; }

const skin::OverlayTables& OverlayTables() {
  static constexpr skin::OverlayTables kTables{kActionButtons, kLayout.choices, IDB_ADV_MARKER, kLayout.marker};
  return kTables;
}

}  // namespace advanced
