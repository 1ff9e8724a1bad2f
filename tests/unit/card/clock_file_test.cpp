#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "card/core/clock_line.h"
#include "card/files/card_paths.h"
#include "card/tables/settings_file.h"
#include "card/tables/settings_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using cardtest::ReadBytes;
using Entries = std::vector<std::string>;

constexpr card::LocalTime kSaveTime = {2024, 3, 5, 14, 7, 9};

TEST(ClockLine, HoldsFourteenZeroPaddedDigits) {
  EXPECT_EQ(card::FormatClockLine(kSaveTime), "RTC Time Setting=20240305140709\n");
  EXPECT_EQ(card::FormatClockLine({1999, 12, 31, 23, 59, 58}), "RTC Time Setting=19991231235958\n");
  EXPECT_EQ(card::FormatClockLine({2030, 1, 1, 0, 0, 0}), "RTC Time Setting=20300101000000\n");
}

// The clock line for now as the C library's local time gives it, apart from the card code's own clock.
std::string ClockLineNow() {
  const std::time_t now = std::time(nullptr);
  char digits[15];
  std::strftime(digits, sizeof digits, "%Y%m%d%H%M%S", std::localtime(&now));
  return std::string("RTC Time Setting=") + digits + "\r\n";
}

class ClockFile : public cardtest::CardFolderTest {};

TEST_F(ClockFile, IsOneCrLfLineOf33BytesReplacingTheOldFile) {
  cardtest::WriteBytes(CardFile("RTC_time.ini"), "RTC Time Setting=19990101000000\r\nstale rest\r\n");
  EXPECT_EQ(cardtest::WriteCardClock(kSaveTime), card::FileWrite::kWritten);
  EXPECT_EQ(ReadBytes(CardFile("RTC_time.ini")), "RTC Time Setting=20240305140709\r\n");
  EXPECT_EQ(cardtest::EntriesOf(folder_.path()), Entries{"RTC_time.ini"});
}

TEST_F(ClockFile, TakesThePcsLocalTime) {
  const std::string before = ClockLineNow();
  EXPECT_EQ(cardtest::WriteCardClock(card::CurrentLocalTime()), card::FileWrite::kWritten);
  const std::string after = ClockLineNow();
  const std::string line = ReadBytes(CardFile("RTC_time.ini"));
  EXPECT_GE(line, before);
  EXPECT_LE(line, after);
}

TEST_F(ClockFile, MissingCardFolderFailsWithAReason) {
  const std::string pulled = folder_ / "pulled";
  card::SetCardFolder(pulled.c_str());
  const card::CardResult<card::FileWrite> written = cardtest::WriteCardClock(kSaveTime);
  EXPECT_EQ(written, card::FileWrite::kFailed);
  EXPECT_TRUE(written.error);
  EXPECT_FALSE(cardtest::Exists(pulled));
}

// Read-only is the Windows attribute, or on POSIX a file without write permission (as FAT's attribute shows).
TEST_F(ClockFile, ReadOnlyOldFileIsNotReplacedWhileConfigIs) {
  namespace fs = std::filesystem;
  const std::string clock = CardFile("RTC_time.ini");
  cardtest::WriteBytes(clock, "RTC Time Setting=19990101000000\r\n");
  fs::permissions(clock, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  card::ResetSettingsToDefaults();
  for (int save = 1; save <= 2; ++save) {
    EXPECT_EQ(card::WriteSettings(sink_), card::SaveStep::kClockFile);
    EXPECT_EQ(sink_.failures, save) << "every save fails the same way";
    EXPECT_EQ(cardtest::CheckCardSettings(), card::SettingsCheck::kGood);
    EXPECT_EQ(ReadBytes(clock), "RTC Time Setting=19990101000000\r\n");
    EXPECT_EQ(fs::status(clock).permissions() & fs::perms::owner_write, fs::perms::none);
  }
  EXPECT_EQ(cardtest::EntriesOf(folder_.path()), (Entries{"RTC_time.ini", "config.txt"}));
}

}  // namespace
