// The memory partition arithmetic: the slider's 0..80 position against the 0..8 "Partition Territory".
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "card/settings_table.h"

namespace advanced {

constexpr int kDefaultSliderPosition = 40;  // the middle, where the default split stands
constexpr int32_t kDefaultTerritory = 4;    // stored for the default split on a confirmed OK
constexpr RECT kSliderRect{66, 645, 66 + 313, 645 + 8};

// Rounds half up to the nearest territory: 0-4 give 0, 5-14 give 1, ..., 75-80 give 8.
int32_t TerritoryFromSliderPosition(int position);

// Where the Thumb settles for a territory: ten times it. A territory from the card far outside 0..8 is
// saturated rather than overflowed.
int SnappedSliderPosition(int32_t territory);

// The confirmation rule: with "Memory Partition" 0 the territory is stored as the default.
void ApplyConfirmationRule(std::span<int32_t, card::kAdvancedCount> working);

}  // namespace advanced
