#include "card/core/settings_text.h"

#include <cstdio>

#include "card/core/card_line.h"

namespace card {
namespace {

std::string SettingLine(SettingRow row, int32_t value) {
  return std::string(kSettingKeys[row]) + "=" + std::to_string(value);
}

}  // namespace

SettingsRead ReadSettingsText(CardTextReader& text, const SettingValues& start) {
  SettingsRead read{start, {}};
  char line[kLineCapacity];
  while (const size_t length = ReadCardLine(text, line)) {
    const std::optional<SettingRow> row = FindSettingRow(KeyOfLine(std::string_view(line, length)));
    if (!row) continue;
    read.values[*row] = ParseTrailingNumber(line, length);
    read.named[*row] = true;
  }
  return read;
}

SettingsRead ReadSettingsBytes(std::string_view bytes, const SettingValues& start) {
  CardTextReader text(bytes);
  return ReadSettingsText(text, start);
}

std::string FormatSettingsText(const SettingValues& values) {
  std::string text;
  for (const SettingRow row : kSettingRows) text += SettingLine(row, values[row]) + '\n';
  return text;
}

std::string FormatSettingsBytes(const SettingValues& values) { return ToCardText(FormatSettingsText(values)); }

SettingsCheck CheckSettingsText(CardTextReader& text, const SettingValues& values) {
  char line[kLineCapacity];
  for (const SettingRow row : kSettingRows) {
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
