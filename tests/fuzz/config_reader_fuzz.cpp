// config.txt as the settings reader and the check after writing read it, from memory and from a stream: both
// sources must read the same.
#include <string_view>

#include "card/core/settings_text.h"
#include "tests/fuzz/card_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const card::SettingsRead fromMemory = card::ReadSettingsBytes(bytes);
  const fuzz::CardBytes stream = fuzz::OpenBytes(data, size);
  card::CardTextReader text(stream.get());
  const card::SettingsRead fromStream = card::ReadSettingsText(text);
  if (fromMemory.values != fromStream.values || fromMemory.named != fromStream.named) __builtin_trap();
  card::CheckSettingsBytes(bytes, fromMemory.values);
  return 0;
}
