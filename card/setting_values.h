// The values that the windows offer for each setting, with the short name of each value: the one list that
// the command line shows and accepts. The captions drawn on the buttons may say more, but each contains its
// value's short name.
#pragma once

#include <cstdint>
#include <span>

namespace card {

struct ValueName {
  int32_t value;
  const char* name;  // no blanks and never only digits, so that a number is never taken for a name
};

// Every value a window lets the user pick for `row`, in value order; empty for the rows that no window sets
// ("Date" to "Display MISC" and "Encoding Profile"), which keep whatever the card's file says.
std::span<const ValueName> OfferedValues(int row);

// Whether some window sets `row`.
bool IsOfferedByWindow(int row);

// The short name of `value` in `row`, or null when no window offers that value.
const char* NameOfValue(int row, int32_t value);

}  // namespace card
