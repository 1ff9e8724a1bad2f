// The confirmed values of the ten advanced settings (rows 13 to 22) while the windows are open; the
// Settings table catches up with them only when the user applies.
#pragma once

#include <cstdint>

#include "card/tables/settings_table.h"

namespace card {

using AdvancedValues = int32_t[kAdvancedCount];

// Both copy all ten values at once. The snapshot holds zeros until the first store.
void StoreAdvancedSnapshot(const AdvancedValues& values);
void LoadAdvancedSnapshot(AdvancedValues& values);

}  // namespace card
