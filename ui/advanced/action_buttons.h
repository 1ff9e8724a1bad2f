// The advanced window's two action buttons and their hover images, as the skin generator places them.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/advanced/advanced_layout.h"
#include "ui/skin/button_layout.h"
#include "ui/skin/skin_scale.h"

namespace advanced {

// The window's geometry in the pixels of the set at `scale`.
constexpr const layout::Layout& LayoutAt(skin::SkinScale scale) { return skin::AtScale(layout::kLayouts, scale); }

using ActionButton = skin::ButtonLayout;

// In the order the hover overlay draws them: the close cross at the top right, then OK.
constexpr const auto& ActionButtons(skin::SkinScale scale = {}) { return LayoutAt(scale).actions; }
constexpr size_t kCancelIndex = 0, kOkIndex = 1;
static_assert(ActionButtons()[kCancelIndex].id == IDCANCEL && ActionButtons()[kOkIndex].id == IDOK);

}  // namespace advanced
