// The advanced window's overlay as data: which bitmap goes where, in drawing order, for a Working copy (the
// Marker refresh) and for a cursor position (the hover images of Cancel and OK).
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>

#include "ui/advanced/choice_buttons.h"
#include "ui/skin/overlay_plan.h"

namespace advanced {

using skin::OverlayDraw;
using skin::OverlayPlan;

// One draw per shown Choice button: the Selection marker where the group's test marks the button, its
// plain image (which covers an older marker) everywhere else.
OverlayPlan MarkerRefreshPlan(std::span<const int32_t, card::kAdvancedCount> working);

// Current screen rectangles of Cancel and OK, in that order.
using ActionRects = std::array<RECT, 2>;

// Cancel then OK: the hover image while the cursor (screen coordinates) lies strictly inside the button's
// hover area, else the normal image.
OverlayPlan HoverPlan(POINT cursor, const ActionRects& rects);

}  // namespace advanced
