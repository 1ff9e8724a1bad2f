// Where the main window goes on a small screen.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/skin/skin_scale.h"

namespace main_window {

// On screens at most 800 pixels high the centred window is raised so that its bottom (OK and reset) clears
// the taskbar: left centred, top = screen height - current bottom - 60. Taller screens keep it centred
// (nullopt). Both 800 and 60 are lengths of the 100 % skin, taken at the window's `scale`.
std::optional<POINT> SmallScreenPosition(int screenWidth, int screenHeight, const RECT& window,
                                         skin::SkinScale scale = {});

}  // namespace main_window
