// config.txt as the settings reader and the check after writing read it.
#include "card/settings_file.h"
#include "card/settings_table.h"
#include "tests/fuzz/card_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  card::ClearSettings();
  const fuzz::CardBytes bytes = fuzz::OpenBytes(data, size);
  card::CardTextReader text(bytes.get());
  card::ReadSettingsText(text);
  const fuzz::CardBytes again = fuzz::OpenBytes(data, size);
  card::CardTextReader checked(again.get());
  card::CheckSettingsText(checked);
  return 0;
}
