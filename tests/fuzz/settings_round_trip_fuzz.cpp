// Whatever config.txt held, what the writer makes of its values reads back to the same values and passes the
// check after writing.
#include <string>
#include <string_view>

#include "card/core/settings_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const card::SettingValues first =
      card::ReadSettingsBytes(std::string_view(reinterpret_cast<const char*>(data), size)).values;
  const std::string written = card::FormatSettingsBytes(first);
  if (card::ReadSettingsBytes(written).values != first) __builtin_trap();
  if (card::CheckSettingsBytes(written, first) != card::SettingsCheck::kGood) __builtin_trap();
  return 0;
}
