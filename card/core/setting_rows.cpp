#include "card/core/setting_rows.h"

namespace card {

std::optional<SettingRow> FindSettingRow(std::string_view key) {
  for (const SettingRow row : kSettingRows) {
    if (key == kSettingKeys[row]) return row;
  }
  return std::nullopt;
}

void ApplyPartitionRule(std::span<int32_t, kAdvancedCount> advanced) {
  if (advanced[kMemoryPartition - kFirstAdvancedRow] == 0) {
    advanced[kPartitionTerritory - kFirstAdvancedRow] = kDefaultSettingValues[kPartitionTerritory];
  }
}

}  // namespace card
