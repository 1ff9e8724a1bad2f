// Writes that really fail, on the drives of tests/fixtures/card_drives.sh: W: a full card, X: a
// write-protected card, Y: a card whose config.txt (Y:\locked-config) or RTC_time.ini (Y:\locked-clock)
// cannot be changed. The old files hold kOldConfig and kOldClock.
#include <gtest/gtest.h>
#include <windows.h>

#include "card/files/card_paths.h"
#include "card/tables/settings_file.h"
#include "card/tables/settings_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using cardtest::EntriesOf;
using cardtest::ReadBytes;
using Entries = std::vector<std::string>;

constexpr char kOldConfig[] = "Resolution=2\r\nTime zone=3\r\n";
constexpr char kOldClock[] = "RTC Time Setting=19990101000000\r\n";

class CardWriteFailure : public testing::Test {
 protected:
  void UseCard(const char* folder) {
    cardtest::ResetCardState(folder);
    card::ResetSettingsToDefaults();
  }
  cardtest::RecordingSink sink_;
};

TEST_F(CardWriteFailure, LockedConfigStaysAsItWasAndNoClockIsWritten) {
  UseCard("Y:\\locked-config");
  card::WriteSettings(sink_);
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes("Y:\\locked-config\\config.txt"), kOldConfig);
  EXPECT_EQ(EntriesOf("Y:\\locked-config"), Entries{"config.txt"});
  EXPECT_EQ(cardtest::CheckCardSettings(), card::SettingsCheck::kBad);
}

TEST_F(CardWriteFailure, LockedClockFileFailsAfterConfigIsWritten) {
  UseCard("Y:\\locked-clock");
  card::WriteSettings(sink_);
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(cardtest::CheckCardSettings(), card::SettingsCheck::kGood);
  EXPECT_EQ(ReadBytes("Y:\\locked-clock\\RTC_time.ini"), kOldClock);
  EXPECT_EQ(EntriesOf("Y:\\locked-clock"), (Entries{"RTC_time.ini", "config.txt"}));
}

TEST_F(CardWriteFailure, WriteProtectedCardStaysAsItWas) {
  UseCard("X:\\DQ-918LX_Parameter");
  card::WriteSettings(sink_);
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes("X:\\DQ-918LX_Parameter\\config.txt"), kOldConfig);
  EXPECT_EQ(EntriesOf("X:\\DQ-918LX_Parameter"), Entries{"config.txt"});
}

class FullCard : public CardWriteFailure {
 protected:
  static constexpr char kFolder[] = "W:\\DQ-918LX_Parameter";
  static constexpr char kFiller[] = "W:\\filler.bin";

  void SetUp() override {
    cardtest::WriteBytes(std::string(kFolder) + "\\config.txt", OldConfig());
    FillCard();
  }
  virtual std::string OldConfig() const { return kOldConfig; }
  void TearDown() override {
    DeleteFileA(kFiller);
    DeleteFileA((std::string(kFolder) + "\\config.txt").c_str());
  }
  // Writes until the medium refuses even a single byte.
  static void FillCard() {
    const HANDLE filler = CreateFileA(kFiller, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(filler, INVALID_HANDLE_VALUE);
    static const char zeros[4096] = {};
    for (DWORD chunk = sizeof zeros; chunk > 0; chunk /= 2) {
      DWORD written = 0;
      while (WriteFile(filler, zeros, chunk, &written, nullptr) && written == chunk) {
      }
    }
    CloseHandle(filler);
  }
};

// No room for a second copy: config.txt is rewritten where it stands; a clock file that is not there yet
// cannot be made.
TEST_F(FullCard, SavesTheConfigInPlaceThoughNoClockFileCanBeMade) {
  UseCard(kFolder);
  EXPECT_EQ(card::WriteSettings(sink_), card::SaveStep::kClockFile);
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes(std::string(kFolder) + "\\config.txt"), card::FormatSettingsBytes(card::TableValues()));
  EXPECT_EQ(EntriesOf(kFolder), Entries{"config.txt"});
}

// An old file longer than the new one: the rewrite in place is cut at the new length.
class FullCardWithLongerConfig : public FullCard {
  std::string OldConfig() const override { return card::FormatSettingsBytes(card::kDefaultSettingValues) + kOldConfig; }
};

TEST_F(FullCardWithLongerConfig, SavesExactlyTheNewBytes) {
  UseCard(kFolder);
  card::WriteSettings(sink_);
  EXPECT_EQ(ReadBytes(std::string(kFolder) + "\\config.txt"), card::FormatSettingsBytes(card::TableValues()));
}

}  // namespace
