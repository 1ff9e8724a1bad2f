// The main window's buttons: where each one sits, which images it shows and, for a Choice button, which
// value it writes into which setting and when it shows as selected. Creation, clicks, the marker refresh and the
// hover overlay all read these two tables, which the skin generator writes (main_layout.h) with the images.
#pragma once

#include <windows.h>

#include <array>
#include <span>

#include "ui/main/main_layout.h"
#include "ui/skin/button_layout.h"
#include "ui/skin/choice.h"
#include "ui/skin/overlay_plan.h"

namespace main_window {

// The skin is drawn at 100 %.
inline constexpr const layout::Layout& kLayout = layout::kLayouts[0];

// OK, Cancel, reset, advanced, system time and world time.
using ActionButton = skin::ButtonLayout;

constexpr size_t kActionCount = kLayout.actions.size();

// In the order the hover overlay draws them: Cancel, system time, world time, reset, advanced, OK.
// Cancel is created first, the others after the Choice buttons, in this order too.
const std::array<ActionButton, kActionCount>& ActionButtons();
// In creation order, which is also the order of the marker refresh. Only the resolution choices have a hover
// image and a selected image; the others show the Selection marker.
std::span<const skin::Choice> ChoiceButtons();

// What the main window's overlay draws from: the two tables and its Selection marker.
const skin::OverlayTables& OverlayTables();

// The Choice buttons' control identifiers: the commands the window handles as a choice.
std::span<const UINT> ChoiceIds();

}  // namespace main_window
