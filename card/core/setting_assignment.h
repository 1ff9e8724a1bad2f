// "KEY=VALUE" as dqcard's command line and profiles give it: which setting, which value, and whether the
// windows would offer that value. Pure, so that dqcard and the browser page read assignments alike.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "card/core/setting_rows.h"

namespace card {

struct Assignment {
  SettingRow row;
  int32_t value;
};

// Why an assignment was refused, as one line. A value that no window offers for a row a window sets is
// refused unless forced: `notOffered` tells the caller it may say how to force it.
struct AssignmentError {
  std::string reason;
  bool notOffered = false;
};

// The row whose key matches ignoring case, with "-" or "_" standing for a blank; none when none does.
std::optional<SettingRow> MatchSettingKey(std::string_view text);

// A decimal number (numbers win) or the short name of a value, ignoring case. For a row that a window sets,
// a value no window offers is refused unless `force`.
std::variant<Assignment, AssignmentError> ParseAssignment(std::string_view text, bool force);

// Applies the assignments in order, so a later one for the same row wins. When they touch an advanced row
// and "Memory Partition" ends at 0, "Partition Territory" becomes 4, as confirming the advanced window does.
void ApplyAssignments(std::span<const Assignment> assignments, SettingValues& values);

// "1 (720p)", or just "7" for a value without a name.
std::string DescribeValue(SettingRow row, int32_t value);

}  // namespace card
