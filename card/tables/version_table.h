// Model and firmware texts of the camera, filled from ver.txt.
#pragma once

#include <string_view>

#include "card/core/version_text.h"

namespace card {

enum VersionRecord : int { kModelRecord = 0, kFirmwareRecord };

constexpr int kVersionRecordCount = 2;

// Value of a record ("" until set); the record's key is "Model" or "Version".
const char* VersionValue(int record);
const char* VersionKey(int record);
const char* ModelText();
const char* FirmwareText();

// Sets the value of the record whose key matches exactly; a longer value keeps its first kVersionValueMax
// characters. Returns false when the key names no record.
bool SetVersionValue(std::string_view key, std::string_view value);

// Both values from `texts` (each cut to kVersionValueMax characters).
void SetVersionTexts(const VersionTexts& texts);
VersionTexts TheVersionTexts();

}  // namespace card
