// The advanced window's two action buttons and their hover images, as the skin generator places them.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/advanced/advanced_layout.h"
#include "ui/skin/button_layout.h"

namespace advanced {

using ActionButton = skin::ButtonLayout;

// The skin is drawn at 100 %.
inline constexpr const layout::Layout& kLayout = layout::kLayouts[0];

// In the order the hover overlay draws them: the close cross at the top right, then OK.
inline constexpr auto& kActionButtons = kLayout.actions;
constexpr size_t kCancelIndex = 0, kOkIndex = 1;
inline constexpr const ActionButton& kCancelButton = kActionButtons[kCancelIndex];
inline constexpr const ActionButton& kOkButton = kActionButtons[kOkIndex];
static_assert(kCancelButton.id == IDCANCEL && kOkButton.id == IDOK);

}  // namespace advanced
