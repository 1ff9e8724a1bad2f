// The settings writer against what POSIX systems have: immutable files (as root) and permissions.
#include <gtest/gtest.h>

#include <cstdlib>

#include "card/settings_file.h"
#include "card/settings_table.h"
#include "tests/unit/card/settings_writer_test_support.h"

namespace {

using cardtest::EntriesOf;
using cardtest::kDefaultFile;
using cardtest::kOldFile;
using cardtest::ReadBytes;
using Entries = std::vector<std::string>;

bool Chattr(const char* flag, const std::string& path) {
  return std::system(("chattr " + std::string(flag) + " '" + path + "' 2>/dev/null").c_str()) == 0;
}

// An immutable file: no write, no delete, no rename over it, even for root.
class ImmutableFile {
 public:
  explicit ImmutableFile(std::string path) : path_(std::move(path)), made_(Chattr("+i", path_)) {}
  ~ImmutableFile() {
    if (made_) Chattr("-i", path_);
  }
  ImmutableFile(const ImmutableFile&) = delete;
  ImmutableFile& operator=(const ImmutableFile&) = delete;
  bool made() const { return made_; }

 private:
  std::string path_;
  bool made_;
};

using SettingsWriterImmutable = cardtest::SettingsWriter;

TEST_F(SettingsWriterImmutable, LeftoverThatCannotBeChangedDoesNotBlockTheSave) {
  const std::string leftover = CardFile("config.txt.tmp");
  const std::string clockLeftover = CardFile("RTC_time.ini.tmp");
  cardtest::WriteBytes(leftover, "half");
  cardtest::WriteBytes(clockLeftover, "half");
  ImmutableFile locked(leftover), clockLocked(clockLeftover);
  if (!locked.made() || !clockLocked.made()) GTEST_SKIP() << "needs root and a file system with chattr +i";
  card::ResetSettingsToDefaults();
  EXPECT_EQ(card::WriteSettings(sink_), card::SaveResult::kSaved);
  EXPECT_EQ(ReadBytes(CardFile("config.txt")), kDefaultFile);
  EXPECT_EQ(EntriesOf(folder_.path()), (Entries{"RTC_time.ini", "RTC_time.ini.tmp", "config.txt", "config.txt.tmp"}));
}

TEST_F(SettingsWriterImmutable, ImmutableConfigStaysAsItWasAndNoClockIsWritten) {
  const std::string config = CardFile("config.txt");
  cardtest::WriteBytes(config, kOldFile);
  ImmutableFile locked(config);
  if (!locked.made()) GTEST_SKIP() << "needs root and a file system with chattr +i";
  card::ResetSettingsToDefaults();
  const card::CardResult<card::FileWrite> replaced = card::ReplaceSettingsFile();
  EXPECT_EQ(replaced, card::FileWrite::kFailed);
  EXPECT_EQ(replaced.error, std::errc::operation_not_permitted);
  EXPECT_EQ(card::WriteSettings(sink_), card::SaveResult::kConfigNotWritten);
  EXPECT_EQ(ReadBytes(config), kOldFile);
  EXPECT_EQ(EntriesOf(folder_.path()), Entries{"config.txt"});
}

}  // namespace
