// The settings writer against what only Windows has: file attributes and files held open by others.
#include <gtest/gtest.h>
#include <windows.h>

#include "card/settings_file.h"
#include "card/settings_table.h"
#include "tests/unit/card/settings_writer_test_support.h"

namespace {

using cardtest::EntriesOf;
using cardtest::kDefaultFile;
using cardtest::kOldFile;
using cardtest::ReadBytes;
using Entries = std::vector<std::string>;

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

// Held open without sharing, as another program may hold it: it can be neither opened nor replaced.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~HeldFile() { CloseHandle(handle_); }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

class SettingsWriterProtectedOldFile : public cardtest::SettingsWriter, public testing::WithParamInterface<DWORD> {};

TEST_P(SettingsWriterProtectedOldFile, IsReplacedByAnOrdinaryFile) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), GetParam()));
  ASSERT_EQ(Attributes(config) & GetParam(), GetParam()) << "the file system keeps no such attribute";
  card::ResetSettingsToDefaults();
  EXPECT_EQ(card::WriteSettings(sink_), card::SaveResult::kSaved);
  EXPECT_EQ(sink_.failures, 0);
  EXPECT_EQ(ReadBytes(config), kDefaultFile);
  EXPECT_EQ(Attributes(config) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
  EXPECT_EQ(EntriesOf(folder_.path()), (Entries{"RTC_time.ini", "config.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Attributes, SettingsWriterProtectedOldFile,
                         testing::Values(FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM,
                                         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

using SettingsWriterHeldFile = cardtest::SettingsWriter;

TEST_F(SettingsWriterHeldFile, ConfigHeldOpenByAnotherProgramStaysAsItWas) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  card::ResetSettingsToDefaults();
  {
    HeldFile held(config);
    ASSERT_TRUE(held.held());
    EXPECT_EQ(card::WriteSettings(sink_), card::SaveResult::kConfigNotWritten);
  }
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes(config), kOldFile);
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{"config.txt"});
}

TEST_F(SettingsWriterHeldFile, ProtectedConfigThatCannotBeReplacedGetsItsAttributesBack) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  constexpr DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), kProtected));
  card::ResetSettingsToDefaults();
  {
    HeldFile held(config);
    ASSERT_TRUE(held.held());
    card::WriteSettings(sink_);
  }
  EXPECT_EQ(sink_.failures, 1);
  EXPECT_EQ(ReadBytes(config), kOldFile);
  EXPECT_EQ(Attributes(config) & kProtected, kProtected);
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{"config.txt"});
}

// A leftover that can be neither written nor removed, under the name one fixed temporary name would have.
TEST_F(SettingsWriterHeldFile, LeftoverHeldOpenDoesNotBlockTheSave) {
  const std::string leftover = CardFile("config.txt.tmp");
  cardtest::WriteBytes(leftover, "half");
  card::ResetSettingsToDefaults();
  {
    HeldFile held(leftover);
    ASSERT_TRUE(held.held());
    EXPECT_EQ(card::WriteSettings(sink_), card::SaveResult::kSaved);
  }
  EXPECT_EQ(ReadBytes(CardFile("config.txt")), kDefaultFile);
  EXPECT_EQ(EntriesOf(folder_.path()), (Entries{"RTC_time.ini", "config.txt", "config.txt.tmp"}));
}

}  // namespace
