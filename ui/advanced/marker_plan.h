// The Marker refresh as data: which bitmap goes where, in drawing order, for a Working copy.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "ui/skin/overlay_draw.h"

namespace advanced {

using skin::OverlayDraw;

// One draw per shown Choice button: the Selection marker where the group's test marks the button, its
// plain image (which covers an older marker) everywhere else.
std::vector<OverlayDraw> MarkerRefreshPlan(std::span<const int32_t, 10> working);

}  // namespace advanced
