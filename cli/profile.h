// A profile: the "Key=Value" lines that export writes and apply and diff read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/setting_assignment.h"

namespace cli {

struct Profile {
  std::vector<Assignment> assignments;  // in line order
  std::vector<std::string> errors;      // "NAME:LINE: reason", one for each bad line
};

// Lines end in LF or CR LF; blank lines and lines starting with "#" are skipped. Every other line must be an
// assignment as the command line takes it. `name` is how the errors name the profile.
Profile ParseProfile(std::string_view text, std::string_view name, bool force);

}  // namespace cli
