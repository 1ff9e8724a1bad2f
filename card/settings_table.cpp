#include "card/settings_table.h"

namespace card {
namespace {

Setting g_table[kSettingCount] = {
    {"Resolution", 0},
    {"Date", 0},
    {"Time", 0},
    {"Voltage", 0},
    {"Accelerator", 0},
    {"Display MISC", 0},
    {"Driving Mode Accelerator", 0},
    {"Parking Accelerator", 0},
    {"Auto Parking", 0},
    {"Parking Motion", 0},
    {"Night Bright", 0},
    {"Speaker Volume", 0},
    {"MIC Volume", 0},
    {"Video Out Standard", 0},
    {"Encoding Profile", 0},
    {"Bit rate", 0},
    {"Driving Mode Frame", 0},
    {"Parking Mode Frame", 0},
    {"Parking Black and White", 0},
    {"Video OUT", 0},
    {"GPS Speed Display", 0},
    {"Memory Partition", 0},
    {"Partition Territory", 0},
    {"Time zone", 0},
};

constexpr int32_t kDefaults[kSettingCount] = {
    0,  1, 1, 1, 1, 1,           // resolution; date to display misc are carried through
    2,  2, 1, 2, 3, 3, 2,        // accelerators, parking, brightness, volumes
    0,  0, 0, 0, 0, 0, 0, 0, 0,  // advanced rows 13 to 21
    4,                           // partition territory
    21,                          // time zone UTC+09:00
};

}  // namespace

Setting* SettingsTable() { return g_table; }

int32_t GetSetting(int row) { return g_table[row].value; }

void SetSetting(int row, int32_t value) { g_table[row].value = value; }

int32_t SettingDefault(int row) { return kDefaults[row]; }

void ResetSettingsToDefaults() {
  for (int row = 0; row < kSettingCount; ++row) g_table[row].value = kDefaults[row];
}

void ClearSettings() {
  for (Setting& setting : g_table) setting.value = 0;
}

int FindSettingRow(const char* key) { return FindSettingRow(std::string_view(key)); }

int FindSettingRow(std::string_view key) {
  for (int row = 0; row < kSettingCount; ++row) {
    if (key == g_table[row].key) return row;
  }
  return -1;
}

}  // namespace card
