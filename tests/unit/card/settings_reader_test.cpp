#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>

#include "card/tables/settings_file.h"
#include "card/tables/settings_table.h"
#include "card/tables/version_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

class SettingsReader : public cardtest::CardFolderTest {
 protected:
  void ReadConfig(std::string_view bytes) {
    cardtest::WriteBytes(CardFile("config.txt"), bytes);
    card::ReadSettings();
  }
  // Rows other than `except` still hold the 0 they had before reading.
  void ExpectOtherRowsZero(std::initializer_list<int> except) {
    for (const card::SettingRow row : card::kSettingRows) {
      if (std::find(except.begin(), except.end(), row) != except.end()) continue;
      EXPECT_EQ(card::GetSetting(row), 0) << row;
    }
  }
};

TEST_F(SettingsReader, MissingFileGivesTheDefaultsAndStillReadsTheVersionFile) {
  cardtest::WriteBytes(CardFile("ver.txt"), "Model=DQ-918LX\r\n");
  const card::CardFilesRead read = card::ReadSettings();
  EXPECT_EQ(read.settings, card::FileRead::kMissing);
  EXPECT_EQ(read.version, card::FileRead::kRead);
  for (const card::SettingRow row : card::kSettingRows)
    EXPECT_EQ(card::GetSetting(row), card::SettingDefault(row)) << row;
  EXPECT_STREQ(card::ModelText(), "DQ-918LX");
}

// The windows go on with the defaults as for a missing file; the result tells the difference.
TEST_F(SettingsReader, FileThatCannotBeReadIsUnreadableAndGivesTheDefaults) {
  std::filesystem::create_directory(CardFile("config.txt"));
  const card::CardFilesRead read = card::ReadSettings();
  EXPECT_EQ(read.settings, card::FileRead::kUnreadable);
  EXPECT_TRUE(read.settings.error) << "a reason is given";
  EXPECT_EQ(card::GetSetting(card::kTimeZone), 21);
}

TEST_F(SettingsReader, ReadsTheVersionFileAfterTheSettings) {
  cardtest::WriteBytes(CardFile("ver.txt"), "Version=2.1\r\n");
  cardtest::WriteBytes(CardFile("config.txt"), "Resolution=1\r\n");
  EXPECT_EQ(card::ReadSettings().settings, card::FileRead::kRead);
  EXPECT_EQ(card::GetSetting(card::kResolution), 1);
  EXPECT_STREQ(card::FirmwareText(), "2.1");
}

TEST_F(SettingsReader, RowsMissingFromTheFileKeepZeroNotTheirDefault) {
  ReadConfig("Night Bright=4\r\nTime zone=3\r\n");
  EXPECT_EQ(card::GetSetting(card::kNightBright), 4);
  EXPECT_EQ(card::GetSetting(card::kTimeZone), 3);
  ExpectOtherRowsZero({card::kNightBright, card::kTimeZone});
}

TEST_F(SettingsReader, LinesInAnyOrderWithLfOnlyEndsReadLikeCrLf) {
  ReadConfig("Time zone=5\nResolution=2\nMIC Volume=0\nDate=7\n");
  EXPECT_EQ(card::GetSetting(card::kTimeZone), 5);
  EXPECT_EQ(card::GetSetting(card::kResolution), 2);
  EXPECT_EQ(card::GetSetting(card::kDate), 7);
  ExpectOtherRowsZero({card::kTimeZone, card::kResolution, card::kDate});
}

TEST_F(SettingsReader, LaterDuplicateWins) {
  ReadConfig("Resolution=2\r\nNight Bright=1\r\nResolution=1\r\n");
  EXPECT_EQ(card::GetSetting(card::kResolution), 1);
}

TEST_F(SettingsReader, UnknownAndDifferentlyCasedKeysAreIgnored) {
  ReadConfig("Foo=5\r\nresolution=2\r\nResolution =3\r\nModel=9\r\nNight Bright=4\r\n");
  EXPECT_EQ(card::GetSetting(card::kNightBright), 4);
  ExpectOtherRowsZero({card::kNightBright});
}

TEST_F(SettingsReader, ValuesComeFromTheEndOfTheLine) {
  ReadConfig("Speaker Volume=-3\r\nResolution=3=4\r\nParking Motion=abc2\r\nNight Bright=4 \r\nMIC Volume=+2\r\n");
  EXPECT_EQ(card::GetSetting(card::kSpeakerVolume), -3);
  EXPECT_EQ(card::GetSetting(card::kResolution), 4);
  EXPECT_EQ(card::GetSetting(card::kParkingMotion), 2);
  EXPECT_EQ(card::GetSetting(card::kNightBright), 0);
  EXPECT_EQ(card::GetSetting(card::kMicVolume), 2);
}

TEST_F(SettingsReader, KeyWithoutEqualsMatchesAndStoresZero) {
  card::SetSetting(card::kTimeZone, 21);
  ReadConfig("Time zone\r\n");
  EXPECT_EQ(card::GetSetting(card::kTimeZone), 0);
}

TEST_F(SettingsReader, OutOfDomainValuesAreKept) {
  ReadConfig("Driving Mode Accelerator=9\r\nNight Bright=7\r\n");
  EXPECT_EQ(card::GetSetting(card::kDrivingModeAccelerator), 9);
  EXPECT_EQ(card::GetSetting(card::kNightBright), 7);
}

TEST_F(SettingsReader, EmptyLineStopsTheReading) {
  ReadConfig("Resolution=1\r\nDate=2\r\n\r\nTime=3\r\nTime zone=4\r\n");
  EXPECT_EQ(card::GetSetting(card::kResolution), 1);
  EXPECT_EQ(card::GetSetting(card::kDate), 2);
  ExpectOtherRowsZero({card::kResolution, card::kDate});
}

TEST_F(SettingsReader, CtrlZEndsTheFile) {
  ReadConfig("Resolution=1\r\n\x1aNight Bright=4\r\n");
  EXPECT_EQ(card::GetSetting(card::kResolution), 1);
  EXPECT_EQ(card::GetSetting(card::kNightBright), 0);
}

TEST_F(SettingsReader, RestOfA1200CharacterLineIsReadAsALineOfItsOwn) {
  // The cut falls right before "Resolution=", so the rest of the physical line sets a row.
  const std::string rest = "Resolution=" + std::string(189, 'a') + "2";
  ASSERT_EQ(999 + rest.size(), 1200u);
  ReadConfig(std::string(999, 'x') + rest + "\r\nNight Bright=3\r\n");
  EXPECT_EQ(card::GetSetting(card::kResolution), 2);
  EXPECT_EQ(card::GetSetting(card::kNightBright), 3);
}

TEST_F(SettingsReader, LineOf999CharactersEndsTheReading) {
  ReadConfig("Date=5\r\nTime=" + std::string(994, '1') + "\r\nNight Bright=3\r\n");
  EXPECT_EQ(card::GetSetting(card::kDate), 5);
  EXPECT_EQ(card::GetSetting(card::kTime), INT32_MAX);
  EXPECT_EQ(card::GetSetting(card::kNightBright), 0);
}

}  // namespace
