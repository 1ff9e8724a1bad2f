#include "ui/main/window_placement.h"

namespace main_window {

std::optional<POINT> SmallScreenPosition(int screenWidth, int screenHeight, const RECT& window) {
  if (screenHeight > 800) return std::nullopt;
  const int width = window.right - window.left;
  return POINT{screenWidth / 2 - width / 2, screenHeight - window.bottom - 60};
}

}  // namespace main_window
