// Whatever config.txt held, what the writer makes of the table reads back to the same table and passes the
// check after writing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "card/card_text.h"
#include "card/settings_file.h"
#include "card/settings_table.h"
#include "tests/fuzz/card_bytes.h"

namespace {

using Values = int32_t[card::kSettingCount];

void ReadInto(const std::string& cardBytes, Values& values) {
  card::ClearSettings();
  fuzz::CardBytes bytes(reinterpret_cast<const uint8_t*>(cardBytes.data()), cardBytes.size());
  card::CardTextReader text(bytes.get());
  card::ReadSettingsText(text);
  for (int row = 0; row < card::kSettingCount; ++row) values[row] = card::GetSetting(row);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Values first;
  ReadInto(std::string(reinterpret_cast<const char*>(data), size), first);
  const std::string written = card::ToCardText(card::FormatSettingsText());

  Values second;
  ReadInto(written, second);
  for (int row = 0; row < card::kSettingCount; ++row) {
    if (first[row] != second[row]) __builtin_trap();
  }
  fuzz::CardBytes bytes(reinterpret_cast<const uint8_t*>(written.data()), written.size());
  card::CardTextReader text(bytes.get());
  if (card::CheckSettingsText(text) != card::SettingsCheck::kGood) __builtin_trap();
  return 0;
}
