// A window's overlay as data: bitmaps of its skin set copied over its buttons, in drawing order.
#pragma once

#include <windows.h>

namespace skin {

// One bitmap copied to (x, y) at width x height; `fallback` is drawn instead when `bitmap` is not loaded
// (0: nothing).
struct OverlayDraw {
  UINT bitmap;
  int x, y, width, height;
  UINT fallback = 0;
  bool operator==(const OverlayDraw&) const = default;
};

// Strictly inside the rectangle shrunk by `inset` on every side; right and bottom are the first pixels outside.
constexpr bool IsInHoverArea(const RECT& rect, POINT point, int inset = 0) {
  return rect.left + inset < point.x && point.x < rect.right - inset && rect.top + inset < point.y &&
         point.y < rect.bottom - inset;
}

}  // namespace skin
