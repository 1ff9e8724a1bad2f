// A profile: the "Key=Value" lines that dqcard export writes and that dqcard apply and diff and the browser
// page read, one reader for all of them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "card/core/setting_assignment.h"

namespace card {

struct Profile {
  std::vector<Assignment> assignments;  // in line order
  std::vector<AssignmentError> errors;  // reason "NAME:LINE: why", one for each bad line
};

// Lines end in LF or CR LF; blank lines and lines starting with "#" are skipped. Every other line must be an
// assignment as dqcard's command line takes it. `name` is how the errors name the profile.
Profile ParseProfile(std::string_view text, std::string_view name, bool force);

// The profile of a card's whole configuration: every row as "Key=Value" and LF, in table order.
std::string FormatProfile(const SettingValues& values);

}  // namespace card
