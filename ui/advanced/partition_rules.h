// The memory partition arithmetic: the slider's 0..80 position against the 0..8 "Partition Territory" (the
// rule that confirms them is the card's: card::ApplyPartitionRule).
#pragma once

#include <windows.h>

#include <cstdint>

namespace advanced {

constexpr int kDefaultSliderPosition = 40;  // the middle, where the default split stands

// Rounds half up to the nearest territory: 0-4 give 0, 5-14 give 1, ..., 75-80 give 8.
int32_t TerritoryFromSliderPosition(int position);

// Where the Thumb settles for a territory: ten times it. A territory from the card far outside 0..8 is
// saturated rather than overflowed.
int SnappedSliderPosition(int32_t territory);

}  // namespace advanced
