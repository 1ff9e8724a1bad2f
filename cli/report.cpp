#include "cli/report.h"

#include <cstdio>

#include "card/core/setting_assignment.h"
#include "cli/escaped_text.h"

namespace cli {

ExitStatus Report(const Failure& failure) {
  const std::string line = "dqcard: " + TerminalText(failure.message) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  return failure.status;
}

void Print(std::string_view text) {
  const std::string shown = TerminalText(text);
  std::fwrite(shown.data(), 1, shown.size(), stdout);
}

std::string ChangeLines(const card::SettingValues& before, const card::SettingValues& after) {
  std::string lines;
  for (const card::SettingRow row : card::kSettingRows) {
    if (before[row] == after[row]) continue;
    lines += std::string(card::kSettingKeys[row]) + ": " + card::DescribeValue(row, before[row]) + " -> " +
             card::DescribeValue(row, after[row]) + "\n";
  }
  return lines;
}

}  // namespace cli
