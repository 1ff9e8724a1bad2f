#include "cli/profile.h"

namespace cli {
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
    const auto parsed = ParseAssignment(line, force);
    if (const Assignment* assignment = std::get_if<Assignment>(&parsed)) {
      profile.assignments.push_back(*assignment);
    } else {
      profile.errors.push_back(std::string(name) + ":" + std::to_string(number) + ": " + std::get<std::string>(parsed));
    }
  }
  return profile;
}

}  // namespace cli
