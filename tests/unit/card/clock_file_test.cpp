#include "card/clock_file.h"

#include <gtest/gtest.h>

#include "card/card_paths.h"
#include "card/settings_file.h"
#include "card/settings_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using cardtest::ReadBytes;

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME time = {};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  time.wSecond = second;
  time.wMilliseconds = 999;
  return time;
}

TEST(ClockLine, HoldsFourteenZeroPaddedDigitsWithoutMilliseconds) {
  EXPECT_EQ(card::FormatClockLine(At(2024, 3, 5, 14, 7, 9)), "RTC Time Setting=20240305140709\n");
  EXPECT_EQ(card::FormatClockLine(At(1999, 12, 31, 23, 59, 58)), "RTC Time Setting=19991231235958\n");
  EXPECT_EQ(card::FormatClockLine(At(2030, 1, 1, 0, 0, 0)), "RTC Time Setting=20300101000000\n");
}

class ClockFile : public cardtest::CardFolderTest {};

TEST_F(ClockFile, IsOneCrLfLineOf33BytesReplacingTheOldFile) {
  cardtest::WriteBytes(CardFile("RTC_time.ini"), "RTC Time Setting=19990101000000\r\nstale rest\r\n");
  card::WriteClockFile(sink_, At(2024, 3, 5, 14, 7, 9));
  EXPECT_EQ(sink_.failures, 0);
  EXPECT_EQ(ReadBytes(CardFile("RTC_time.ini")), "RTC Time Setting=20240305140709\r\n");
  EXPECT_EQ(cardtest::EntriesOf(folder_.path()), std::vector<std::string>{"RTC_time.ini"});
}

TEST_F(ClockFile, TakesThePcsLocalTime) {
  SYSTEMTIME before;
  GetLocalTime(&before);
  card::WriteClockFile(sink_);
  SYSTEMTIME after;
  GetLocalTime(&after);
  const std::string line = ReadBytes(CardFile("RTC_time.ini"));
  const auto digits = [](const SYSTEMTIME& time) {
    const std::string formatted = card::FormatClockLine(time);
    return formatted.substr(0, formatted.size() - 1) + "\r\n";
  };
  EXPECT_GE(line, digits(before));
  EXPECT_LE(line, digits(after));
}

TEST_F(ClockFile, MissingCardFolderIsReportedOnce) {
  const std::string pulled = folder_ / "pulled";
  card::SetCardFolder(pulled.c_str());
  card::WriteClockFile(sink_, At(2024, 3, 5, 14, 7, 9));
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_FALSE(cardtest::Exists(pulled));
}

TEST_F(ClockFile, ReadOnlyOldFileIsNotReplacedWhileConfigIs) {
  const std::string clock = CardFile("RTC_time.ini");
  cardtest::WriteBytes(clock, "RTC Time Setting=19990101000000\r\n");
  ASSERT_TRUE(cardtest::SetAttributes(clock, FILE_ATTRIBUTE_READONLY));
  card::ResetSettingsToDefaults();
  for (int save = 1; save <= 2; ++save) {
    card::WriteSettings(sink_);
    EXPECT_EQ(sink_.failures, save) << "every save fails the same way";
    EXPECT_EQ(card::CheckSettings(), 0);
    EXPECT_EQ(ReadBytes(clock), "RTC Time Setting=19990101000000\r\n");
    EXPECT_NE(cardtest::Attributes(clock) & FILE_ATTRIBUTE_READONLY, 0u);
  }
  EXPECT_EQ(cardtest::EntriesOf(folder_.path()), (std::vector<std::string>{"RTC_time.ini", "config.txt"}));
}

}  // namespace
