#include "card/tables/version_table.h"

#include <cstring>

namespace card {
namespace {

struct VersionEntry {
  char key[64];
  char value[kVersionValueMax + 1];
};

VersionEntry g_versions[kVersionRecordCount] = {{"Model", ""}, {"Version", ""}};

}  // namespace

const char* VersionValue(int record) { return g_versions[record].value; }

const char* VersionKey(int record) { return g_versions[record].key; }

const char* ModelText() { return VersionValue(kModelRecord); }

const char* FirmwareText() { return VersionValue(kFirmwareRecord); }

bool SetVersionValue(std::string_view key, std::string_view value) {
  for (VersionEntry& entry : g_versions) {
    if (key != entry.key) continue;
    const std::string_view kept = value.substr(0, kVersionValueMax);
    std::memcpy(entry.value, kept.data(), kept.size());
    entry.value[kept.size()] = '\0';
    return true;
  }
  return false;
}

void SetVersionTexts(const VersionTexts& texts) {
  SetVersionValue("Model", texts.model);
  SetVersionValue("Version", texts.firmware);
}

VersionTexts TheVersionTexts() { return {ModelText(), FirmwareText()}; }

}  // namespace card
