// The settings writer against what only Windows has: file attributes.
#include <gtest/gtest.h>
#include <windows.h>

#include "card/core/card_text.h"
#include "card/tables/settings_file.h"
#include "card/tables/settings_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using cardtest::EntriesOf;
using cardtest::ReadBytes;
using Entries = std::vector<std::string>;

constexpr char kOldFile[] = "Resolution=2\r\nTime zone=3\r\n";

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

class SettingsWriterProtectedOldFile : public cardtest::CardFolderTest, public testing::WithParamInterface<DWORD> {};

TEST_P(SettingsWriterProtectedOldFile, IsReplacedByAnOrdinaryFile) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), GetParam()));
  ASSERT_EQ(Attributes(config) & GetParam(), GetParam()) << "the file system keeps no such attribute";
  card::ResetSettingsToDefaults();
  EXPECT_EQ(card::WriteSettings(sink_), card::SaveStep::kNone);
  EXPECT_EQ(sink_.failures, 0);
  EXPECT_EQ(ReadBytes(config), card::FormatSettingsBytes(card::TableValues()));
  EXPECT_EQ(Attributes(config) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
  EXPECT_EQ(EntriesOf(folder_.path()), (Entries{"RTC_time.ini", "config.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Attributes, SettingsWriterProtectedOldFile,
                         testing::Values(FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM,
                                         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

using ClockFileAttributes = cardtest::CardFolderTest;

TEST_F(ClockFileAttributes, HiddenSystemClockFileStaysSo) {
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const std::string clock = CardFile("RTC_time.ini");
  cardtest::WriteBytes(clock, "RTC Time Setting=19990101000000\r\n");
  ASSERT_TRUE(SetFileAttributesA(clock.c_str(), kKept));
  card::ResetSettingsToDefaults();
  EXPECT_EQ(card::WriteSettings(sink_), card::SaveStep::kNone);
  EXPECT_EQ(Attributes(clock) & kKept, kKept);
  EXPECT_NE(ReadBytes(clock), "RTC Time Setting=19990101000000\r\n");
  EXPECT_EQ(EntriesOf(folder_.path()), (Entries{"RTC_time.ini", "config.txt"}));
}

using SettingsWriterHeldFile = cardtest::CardFolderTest;

TEST_F(SettingsWriterHeldFile, ProtectedConfigThatCannotBeReplacedGetsItsAttributesBack) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  constexpr DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), kProtected));
  card::ResetSettingsToDefaults();
  {
    cardtest::LockedFile held(config);
    ASSERT_TRUE(held.locked());
    card::WriteSettings(sink_);
  }
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes(config), kOldFile);
  EXPECT_EQ(Attributes(config) & kProtected, kProtected);
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{"config.txt"});
}

}  // namespace
