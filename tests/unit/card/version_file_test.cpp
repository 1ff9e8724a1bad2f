#include "card/tables/version_file.h"

#include <gtest/gtest.h>

#include "card/tables/version_table.h"
#include "tests/unit/card/card_test_support.h"

namespace {

class VersionFile : public cardtest::CardFolderTest {
 protected:
  void Read(std::string_view bytes) {
    cardtest::WriteBytes(CardFile("ver.txt"), bytes);
    card::ReadVersionFile();
  }
};

TEST_F(VersionFile, MissingFileGivesThePlaceholders) {
  EXPECT_EQ(card::ReadVersionFile(), card::FileRead::kMissing);
  EXPECT_STREQ(card::ModelText(), "QUILVa");
  EXPECT_STREQ(card::FirmwareText(), "########");
}

TEST_F(VersionFile, ReadsModelAndVersionWithCrLfOrLf) {
  Read("Model=DQ-918LX\r\nVersion=1.0.3\r\n");
  EXPECT_STREQ(card::ModelText(), "DQ-918LX");
  EXPECT_STREQ(card::FirmwareText(), "1.0.3");
  Read("Version=2.0\nModel=X\n");
  EXPECT_STREQ(card::ModelText(), "X");
  EXPECT_STREQ(card::FirmwareText(), "2.0");
}

TEST_F(VersionFile, EmptyFileOrEmptyFirstLineLeavesBothEmpty) {
  Read("");
  EXPECT_STREQ(card::ModelText(), "");
  EXPECT_STREQ(card::FirmwareText(), "");
  Read("\r\nModel=DQ-918LX\r\nVersion=1.0\r\n");
  EXPECT_STREQ(card::ModelText(), "");
  EXPECT_STREQ(card::FirmwareText(), "");
}

TEST_F(VersionFile, RecordTheFileDoesNotNameKeepsItsValue) {
  Read("Model=DQ-918LX\r\nFirmware=9\r\nmodel=y\r\n");
  EXPECT_STREQ(card::ModelText(), "DQ-918LX");
  EXPECT_STREQ(card::FirmwareText(), "");
}

TEST_F(VersionFile, VersionWithoutEqualsSetsTheEmptyText) {
  card::SetVersionValue("Version", "old");
  Read("Version\r\n");
  EXPECT_STREQ(card::FirmwareText(), "");
}

TEST_F(VersionFile, FurtherEqualsAreDroppedAndSpacesKept) {
  Read("Model=A=B\r\nVersion= 1.0 =beta \r\n");
  EXPECT_STREQ(card::ModelText(), "AB");
  EXPECT_STREQ(card::FirmwareText(), " 1.0 beta ");
}

TEST_F(VersionFile, LaterDuplicateWins) {
  Read("Model=first\r\nModel=second\r\n");
  EXPECT_STREQ(card::ModelText(), "second");
}

TEST_F(VersionFile, LongValueIsCutToItsFirst63Characters) {
  const std::string value = std::string(63, 'v') + "TAIL";
  Read("Version=" + value + "\r\nModel=" + std::string(63, 'm') + "\r\n");
  EXPECT_EQ(std::string(card::FirmwareText()), std::string(63, 'v'));
  EXPECT_EQ(std::string(card::ModelText()), std::string(63, 'm'));
}

}  // namespace
