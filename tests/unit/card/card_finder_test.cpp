#include "card/files/card_finder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "card/files/card_paths.h"
#include "tests/unit/card/card_test_support.h"

namespace {

using Paths = std::vector<std::string>;

TEST(CardFinder, TakesMountPointsAtOrUnderTheBasesWithTheirEscapes) {
  const std::string table =
      "/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 /media/ann/DQ\\040CARD vfat rw 0 0\n/dev/sdc1 /media/annex/X vfat rw 0 0\n"
      "/dev/sdd1 /run/media/ann/C\\134d exfat rw 0 0\n/dev/sde1 /mnt vfat rw 0 0\ntmpfs /mntx tmpfs rw 0 0\nbroken\n";
  EXPECT_EQ(card::MountPointsUnder(table, {"/mnt", "/media/ann", "/run/media/ann"}),
            (Paths{"/media/ann/DQ CARD", "/run/media/ann/C\\d", "/mnt"}));
}

TEST(CardFinder, ARootHoldsACardWhenItsCardFolderHoldsOneOfTheCardsFiles) {
  cardtest::ScratchFolder root;
  const std::string folder = card::CardFolderIn(root.path() + cardtest::kSeparator);
  EXPECT_EQ(folder, card::CardFolderIn(root.path()));
  std::filesystem::create_directories(folder);
  EXPECT_FALSE(card::HoldsCard(root.path())) << "an empty Card folder";
  for (const char* name : {"config.txt", "ver.txt", "DQ_configure.exe"}) {
    cardtest::WriteBytes(folder + cardtest::kSeparator + name, "x");
    EXPECT_TRUE(card::HoldsCard(root.path())) << name;
    std::filesystem::remove(folder + cardtest::kSeparator + name);
  }
}

TEST(CardPaths, ATooLongFolderIsRefusedNotCut) {
  const std::string sep(1, cardtest::kSeparator);
  const std::string longest(card::kPathCapacity - 1 - std::string(sep + "DQ_configure.exe").size(), 'f');
  EXPECT_EQ(card::SetCardFolder(longest.c_str()), card::FolderSet::kSet);
  EXPECT_EQ(std::string(card::TheCardPaths().marker), longest + sep + "DQ_configure.exe");
  EXPECT_EQ(std::string(card::TheCardPaths().settingsFile), longest + sep + "config.txt");
  EXPECT_EQ(card::SetCardFolder((longest + "f").c_str()), card::FolderSet::kTooLong);
  EXPECT_STREQ(card::TheCardPaths().folder, "");
  EXPECT_STREQ(card::TheCardPaths().marker, "");
}

}  // namespace
