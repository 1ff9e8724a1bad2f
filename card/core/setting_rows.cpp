#include "card/core/setting_rows.h"

namespace card {

int FindSettingRow(std::string_view key) {
  for (int row = 0; row < kSettingCount; ++row) {
    if (key == kSettingKeys[row]) return row;
  }
  return -1;
}

void ApplyPartitionRule(std::span<int32_t, kAdvancedCount> advanced) {
  if (advanced[kMemoryPartition - kFirstAdvancedRow] == 0) {
    advanced[kPartitionTerritory - kFirstAdvancedRow] = kDefaultSettingValues[kPartitionTerritory];
  }
}

}  // namespace card
