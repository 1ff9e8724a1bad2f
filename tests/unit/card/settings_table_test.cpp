#include "card/tables/settings_table.h"

#include <gtest/gtest.h>

#include "card/files/card_paths.h"
#include "card/tables/advanced_snapshot.h"
#include "card/tables/version_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

TEST(SettingsTable, FindsRowsByTheWholeKeyCaseSensitively) {
  EXPECT_EQ(card::FindSettingRow("Resolution"), card::kResolution);
  EXPECT_EQ(card::FindSettingRow("Time"), card::kTime);
  EXPECT_EQ(card::FindSettingRow("Time zone"), card::kTimeZone);
  EXPECT_EQ(card::FindSettingRow("MIC Volume"), card::kMicVolume);
  EXPECT_EQ(card::FindSettingRow("Video OUT"), card::kVideoOut);
  EXPECT_EQ(card::FindSettingRow("Video Out Standard"), card::kVideoOutStandard);
  EXPECT_EQ(card::FindSettingRow("time zone"), std::nullopt);
  EXPECT_EQ(card::FindSettingRow("Time zone "), std::nullopt);
  EXPECT_EQ(card::FindSettingRow("Time z"), std::nullopt);
  EXPECT_EQ(card::FindSettingRow(""), std::nullopt);
  EXPECT_EQ(card::FindSettingRow("Model"), std::nullopt);
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

TEST(CardState, ClearingLeavesNothingOfTheLastCard) {
  card::SetSetting(card::kTimeZone, 5);
  card::SetVersionValue("Model", "DQ-918LX");
  int32_t advanced[10] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  card::StoreAdvancedSnapshot(advanced);
  card::SetCardFolder("card");
  cardtest::ClearCardState();
  card::LoadAdvancedSnapshot(advanced);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(advanced[i], 0) << i;
  EXPECT_EQ(card::GetSetting(card::kTimeZone), 0);
  EXPECT_STREQ(card::ModelText(), "");
  EXPECT_STREQ(card::TheCardPaths().settingsFile, "");
}

}  // namespace
