// Whatever config.txt held, what the writer makes of the table reads back to the same table and passes the
// check after writing.
#include <array>
#include <string>

#include "card/settings_file.h"
#include "card/settings_table.h"
#include "tests/fuzz/card_bytes.h"

static std::array<int32_t, card::kSettingCount> ReadTable(const void* data, size_t size) {
  card::ClearSettings();
  const fuzz::CardBytes bytes = fuzz::OpenBytes(data, size);
  card::CardTextReader text(bytes.get());
  card::ReadSettingsText(text);
  std::array<int32_t, card::kSettingCount> values;
  for (int row = 0; row < card::kSettingCount; ++row) values[row] = card::GetSetting(row);
  return values;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto first = ReadTable(data, size);
  const std::string written = card::ToCardText(card::FormatSettingsText());
  if (ReadTable(written.data(), written.size()) != first) __builtin_trap();
  const fuzz::CardBytes bytes = fuzz::OpenBytes(written.data(), written.size());
  card::CardTextReader text(bytes.get());
  if (card::CheckSettingsText(text) != card::SettingsCheck::kGood) __builtin_trap();
  return 0;
}
