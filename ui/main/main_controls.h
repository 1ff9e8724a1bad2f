// The main window's buttons: where each one sits, which images it shows and, for a Choice button, which
// value it writes into which setting. Creation, clicks, the marker refresh and the hover overlay all read
// these two tables, so a position or an image is stated once.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>

#include "ui/skin/button_layout.h"

namespace main_window {

// OK, Cancel, reset, advanced, system time and world time.
using ActionButton = skin::ButtonLayout;

// One choice of a Setting group: a click writes `value` into the Settings table row `row`. Its normal image
// is also drawn by the overlay while the choice is not selected; only the resolution choices have a hover image.
struct ChoiceButton : skin::ButtonLayout {
  int row;
  int32_t value;
  UINT selectedImage;  // drawn over the whole button while selected; 0: the Selection marker instead
  POINT marker;        // where the Selection marker goes
  // Also shown as selected while the stored value matches no choice of the group.
  bool markedWhenUnmatched;
};

constexpr int kActionCount = 6;
constexpr int kChoiceCount = 33;
constexpr int kHoverChoiceCount = 3;  // the resolution choices

// In the order the hover overlay draws them: Cancel, system time, world time, reset, advanced, OK.
// Cancel is created first, the others after the Choice buttons, in this order too.
const std::array<ActionButton, kActionCount>& ActionButtons();
// In creation order, which is also the order of the marker refresh.
const std::array<ChoiceButton, kChoiceCount>& ChoiceButtons();

// The Choice button with this control ID, or null.
const ChoiceButton* FindChoice(UINT id);

// Every bitmap that the overlay draws: the normal and hover images of the action buttons, the faces and
// hover and selected images of the choices, and the Selection marker.
std::span<const UINT> OverlayBitmapIds();

}  // namespace main_window
