#include "card/settings_table.h"

#include <gtest/gtest.h>

#include "card/advanced_snapshot.h"
#include "card/version_table.h"

namespace {

TEST(SettingsTable, FindsRowsByTheWholeKeyCaseSensitively) {
  EXPECT_EQ(card::FindSettingRow("Resolution"), card::kResolution);
  EXPECT_EQ(card::FindSettingRow("Time"), card::kTime);
  EXPECT_EQ(card::FindSettingRow("Time zone"), card::kTimeZone);
  EXPECT_EQ(card::FindSettingRow("MIC Volume"), card::kMicVolume);
  EXPECT_EQ(card::FindSettingRow("Video OUT"), card::kVideoOut);
  EXPECT_EQ(card::FindSettingRow("Video Out Standard"), card::kVideoOutStandard);
  EXPECT_EQ(card::FindSettingRow("time zone"), -1);
  EXPECT_EQ(card::FindSettingRow("Time zone "), -1);
  EXPECT_EQ(card::FindSettingRow("Time z"), -1);
  EXPECT_EQ(card::FindSettingRow(""), -1);
  EXPECT_EQ(card::FindSettingRow("Model"), -1);
}

TEST(SettingsTable, ResetStoresTheDefaultsAndClearStoresZeros) {
  card::ClearSettings();
  card::ResetSettingsToDefaults();
  EXPECT_EQ(card::GetSetting(card::kResolution), 0);
  EXPECT_EQ(card::GetSetting(card::kDate), 1);
  EXPECT_EQ(card::GetSetting(card::kMicVolume), 2);
  EXPECT_EQ(card::GetSetting(card::kGpsSpeedDisplay), 0);
  EXPECT_EQ(card::GetSetting(card::kPartitionTerritory), 4);
  EXPECT_EQ(card::GetSetting(card::kTimeZone), 21);
  card::ClearSettings();
  for (int row = 0; row < card::kSettingCount; ++row) EXPECT_EQ(card::GetSetting(row), 0) << row;
}

TEST(AdvancedSnapshot, StoreAndLoadCopyAllTenValues) {
  int32_t stored[10] = {1, 2, 0, 3, 3, 1, 1, 2, 1, 7};
  card::StoreAdvancedSnapshot(stored);
  stored[0] = 99;  // the snapshot is a copy, not a view
  int32_t loaded[10] = {};
  card::LoadAdvancedSnapshot(loaded);
  const int32_t expected[10] = {1, 2, 0, 3, 3, 1, 1, 2, 1, 7};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(loaded[i], expected[i]) << i;
}

TEST(VersionTable, SetsOnlyTheTwoKnownKeysAndKeeps63Characters) {
  card::ClearVersionValues();
  EXPECT_TRUE(card::SetVersionValue("Model", "DQ-918LX"));
  EXPECT_TRUE(card::SetVersionValue("Version", std::string(80, '7')));
  EXPECT_FALSE(card::SetVersionValue("model", "x"));
  EXPECT_STREQ(card::ModelText(), "DQ-918LX");
  EXPECT_EQ(std::string(card::FirmwareText()), std::string(63, '7'));
  EXPECT_STREQ(card::VersionKey(card::kModelRecord), "Model");
  EXPECT_STREQ(card::VersionKey(card::kFirmwareRecord), "Version");
}

}  // namespace
