// Two skinned buttons side by side whose rectangles overlap by a few columns (the wider left button's
// frames end before its rectangle does).
#pragma once

#include "ui/skin/skin_button.h"

namespace dialogs {

// Gives the overlapping columns to the right button: they show its face, so a press there must reach it.
// Child windows created later lie lower in the z-order, and hit-testing picks the topmost; without this
// a press on the right button's left edge would click the left button.
void GiveOverlapToRightButton(const skin::CSkinButton& left, const skin::CSkinButton& right);

}  // namespace dialogs
