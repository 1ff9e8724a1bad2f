// The process-wide Settings table that the windows read and change: 24 rows of key and value in the fixed
// order of config.txt. Rows, keys and defaults themselves are plain data in setting_rows.h.
#pragma once

#include <cstdint>
#include <string_view>

#include "card/core/setting_rows.h"

namespace card {

struct Setting {
  char key[64];  // zero-terminated, exactly as written in config.txt
  int32_t value;
};

// The process-wide table of kSettingCount rows; keys never change.
Setting* SettingsTable();

int32_t GetSetting(SettingRow row);
void SetSetting(SettingRow row, int32_t value);
int32_t SettingDefault(SettingRow row);
void ResetSettingsToDefaults();

// All 24 values at once, in row order.
SettingValues TableValues();
void SetTableValues(const SettingValues& values);

}  // namespace card
