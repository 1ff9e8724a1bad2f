// Runs with drive B: mapped to an empty folder and drive A: unmapped (tests/fixtures/card_drives.sh);
// drive C: is the prefix's own.
#include <gtest/gtest.h>
#include <windows.h>

#include "card/files/card_paths.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using cardtest::RemoveTree;

class CardLocator : public testing::Test {
 protected:
  void SetUp() override { RemoveCards(); }
  void TearDown() override { RemoveCards(); }
  static void RemoveCards() {
    RemoveTree("B:\\DQ-918LX_Parameter");
    RemoveTree("C:\\DQ-918LX_Parameter");
  }
  static void MakeCardFolder(char letter) {
    const std::string folder = std::string(1, letter) + ":\\DQ-918LX_Parameter";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    cardtest::WriteBytes(folder + "\\config.txt", "Resolution=1\r\n");
  }
  static void MakeCard(char letter) {
    MakeCardFolder(letter);
    cardtest::WriteBytes(std::string(1, letter) + ":\\DQ-918LX_Parameter\\DQ_configure.exe", "MZ");
  }
  static void ExpectCardOn(char letter) {
    const card::CardPaths& paths = card::TheCardPaths();
    const std::string folder = std::string(1, letter) + ":\\DQ-918LX_Parameter";
    EXPECT_EQ(std::string(paths.folder), folder);
    EXPECT_EQ(std::string(paths.marker), folder + "\\DQ_configure.exe");
    EXPECT_EQ(std::wstring(paths.markerWide), std::wstring(folder.begin(), folder.end()) + L"\\DQ_configure.exe");
    EXPECT_EQ(std::string(paths.settingsFile), folder + "\\config.txt");
    EXPECT_EQ(std::string(paths.clockFile), folder + "\\RTC_time.ini");
    EXPECT_EQ(std::string(paths.versionFile), folder + "\\ver.txt");
    EXPECT_EQ(card::CardDriveLetter(), letter);
  }
};

TEST_F(CardLocator, WithoutAnyCardFallsBackToDriveA) {
  card::LocateCard();
  ExpectCardOn('A');
}

TEST_F(CardLocator, LowerLetterWins) {
  MakeCard('C');
  MakeCard('B');
  card::LocateCard();
  ExpectCardOn('B');
}

TEST_F(CardLocator, FolderWithoutMarkerIsNotACard) {
  MakeCardFolder('B');
  MakeCard('C');
  card::LocateCard();
  ExpectCardOn('C');
}

TEST_F(CardLocator, MarkerThatIsAFolderCounts) {
  ASSERT_TRUE(CreateDirectoryA("B:\\DQ-918LX_Parameter", nullptr));
  ASSERT_TRUE(CreateDirectoryA("B:\\DQ-918LX_Parameter\\DQ_configure.exe", nullptr));
  card::LocateCard();
  ExpectCardOn('B');
}

}  // namespace
