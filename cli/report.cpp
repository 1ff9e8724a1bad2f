#include "cli/report.h"

#include <cstdio>

namespace cli {

ExitStatus Report(const Failure& failure) {
  std::fprintf(stderr, "dqcard: %s\n", failure.message.c_str());
  return failure.status;
}

void Print(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

std::string ChangeLines(const SettingValues& before, const SettingValues& after) {
  std::string lines;
  for (int row = 0; row < card::kSettingCount; ++row) {
    if (before[row] == after[row]) continue;
    lines += std::string(card::kSettingKeys[row]) + ": " + DescribeValue(row, before[row]) + " -> " +
             DescribeValue(row, after[row]) + "\n";
  }
  return lines;
}

}  // namespace cli
