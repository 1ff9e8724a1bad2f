#include "card/core/profile_text.h"

namespace card {
namespace {

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

Profile ParseProfile(std::string_view text, std::string_view name, bool force) {
  Profile profile;
  size_t number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (IsBlank(line) || line.front() == '#') continue;
    auto parsed = ParseAssignment(line, force);
    if (const Assignment* assignment = std::get_if<Assignment>(&parsed)) {
      profile.assignments.push_back(*assignment);
    } else {
      AssignmentError& error = std::get<AssignmentError>(parsed);
      error.reason = std::string(name) + ":" + std::to_string(number) + ": " + error.reason;
      profile.errors.push_back(std::move(error));
    }
  }
  return profile;
}

std::string FormatProfile(const SettingValues& values) {
  std::string profile;
  for (const SettingRow row : kSettingRows) {
    profile += std::string(kSettingKeys[row]) + "=" + std::to_string(values[row]) + "\n";
  }
  return profile;
}

}  // namespace card
