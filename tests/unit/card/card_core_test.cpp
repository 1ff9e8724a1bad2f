// The pure card core, as dqcard and the web page use it: bytes in, values out, and back, with no table.
#include <gtest/gtest.h>

#include <string>

#include "card/core/setting_rows.h"
#include "card/core/settings_description.h"
#include "card/core/settings_text.h"

namespace {

TEST(SettingsBytes, NameTheRowsTheFileSetsUpToTheFirstEmptyLineAndKeepTheOthers) {
  card::SettingValues start{};
  start[card::kDate] = 5;
  const card::SettingsRead read =
      card::ReadSettingsBytes("Time zone=3\r\nResolution=2\nBogus=1\r\n\r\nNight Bright=4\r\n", start);
  card::SettingValues values{};
  values[card::kDate] = 5;
  values[card::kResolution] = 2;
  values[card::kTimeZone] = 3;
  EXPECT_EQ(read.values, values);
  for (int row = 0; row < card::kSettingCount; ++row) {
    EXPECT_EQ(read.named[row], row == card::kResolution || row == card::kTimeZone) << row;
  }
}

TEST(SettingsBytes, CheckPassesOnlyTheExactBytesOfTheValues) {
  card::SettingValues values = card::kDefaultSettingValues;
  values[card::kSpeakerVolume] = -3;
  const std::string bytes = card::FormatSettingsBytes(values);
  ASSERT_TRUE(bytes.starts_with("Resolution=0\r\nDate=1\r\n"));
  ASSERT_NE(bytes.find("\r\nSpeaker Volume=-3\r\n"), std::string::npos);
  ASSERT_TRUE(bytes.ends_with("\r\nPartition Territory=4\r\nTime zone=21\r\n"));
  EXPECT_EQ(card::CheckSettingsBytes(bytes, values), card::SettingsCheck::kGood);
  EXPECT_EQ(card::CheckSettingsBytes(bytes + "\r\n", values), card::SettingsCheck::kBad);
  EXPECT_EQ(card::CheckSettingsBytes(bytes.substr(0, bytes.size() - 2), values), card::SettingsCheck::kBad);
  EXPECT_EQ(card::CheckSettingsBytes(bytes, card::kDefaultSettingValues), card::SettingsCheck::kBad);
}

TEST(SettingsDescription, StopsAtARowThatIsNone) {
  EXPECT_EQ(card::DescriptionOf(card::kTimeZone).row, card::kTimeZone);
  EXPECT_DEATH(card::DescriptionOf(static_cast<card::SettingRow>(card::kSettingCount)), "");
}

// The ten advanced values in the order of the Advanced snapshot: "Memory Partition" is the ninth.
TEST(PartitionRule, DefaultSplitStoresTheDefaultTerritory) {
  int32_t working[10] = {1, 2, 2, 3, 3, 1, 1, 2, 0, 7};
  card::ApplyPartitionRule(working);
  const int32_t expected[10] = {1, 2, 2, 3, 3, 1, 1, 2, 0, 4};
  for (int slot = 0; slot < 10; ++slot) EXPECT_EQ(working[slot], expected[slot]) << "slot " << slot;
}

TEST(PartitionRule, AnyOtherModeKeepsTheTerritory) {
  for (const int32_t mode : {1, 2, -1}) {
    int32_t working[10] = {0, 0, 0, 0, 0, 0, 0, 0, mode, 12};
    card::ApplyPartitionRule(working);
    EXPECT_EQ(working[8], mode);
    EXPECT_EQ(working[9], 12) << "mode " << mode;
  }
}

}  // namespace
