#include "card/core/settings_text.h"

#include <cstdio>

#include "card/core/card_line.h"

namespace card {
namespace {

std::string SettingLine(int row, int32_t value) { return std::string(kSettingKeys[row]) + "=" + std::to_string(value); }

}  // namespace

SettingsRead ReadSettingsText(CardTextReader& text, const SettingValues& start) {
  SettingsRead read{start, {}};
  char line[kLineCapacity];
  while (const size_t length = ReadCardLine(text, line)) {
    const int row = FindSettingRow(KeyOfLine(std::string_view(line, length)));
    if (row < 0) continue;
    read.values[row] = ParseTrailingNumber(line, length);
    read.named[row] = true;
  }
  return read;
}

SettingsRead ReadSettingsBytes(std::string_view bytes, const SettingValues& start) {
  CardTextReader text(bytes);
  return ReadSettingsText(text, start);
}

std::string FormatSettingsText(const SettingValues& values) {
  std::string text;
  for (int row = 0; row < kSettingCount; ++row) text += SettingLine(row, values[row]) + '\n';
  return text;
}

std::string FormatSettingsBytes(const SettingValues& values) { return ToCardText(FormatSettingsText(values)); }

SettingsCheck CheckSettingsText(CardTextReader& text, const SettingValues& values) {
  char line[kLineCapacity];
  for (int row = 0; row < kSettingCount; ++row) {
    const size_t length = ReadCardLine(text, line);
    if (std::string_view(line, length) != SettingLine(row, values[row])) return SettingsCheck::kBad;
  }
  // The last line must have ended with its line end, and nothing may follow it.
  const bool whole = !text.MetEnd() && text.Next() == EOF && !text.Failed();
  return whole ? SettingsCheck::kGood : SettingsCheck::kBad;
}

SettingsCheck CheckSettingsBytes(std::string_view bytes, const SettingValues& values) {
  CardTextReader text(bytes);
  return CheckSettingsText(text, values);
}

}  // namespace card
