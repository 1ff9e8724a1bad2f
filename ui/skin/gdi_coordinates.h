// The coordinate range that GDI handles on every Windows: 28-bit signed values (about +-134 million).
// Geometry that card values can push anywhere is computed in 64 bits and clamped to it before it reaches
// GDI or the window manager; beyond it a drawing is off-screen anyway.
#pragma once

#include <algorithm>
#include <cstdint>

namespace skin {

constexpr std::int64_t kGdiCoordinateLimit = std::int64_t{1} << 27;

constexpr int ClampToGdi(std::int64_t coordinate) {
  return static_cast<int>(std::clamp(coordinate, -kGdiCoordinateLimit, kGdiCoordinateLimit));
}

}  // namespace skin
