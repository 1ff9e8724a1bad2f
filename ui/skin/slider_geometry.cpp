#include "ui/skin/slider_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "ui/skin/gdi_coordinates.h"

namespace skin {
namespace {

// trunc() into 64 bits; out-of-range and undefined results saturate instead of being undefined behaviour.
std::int64_t Truncate(double value) {
  if (std::isnan(value)) return 0;
  // +-2^62: far beyond any int32 sum, and exactly representable as a double.
  constexpr double kLimit = 4611686018427387904.0;
  return static_cast<std::int64_t>(std::trunc(std::clamp(value, -kLimit, kLimit)));
}

// A position is not a coordinate: beyond the track it stays as it is, only within int.
int SaturateToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// A Thumb edge and its far edge: the extent is kept, and the edge clamped so that both lie in GDI's range.
std::pair<int, int> ThumbEdges(std::int64_t edge, std::int64_t extent) {
  const int kept = ClampToGdi(std::max<std::int64_t>(extent, 0));
  const int start = static_cast<int>(std::clamp<std::int64_t>(edge, -kGdiCoordinateLimit, kGdiCoordinateLimit - kept));
  return {start, start + kept};
}

std::int64_t TrackLength(const RECT& client, int thumbWidth) {
  const std::int64_t half = thumbWidth / 2;
  return (client.right - half) - (client.left + half);
}

}  // namespace

RECT ThumbRectForPosition(const RECT& client, SliderRange range, SIZE thumb, int position) {
  const std::int64_t track = TrackLength(client, thumb.cx);
  const std::int64_t span = std::int64_t{range.maximum} - range.minimum;
  // Division first, then the multiplication, as the reading back in PositionFromThumb expects.
  const std::int64_t offset =
      span == 0 ? 0
                : Truncate(static_cast<double>(track) / static_cast<double>(span) *
                           (static_cast<double>(position) - range.minimum));
  const std::int64_t left = client.left + offset;
  const std::int64_t top = (std::int64_t{client.top} + client.bottom) / 2 - thumb.cy / 2;
  const auto [l, r] = ThumbEdges(left, thumb.cx);
  const auto [t, b] = ThumbEdges(top, thumb.cy);
  return RECT{l, t, r, b};
}

int PositionFromThumb(const RECT& client, SliderRange range, int thumbWidth, const RECT& thumbRect) {
  const std::int64_t track = TrackLength(client, thumbWidth);
  // A slider no wider than its Thumb has no track to divide by: every place is the minimum.
  if (track == 0) return range.minimum;
  const std::int64_t centre = (std::int64_t{thumbRect.left} + thumbRect.right) / 2;
  const std::int64_t offset = centre - (client.left + std::int64_t{thumbWidth / 2});
  const double span = static_cast<double>(std::int64_t{range.maximum} - range.minimum);
  return SaturateToInt(range.minimum + Truncate(static_cast<double>(offset) / static_cast<double>(track) * span));
}

int ClampThumbCentre(const RECT& client, int thumbWidth, int x) {
  const std::int64_t half = thumbWidth / 2;
  const std::int64_t low = client.left + half, high = client.right - half;
  return SaturateToInt(std::min(std::max(std::int64_t{x}, low), high));
}

}  // namespace skin
