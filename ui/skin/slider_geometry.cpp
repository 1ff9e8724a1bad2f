#include "ui/skin/slider_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace skin {
namespace {

// trunc() into an int; out-of-range and undefined results saturate instead of being undefined behaviour.
int TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLowest = std::numeric_limits<int>::min();
  constexpr double kHighest = std::numeric_limits<int>::max();
  return static_cast<int>(std::trunc(std::clamp(value, kLowest, kHighest)));
}

int TrackLength(const RECT& client, int thumbWidth) {
  const int half = thumbWidth / 2;
  return (client.right - half) - (client.left + half);
}

}  // namespace

RECT ThumbRectForPosition(const RECT& client, SliderRange range, SIZE thumb, int position) {
  const int track = TrackLength(client, thumb.cx);
  const int span = range.maximum - range.minimum;
  // Division first, then the multiplication, as the reading back in PositionFromThumb expects.
  const int offset =
      span == 0 ? 0
                : TruncateToInt(static_cast<double>(track) / span * (static_cast<double>(position) - range.minimum));
  RECT rect;
  rect.left = client.left + offset;
  rect.top = (client.top + client.bottom) / 2 - thumb.cy / 2;
  rect.right = rect.left + thumb.cx;
  rect.bottom = rect.top + thumb.cy;
  return rect;
}

int PositionFromThumb(const RECT& client, SliderRange range, int thumbWidth, const RECT& thumbRect) {
  const int track = TrackLength(client, thumbWidth);
  // A slider no wider than its Thumb has no track to divide by: every place is the minimum.
  if (track == 0) return range.minimum;
  const int centre = (thumbRect.left + thumbRect.right) / 2;
  const int offset = centre - (client.left + thumbWidth / 2);
  return range.minimum + TruncateToInt(static_cast<double>(offset) / track * (range.maximum - range.minimum));
}

int ClampThumbCentre(const RECT& client, int thumbWidth, int x) {
  const int half = thumbWidth / 2;
  x = std::max(x, static_cast<int>(client.left) + half);
  return std::min(x, static_cast<int>(client.right) - half);
}

}  // namespace skin
