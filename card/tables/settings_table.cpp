#include "card/tables/settings_table.h"

#include <array>

namespace card {
namespace {

constexpr std::array<Setting, kSettingCount> MakeTable() {
  std::array<Setting, kSettingCount> table{};
  for (int row = 0; row < kSettingCount; ++row) {
    const std::string_view key = kSettingKeys[row];
    for (size_t i = 0; i < key.size(); ++i) table[row].key[i] = key[i];
  }
  return table;
}

constinit std::array<Setting, kSettingCount> g_table = MakeTable();

}  // namespace

Setting* SettingsTable() { return g_table.data(); }

int32_t GetSetting(SettingRow row) { return g_table[row].value; }

void SetSetting(SettingRow row, int32_t value) { g_table[row].value = value; }

int32_t SettingDefault(SettingRow row) { return kDefaultSettingValues[row]; }

void ResetSettingsToDefaults() { SetTableValues(kDefaultSettingValues); }

SettingValues TableValues() {
  SettingValues values;
  for (int row = 0; row < kSettingCount; ++row) values[row] = g_table[row].value;
  return values;
}

void SetTableValues(const SettingValues& values) {
  for (int row = 0; row < kSettingCount; ++row) g_table[row].value = values[row];
}

}  // namespace card
