// A window's overlay as a plain list of draws, in drawing order, with room for the largest plan of either
// overlay window, so that planning allocates nothing on a mouse move.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "ui/skin/button_layout.h"
#include "ui/skin/overlay_draw.h"

namespace skin {

class OverlayPlan {
 public:
  static constexpr size_t kCapacity = 40;

  void Add(const OverlayDraw& draw) { draws_[count_++] = draw; }
  const OverlayDraw* begin() const { return draws_.data(); }
  const OverlayDraw* end() const { return draws_.data() + count_; }
  size_t size() const { return count_; }
  const OverlayDraw& operator[](size_t i) const { return draws_[i]; }
  bool operator==(const OverlayPlan& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }

 private:
  std::array<OverlayDraw, kCapacity> draws_{};
  size_t count_ = 0;
};

// What the hover overlay draws over a button for a cursor (screen coordinates) and the button's current screen
// rectangle: its hover image while the cursor lies strictly inside the hover area (the normal image when the
// hover image is missing), else its normal image.
constexpr OverlayDraw HoverDraw(const ButtonLayout& button, const RECT& screenRect, POINT cursor) {
  if (IsInHoverArea(screenRect, cursor, button.hoverInset))
    return {button.hover, button.at.x, button.at.y, button.size.cx, button.size.cy, button.normal};
  return {button.normal, button.at.x, button.at.y, button.size.cx, button.size.cy};
}

}  // namespace skin
