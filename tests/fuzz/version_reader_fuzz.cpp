// ver.txt as the version reader reads it: the values must stay within the Version table's records.
#include <cstring>

#include "card/version_file.h"
#include "card/version_table.h"
#include "tests/fuzz/card_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  card::ClearVersionValues();
  const fuzz::CardBytes bytes = fuzz::OpenBytes(data, size);
  card::CardTextReader text(bytes.get());
  card::ReadVersionText(text);
  if (std::strlen(card::ModelText()) > card::kVersionValueMax) __builtin_trap();
  if (std::strlen(card::FirmwareText()) > card::kVersionValueMax) __builtin_trap();
  return 0;
}
