// The skin's set for this screen, chosen once at start-up and passed to the main window.
#pragma once

#include "ui/skin/skin_scale.h"

namespace main_window {

// From the primary screen's DPI and the height of its work area (see skin::ChooseSkinScale).
skin::SkinScale SkinScaleForScreen();

}  // namespace main_window
