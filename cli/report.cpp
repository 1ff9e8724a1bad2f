#include "cli/report.h"

#include <cstdio>

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

std::string ChangeLines(const SettingValues& before, const SettingValues& after) {
  std::string lines;
  for (const card::SettingRow row : card::kSettingRows) {
    if (before[row] == after[row]) continue;
    lines += std::string(card::kSettingKeys[row]) + ": " + DescribeValue(row, before[row]) + " -> " +
             DescribeValue(row, after[row]) + "\n";
  }
  return lines;
}

}  // namespace cli
