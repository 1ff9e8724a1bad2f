#include <gtest/gtest.h>
#include <windows.h>

#include "card/card_paths.h"
#include "card/settings_file.h"
#include "card/settings_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using cardtest::Attributes;
using cardtest::EntriesOf;
using cardtest::ReadBytes;
using Entries = std::vector<std::string>;

constexpr char kDefaultFile[] =
    "Resolution=0\r\nDate=1\r\nTime=1\r\nVoltage=1\r\nAccelerator=1\r\nDisplay MISC=1\r\n"
    "Driving Mode Accelerator=2\r\nParking Accelerator=2\r\nAuto Parking=1\r\nParking Motion=2\r\n"
    "Night Bright=3\r\nSpeaker Volume=3\r\nMIC Volume=2\r\nVideo Out Standard=0\r\nEncoding Profile=0\r\n"
    "Bit rate=0\r\nDriving Mode Frame=0\r\nParking Mode Frame=0\r\nParking Black and White=0\r\nVideo OUT=0\r\n"
    "GPS Speed Display=0\r\nMemory Partition=0\r\nPartition Territory=4\r\nTime zone=21\r\n";

constexpr char kOldFile[] = "Resolution=2\r\nTime zone=3\r\n";

class SettingsWriter : public cardtest::CardFolderTest {};

TEST_F(SettingsWriter, DefaultsGiveExactly24CrLfLines) {
  card::ResetSettingsToDefaults();
  card::WriteSettings(sink_);
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

TEST_F(SettingsWriter, ReplacesALongerOldFileAndWritesTheClockFileWithNoTemporaryLeft) {
  cardtest::WriteBytes(CardFile("config.txt"), std::string(5000, 'z'));
  card::ResetSettingsToDefaults();
  card::WriteSettings(sink_);
  EXPECT_EQ(sink_.failures, 0);
  EXPECT_EQ(ReadBytes(CardFile("config.txt")), kDefaultFile);
  EXPECT_EQ(ReadBytes(CardFile("RTC_time.ini")).size(), 33u);
  EXPECT_EQ(EntriesOf(folder_.path()), (Entries{"RTC_time.ini", "config.txt"}));
}

TEST_F(SettingsWriter, WhatIsWrittenReadsBackToTheSameTable) {
  card::ResetSettingsToDefaults();
  card::SetSetting(card::kNightBright, 7);
  card::SetSetting(card::kSpeakerVolume, -1);
  card::SetSetting(card::kPartitionTerritory, 8);
  card::WriteSettings(sink_);
  card::ClearSettings();
  card::ReadSettings();
  EXPECT_EQ(card::GetSetting(card::kNightBright), 7);
  EXPECT_EQ(card::GetSetting(card::kSpeakerVolume), -1);
  EXPECT_EQ(card::GetSetting(card::kPartitionTerritory), 8);
  EXPECT_EQ(card::GetSetting(card::kTimeZone), 21);
}

class SettingsWriterProtectedOldFile : public SettingsWriter, public testing::WithParamInterface<DWORD> {};

TEST_P(SettingsWriterProtectedOldFile, IsReplacedByAnOrdinaryFile) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  ASSERT_TRUE(cardtest::SetAttributes(config, GetParam()));
  ASSERT_EQ(Attributes(config) & GetParam(), GetParam()) << "the file system keeps no such attribute";
  card::ResetSettingsToDefaults();
  card::WriteSettings(sink_);
  EXPECT_EQ(sink_.failures, 0);
  EXPECT_EQ(ReadBytes(config), kDefaultFile);
  EXPECT_EQ(Attributes(config) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
  EXPECT_EQ(EntriesOf(folder_.path()), (Entries{"RTC_time.ini", "config.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Attributes, SettingsWriterProtectedOldFile,
                         testing::Values(FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM,
                                         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

TEST_F(SettingsWriter, MissingCardFolderIsReportedOnceAndNothingIsCreated) {
  const std::string pulled = folder_ / "pulled";
  card::SetCardFolder(pulled.c_str());
  card::ResetSettingsToDefaults();
  card::WriteSettings(sink_);
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_FALSE(cardtest::Exists(pulled));
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{});
}

TEST_F(SettingsWriter, FileHeldOpenByAnotherProgramStaysAsItWas) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  const HANDLE held = CreateFileA(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  card::ResetSettingsToDefaults();
  card::WriteSettings(sink_);
  CloseHandle(held);
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes(config), kOldFile);
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{"config.txt"});
}

TEST_F(SettingsWriter, ProtectedFileThatCannotBeReplacedGetsItsAttributesBack) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  constexpr DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(cardtest::SetAttributes(config, kProtected));
  const HANDLE held = CreateFileA(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  card::ResetSettingsToDefaults();
  card::WriteSettings(sink_);
  CloseHandle(held);
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes(config), kOldFile);
  EXPECT_EQ(Attributes(config) & kProtected, kProtected);
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{"config.txt"});
}

class SettingsCheck : public cardtest::CardFolderTest {
 protected:
  void SetUp() override {
    CardFolderTest::SetUp();
    card::ResetSettingsToDefaults();
    card::SetSetting(card::kNightBright, 4);
    card::WriteSettings(sink_);
    ASSERT_EQ(sink_.failures, 0);
    written_ = ReadBytes(CardFile("config.txt"));
  }
  int CheckWith(std::string_view bytes) {
    cardtest::WriteBytes(CardFile("config.txt"), bytes);
    return card::CheckSettings();
  }
  std::string written_;
};

TEST_F(SettingsCheck, IsGoodForTheFileJustWritten) { EXPECT_EQ(card::CheckSettings(), 0); }

TEST_F(SettingsCheck, IsBadWhenTheFileIsMissing) {
  ASSERT_TRUE(DeleteFileA(CardFile("config.txt").c_str()));
  EXPECT_EQ(card::CheckSettings(), 1);
}

TEST_F(SettingsCheck, IsBadForAnEmptyOrTruncatedFile) {
  EXPECT_EQ(CheckWith(""), 1);
  EXPECT_EQ(CheckWith("\r\n" + written_), 1);
  EXPECT_EQ(CheckWith(written_.substr(0, written_.rfind("Time zone"))), 1);
  EXPECT_EQ(CheckWith(written_.substr(0, written_.size() - 1)), 1);
  EXPECT_EQ(CheckWith(written_.substr(0, written_.size() - 2)), 1) << "the last line end is missing";
}

TEST_F(SettingsCheck, IsBadForAForeignFile) {
  std::string otherValue = written_;
  otherValue.replace(otherValue.find("Night Bright=4"), 14, "Night Bright=3");
  EXPECT_EQ(CheckWith(otherValue), 1);
  EXPECT_EQ(CheckWith(kOldFile), 1);
  EXPECT_EQ(CheckWith(written_ + "Resolution=0\r\n"), 1);
  EXPECT_EQ(CheckWith(written_ + "\r\n"), 1);
  EXPECT_EQ(CheckWith(written_ + "x"), 1);
}

TEST_F(SettingsCheck, IsBadWhenTheTableNoLongerMatchesTheFile) {
  card::SetSetting(card::kTimeZone, 20);
  EXPECT_EQ(card::CheckSettings(), 1);
}

}  // namespace
