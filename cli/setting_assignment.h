// "KEY=VALUE" as the command line and profiles give it: which setting, which value, and whether the windows
// would offer that value.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "card/core/setting_rows.h"

namespace cli {

using card::SettingValues;

struct Assignment {
  card::SettingRow row;
  int32_t value;
};

// The row whose key matches ignoring case, with "-" or "_" standing for a blank; none when none does.
std::optional<card::SettingRow> MatchSettingKey(std::string_view text);

// A decimal number (numbers win) or the short name of a value, ignoring case. For a row that a window sets,
// a value no window offers is refused unless `force`. On failure, the reason as one line.
std::variant<Assignment, std::string> ParseAssignment(std::string_view text, bool force);

// Applies the assignments in order, so a later one for the same row wins. When they touch an advanced row
// and "Memory Partition" ends at 0, "Partition Territory" becomes 4, as confirming the advanced window does.
void ApplyAssignments(std::span<const Assignment> assignments, SettingValues& values);

// "1 (720p)", or just "7" for a value without a name.
std::string DescribeValue(card::SettingRow row, int32_t value);

}  // namespace cli
