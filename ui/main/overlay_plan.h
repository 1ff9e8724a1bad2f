// What the main window's overlay copies onto its surface, as plain lists of draws: the Marker refresh
// (which choice of each Setting group is selected) and the Hover overlay (which action button is under
// the mouse). The window only executes the lists.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "card/settings_table.h"
#include "ui/main/main_controls.h"
#include "ui/skin/overlay_plan.h"

namespace main_window {

using skin::OverlayDraw;
using skin::OverlayPlan;

using SettingValues = std::array<int32_t, card::kSettingCount>;

// The Settings table's values now.
SettingValues CurrentSettingValues();

// Is this choice shown as selected for these values? The choice whose value is stored is; when the stored
// value matches no choice of the group, the choices marked so ("Auto Parking", "MIC Volume" off) are.
bool IsChoiceSelected(const ChoiceButton& choice, const SettingValues& values);

// The 33 draws of a Marker refresh in drawing order: per choice either its selected look (the selected image
// over the button, or the Selection marker) or its unselected face.
OverlayPlan MarkerRefreshPlan(const SettingValues& values);

// Current screen rectangles of the action buttons (ActionButtons() order) and of the choices with a hover
// image (ChoiceButtons() order).
struct HoverRects {
  std::array<RECT, kActionCount> actions{};
  std::array<RECT, kHoverChoiceCount> choices{};
};

// The draws of the Hover overlay for a cursor position (screen coordinates): each action button's hover
// image when the cursor lies strictly inside its hover area, else its normal image; then the hover image or
// face of each resolution choice that is not the selected one.
OverlayPlan HoverPlan(POINT cursor, const HoverRects& rects, const SettingValues& values);

}  // namespace main_window
