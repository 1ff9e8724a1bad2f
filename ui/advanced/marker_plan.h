// The Marker refresh as data: which bitmap goes where, in drawing order, for a Working copy.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

namespace advanced {

struct OverlayDraw {
  UINT bitmap;  // resource identifier of a bitmap of the window's skin set
  int x, y, width, height;

  bool operator==(const OverlayDraw&) const = default;
};

// One draw per shown Choice button: the Selection marker where the group's test marks the button, its
// plain image (which covers an older marker) everywhere else.
std::vector<OverlayDraw> MarkerRefreshPlan(std::span<const int32_t, 10> working);

}  // namespace advanced
