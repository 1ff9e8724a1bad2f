// The main window's buttons: where each one sits, which images it shows and, for a Choice button, which
// value it writes into which setting and when it shows as selected. Creation, clicks, the marker refresh and the
// hover overlay all read these two tables, which the skin generator writes (main_layout.h) with the images, one
// pair per set of the skin.
#pragma once

#include <windows.h>

#include <array>
#include <span>

#include "ui/main/main_layout.h"
#include "ui/skin/button_layout.h"
#include "ui/skin/choice.h"
#include "ui/skin/overlay_plan.h"
#include "ui/skin/skin_scale.h"

namespace main_window {

// The window's geometry in the pixels of the set at `scale`.
constexpr const layout::Layout& LayoutAt(skin::SkinScale scale) { return skin::AtScale(layout::kLayouts, scale); }

// OK, Cancel, reset, advanced, system time and world time.
using ActionButton = skin::ButtonLayout;

constexpr size_t kActionCount = layout::kLayouts[0].actions.size();

// In the order the hover overlay draws them: Cancel, system time, world time, reset, advanced, OK.
// Cancel is created first, the others after the Choice buttons, in this order too.
const std::array<ActionButton, kActionCount>& ActionButtons(skin::SkinScale scale = {});
// In creation order, which is also the order of the marker refresh. Only the resolution choices have a hover
// image and a selected image; the others show the Selection marker.
std::span<const skin::Choice> ChoiceButtons(skin::SkinScale scale = {});

// What the main window's overlay draws from: the two tables and its Selection marker.
const skin::OverlayTables& OverlayTables(skin::SkinScale scale = {});

// The main window's height in each set, for the choice of a set that fits the screen.
std::array<int, skin::kSkinScaleCount> MainWindowHeights();

}  // namespace main_window
