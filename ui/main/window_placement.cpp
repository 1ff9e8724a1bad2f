#include "ui/main/window_placement.h"

namespace main_window {

std::optional<POINT> SmallScreenPosition(int screenWidth, int screenHeight, const RECT& window, skin::SkinScale scale) {
  if (screenHeight > scale.Scaled(800)) return std::nullopt;
  const int width = window.right - window.left;
  return POINT{screenWidth / 2 - width / 2, screenHeight - window.bottom - scale.Scaled(60)};
}

}  // namespace main_window
