// ver.txt as the version reader reads it: the texts must stay within the Version table's records.
#include <cstring>
#include <string_view>

#include "card/core/version_text.h"
#include "card/tables/version_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const card::VersionTexts texts = card::ReadVersionBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  if (texts.model.size() > card::kVersionValueMax || texts.firmware.size() > card::kVersionValueMax) {
    __builtin_trap();
  }
  card::SetVersionTexts(texts);
  if (std::strlen(card::ModelText()) > card::kVersionValueMax) __builtin_trap();
  if (std::strlen(card::FirmwareText()) > card::kVersionValueMax) __builtin_trap();
  return 0;
}
