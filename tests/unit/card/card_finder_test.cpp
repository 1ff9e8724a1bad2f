#include "card/card_finder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "card/card_paths.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using Paths = std::vector<std::string>;

TEST(CardFinder, TakesMountPointsAtOrUnderTheBasesWithTheirEscapes) {
  const std::string table =
      "/dev/sda1 / ext4 rw 0 0\n"
      "/dev/sdb1 /media/ann/DQ\\040CARD vfat rw,nosuid 0 0\n"
      "/dev/sdc1 /media/annex/OTHER vfat rw 0 0\n"
      "/dev/sdd1 /run/media/ann/Ca\\134rd exfat rw 0 0\n"
      "/dev/sde1 /mnt vfat rw 0 0\n"
      "/dev/sdf1 /mnt/sd/deep vfat rw 0 0\n"
      "tmpfs /mntx tmpfs rw 0 0\n"
      "broken-line\n";
  EXPECT_EQ(card::MountPointsUnder(table, {"/mnt", "/media/ann", "/run/media/ann"}),
            (Paths{"/media/ann/DQ CARD", "/run/media/ann/Ca\\rd", "/mnt", "/mnt/sd/deep"}));
  EXPECT_EQ(card::MountPointsUnder("", {"/mnt"}), Paths{});
}

class CardRoot : public testing::Test {
 protected:
  void MakeCardFile(const char* name) {
    std::filesystem::create_directories(card::CardFolderIn(root_.path()));
    cardtest::WriteBytes(card::CardFolderIn(root_.path()) + cardtest::kSeparator + name, "x");
  }
  cardtest::ScratchFolder root_;
};

TEST_F(CardRoot, HoldsACardWhenItsCardFolderHoldsOneOfTheCardsFiles) {
  EXPECT_FALSE(card::HoldsCard(root_.path()));
  std::filesystem::create_directories(card::CardFolderIn(root_.path()));
  EXPECT_FALSE(card::HoldsCard(root_.path())) << "an empty Card folder";
  for (const char* name : {"config.txt", "ver.txt", "DQ_configure.exe"}) {
    cardtest::RemoveTree(card::CardFolderIn(root_.path()));
    MakeCardFile(name);
    EXPECT_TRUE(card::HoldsCard(root_.path())) << name;
    EXPECT_TRUE(card::HoldsCard(root_ / "")) << "with a trailing separator";
  }
}

TEST(CardPaths, FollowTheFolderAndATooLongFolderIsRefusedNotCut) {
  const std::string sep(1, cardtest::kSeparator);
  const std::string folder = sep == "/" ? "/media/ann/DQ CARD/DQ-918LX_Parameter" : "E:\\DQ-918LX_Parameter";
  ASSERT_EQ(card::SetCardFolder(folder.c_str()), card::FolderSet::kSet);
  EXPECT_EQ(std::string(card::TheCardPaths().settingsFile), folder + sep + "config.txt");
  EXPECT_EQ(std::string(card::TheCardPaths().clockFile), folder + sep + "RTC_time.ini");
  EXPECT_EQ(std::string(card::TheCardPaths().versionFile), folder + sep + "ver.txt");
  EXPECT_EQ(std::string(card::TheCardPaths().marker), folder + sep + "DQ_configure.exe");

  const std::string longest(card::kPathCapacity - 1 - std::string(sep + "DQ_configure.exe").size(), 'f');
  EXPECT_EQ(card::SetCardFolder(longest.c_str()), card::FolderSet::kSet);
  EXPECT_EQ(std::string(card::TheCardPaths().marker), longest + sep + "DQ_configure.exe");
  EXPECT_EQ(card::SetCardFolder((longest + "f").c_str()), card::FolderSet::kTooLong);
  EXPECT_STREQ(card::TheCardPaths().folder, "");
  EXPECT_STREQ(card::TheCardPaths().settingsFile, "");
  EXPECT_STREQ(card::TheCardPaths().marker, "");
}

}  // namespace
