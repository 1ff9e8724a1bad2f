// The confirmed values of the ten advanced settings (rows 13 to 22) while the windows are open; the
// Settings table catches up with them only when the user applies.
#pragma once

#include <cstdint>

namespace card {

using AdvancedValues = int32_t[10];

// Both copy all ten values at once. The snapshot holds zeros until the first store.
void StoreAdvancedSnapshot(const int32_t (&values)[10]);
void LoadAdvancedSnapshot(int32_t (&values)[10]);

}  // namespace card
