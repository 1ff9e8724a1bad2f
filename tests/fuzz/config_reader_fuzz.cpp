// config.txt as the settings reader and the check after writing read it.
#include <cstddef>
#include <cstdint>

#include "card/settings_file.h"
#include "card/settings_table.h"
#include "tests/fuzz/card_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  card::ClearSettings();
  {
    fuzz::CardBytes bytes(data, size);
    card::CardTextReader text(bytes.get());
    card::ReadSettingsText(text);
  }
  fuzz::CardBytes bytes(data, size);
  card::CardTextReader text(bytes.get());
  card::CheckSettingsText(text);
  return 0;
}
