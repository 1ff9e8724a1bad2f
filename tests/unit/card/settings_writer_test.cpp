#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "card/files/card_paths.h"
#include "card/tables/settings_file.h"
#include "card/tables/settings_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using cardtest::EntriesOf;
using cardtest::ReadBytes;
using Entries = std::vector<std::string>;
namespace fs = std::filesystem;

constexpr char kDefaultFile[] =
    "Resolution=0\r\nDate=1\r\nTime=1\r\nVoltage=1\r\nAccelerator=1\r\nDisplay MISC=1\r\n"
    "Driving Mode Accelerator=2\r\nParking Accelerator=2\r\nAuto Parking=1\r\nParking Motion=2\r\n"
    "Night Bright=3\r\nSpeaker Volume=3\r\nMIC Volume=2\r\nVideo Out Standard=0\r\nEncoding Profile=0\r\n"
    "Bit rate=0\r\nDriving Mode Frame=0\r\nParking Mode Frame=0\r\nParking Black and White=0\r\nVideo OUT=0\r\n"
    "GPS Speed Display=0\r\nMemory Partition=0\r\nPartition Territory=4\r\nTime zone=21\r\n";

constexpr char kOldFile[] = "Resolution=2\r\nTime zone=3\r\n";

class SettingsWriter : public cardtest::CardFolderTest {};

// A clock that, when the save asks it for the time, changes config.txt behind the save's back.
std::string g_configToChange;
card::LocalTime ClockThatChangesConfig() {
  cardtest::WriteBytes(g_configToChange, kOldFile);
  return {2024, 3, 5, 14, 7, 9};
}

TEST_F(SettingsWriter, DefaultsGiveExactly24CrLfLines) {
  card::ResetSettingsToDefaults();
  EXPECT_EQ(card::WriteSettings(sink_), card::SaveStep::kNone);
  EXPECT_EQ(sink_.failures, 0);
  EXPECT_EQ(ReadBytes(CardFile("config.txt")), kDefaultFile);
}

TEST_F(SettingsWriter, WritesSignedValuesWithoutPadding) {
  card::ResetSettingsToDefaults();
  card::SetSetting(card::kSpeakerVolume, -3);
  card::SetSetting(card::kDrivingModeAccelerator, 9);
  card::SetSetting(card::kTimeZone, INT32_MIN);
  card::SetSetting(card::kResolution, INT32_MAX);
  card::WriteSettings(sink_);
  const std::string text = ReadBytes(CardFile("config.txt"));
  EXPECT_NE(text.find("\r\nSpeaker Volume=-3\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nDriving Mode Accelerator=9\r\n"), std::string::npos);
  EXPECT_EQ(text.rfind("Resolution=2147483647\r\n", 0), 0u);
  EXPECT_TRUE(text.ends_with("\r\nTime zone=-2147483648\r\n"));
}

// Temporary files that saves cut off by a pulled card left behind go with the next good save; files that
// only look like them stay.
TEST_F(SettingsWriter, ReplacesALongerOldFileAndWritesTheClockFileWithNoTemporaryLeft) {
  cardtest::WriteBytes(CardFile("config.txt"), std::string(5000, 'z'));
  const Entries others = {"config.txt.1-2.tmp.old", "config.txt.12.tmp", "config.txt.tmp", "config.txt.x-1.tmp",
                          "my config.txt.1-2.tmp"};
  for (const char* name : {"config.txt.4711-3.tmp", "RTC_time.ini.12-1.tmp"}) cardtest::WriteBytes(CardFile(name), "");
  for (const std::string& name : others) cardtest::WriteBytes(CardFile(name), "");
  card::ResetSettingsToDefaults();
  card::WriteSettings(sink_);
  EXPECT_EQ(sink_.failures, 0);
  EXPECT_EQ(ReadBytes(CardFile("config.txt")), kDefaultFile);
  EXPECT_EQ(ReadBytes(CardFile("RTC_time.ini")).size(), 33u);
  Entries expected = {"RTC_time.ini", "config.txt"};
  expected.insert(expected.end(), others.begin(), others.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(EntriesOf(folder_.path()), expected);
}

TEST_F(SettingsWriter, WhatIsWrittenReadsBackToTheSameTable) {
  card::ResetSettingsToDefaults();
  card::SetSetting(card::kNightBright, 7);
  card::SetSetting(card::kSpeakerVolume, -1);
  card::SetSetting(card::kPartitionTerritory, 8);
  card::WriteSettings(sink_);
  card::SetTableValues({});
  card::ReadSettings();
  EXPECT_EQ(card::GetSetting(card::kNightBright), 7);
  EXPECT_EQ(card::GetSetting(card::kSpeakerVolume), -1);
  EXPECT_EQ(card::GetSetting(card::kPartitionTerritory), 8);
  EXPECT_EQ(card::GetSetting(card::kTimeZone), 21);
}

TEST_F(SettingsWriter, ASaveWhoseReadBackDiffersStopsAtTheCheck) {
  g_configToChange = CardFile("config.txt");
  const std::string clock = CardFile("RTC_time.ini");
  const card::SaveReport saved = card::SaveCard({g_configToChange.c_str(), clock.c_str()}, card::kDefaultSettingValues,
                                                card::SaveOrder::kClockThenCheck, ClockThatChangesConfig);
  EXPECT_EQ(saved.failed, card::SaveStep::kCheck);
}

// Read-only is the Windows attribute, or on POSIX a file without write permission (as FAT's attribute shows).
TEST_F(SettingsWriter, ReadOnlyOldFileIsReplacedByAnOrdinaryFile) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  fs::permissions(config, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  card::ResetSettingsToDefaults();
  EXPECT_EQ(cardtest::ReplaceCardSettings(), card::FileWrite::kWritten);
  EXPECT_EQ(ReadBytes(config), kDefaultFile);
  EXPECT_NE(fs::status(config).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{"config.txt"});
}

// An interrupted earlier save may have left temporary files that cannot be changed or removed, under any
// name; they neither block the save nor are they touched: the program removes only what it made itself.
TEST_F(SettingsWriter, LeftoversOfEarlierSavesDoNotMatter) {
  const Entries leftovers = {"RTC_time.ini.tmp", "config.txt.tmp"};
  for (const std::string& name : leftovers) cardtest::WriteBytes(CardFile(name), "half");
  cardtest::LockedFile clockLeftover(CardFile(leftovers[0])), configLeftover(CardFile(leftovers[1]));
  if (!clockLeftover.locked() || !configLeftover.locked()) GTEST_SKIP() << "files cannot be locked here";
  card::ResetSettingsToDefaults();
  for (int save = 0; save < 2; ++save) EXPECT_EQ(card::WriteSettings(sink_), card::SaveStep::kNone);
  EXPECT_EQ(ReadBytes(CardFile("config.txt")), kDefaultFile);
  EXPECT_EQ(EntriesOf(folder_.path()), (Entries{"RTC_time.ini", leftovers[0], "config.txt", leftovers[1]}));
}

TEST_F(SettingsWriter, LockedConfigStaysAsItWasAndNoClockIsWritten) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  card::ResetSettingsToDefaults();
  {
    cardtest::LockedFile locked(config);
    if (!locked.locked()) GTEST_SKIP() << "files cannot be locked here";
    EXPECT_TRUE(cardtest::ReplaceCardSettings().error) << "a reason is given";
    EXPECT_EQ(card::WriteSettings(sink_), card::SaveStep::kSettingsFile);
  }
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes(config), kOldFile);
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{"config.txt"});
}

TEST_F(SettingsWriter, MissingCardFolderIsReportedOnceAndNothingIsCreated) {
  const std::string pulled = folder_ / "pulled";
  card::SetCardFolder(pulled.c_str());
  card::ResetSettingsToDefaults();
  EXPECT_EQ(card::WriteSettings(sink_), card::SaveStep::kSettingsFile);
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_FALSE(cardtest::Exists(pulled));
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{});
}

class SettingsCheck : public SettingsWriter {
 protected:
  void SetUp() override {
    SettingsWriter::SetUp();
    card::ResetSettingsToDefaults();
    card::SetSetting(card::kNightBright, 4);
    card::WriteSettings(sink_);
    ASSERT_EQ(sink_.failures, 0);
    written_ = ReadBytes(CardFile("config.txt"));
  }
  card::SettingsCheck CheckWith(std::string_view bytes) {
    cardtest::WriteBytes(CardFile("config.txt"), bytes);
    return cardtest::CheckCardSettings().outcome;
  }
  static constexpr card::SettingsCheck kGood = card::SettingsCheck::kGood;
  static constexpr card::SettingsCheck kBad = card::SettingsCheck::kBad;
  std::string written_;
};

TEST_F(SettingsCheck, IsGoodForTheFileJustWritten) {
  EXPECT_EQ(cardtest::CheckCardSettings(), kGood);
  EXPECT_EQ(CheckWith(written_), kGood);
}

TEST_F(SettingsCheck, IsBadWhenTheFileIsMissing) {
  ASSERT_EQ(std::remove(CardFile("config.txt").c_str()), 0);
  const card::CardResult<card::SettingsCheck> check = cardtest::CheckCardSettings();
  EXPECT_EQ(check, kBad);
  EXPECT_TRUE(check.error);
}

TEST_F(SettingsCheck, IsBadForAnEmptyOrTruncatedFile) {
  EXPECT_EQ(CheckWith(""), kBad);
  EXPECT_EQ(CheckWith("\r\n" + written_), kBad);
  EXPECT_EQ(CheckWith(written_.substr(0, written_.rfind("Time zone"))), kBad);
  EXPECT_EQ(CheckWith(written_.substr(0, written_.size() - 1)), kBad);
  EXPECT_EQ(CheckWith(written_.substr(0, written_.size() - 2)), kBad) << "the last line end is missing";
  EXPECT_EQ(CheckWith(written_.substr(0, written_.size() - 2) + "\x1a"), kBad) << "0x1A is no line end";
}

TEST_F(SettingsCheck, IsBadForAForeignFile) {
  std::string otherValue = written_;
  otherValue.replace(otherValue.find("Night Bright=4"), 14, "Night Bright=3");
  EXPECT_EQ(CheckWith(otherValue), kBad);
  EXPECT_EQ(CheckWith(kOldFile), kBad);
  EXPECT_EQ(CheckWith(written_ + "Resolution=0\r\n"), kBad);
  EXPECT_EQ(CheckWith(written_ + "\r\n"), kBad);
  EXPECT_EQ(CheckWith(written_ + "x"), kBad);
}

TEST_F(SettingsCheck, IsBadWhenTheTableNoLongerMatchesTheFile) {
  card::SetSetting(card::kTimeZone, 20);
  EXPECT_EQ(cardtest::CheckCardSettings(), kBad);
}

}  // namespace
