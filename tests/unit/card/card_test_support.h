// Helpers for tests that work on real card files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "card/files/card_files.h"
#include "card/tables/card_write_failure.h"

namespace cardtest {

// Counts the failures a writer reports.
struct RecordingSink : card::CardWriteFailureSink {
  int failures = 0;
  void OnCardNotWritable() override { ++failures; }
};

inline constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

// Byte-exact file access, bypassing the card code. A file that cannot be read gives kNoFile.
inline constexpr char kNoFile[] = "<no such file>";
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);
bool Exists(const std::string& path);

// Names of the entries of a folder, sorted, without "." and "..".
std::vector<std::string> EntriesOf(const std::string& folder);

// Deletes a file or a folder with everything in it, making it writable first.
void RemoveTree(const std::string& path);

// A file that can be neither changed, removed nor replaced while this lives: held open without sharing on
// Windows, immutable elsewhere (chattr +i, which needs root). locked() is false where that cannot be done.
class LockedFile {
 public:
  explicit LockedFile(std::string path);
  ~LockedFile();
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  bool locked() const { return locked_; }

 private:
  std::string path_;
#ifdef _WIN32
  void* handle_ = nullptr;
#endif
  bool locked_ = false;
};

// A fresh, empty folder under the temporary folder, named after the running test; removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  // A path in the folder, with the platform's separator.
  std::string operator/(std::string_view name) const;

 private:
  std::string path_;
};

// The steps of the windows' save, one at a time, on the files of the card paths: config.txt against the
// Settings table, and the clock file.
card::CardResult<card::FileWrite> ReplaceCardSettings();
card::CardResult<card::SettingsCheck> CheckCardSettings();
card::CardResult<card::FileWrite> WriteCardClock(const card::LocalTime& now);

// The process-wide card state as the program loads it, through the tables' own setters: Settings values 0,
// version values empty, Advanced snapshot zeros, card paths empty, so that nothing of one test's card reaches
// the next.
void ClearCardState();

// Fresh state for one test: no settings read yet, no version values, the card folder set to `folder`.
void ResetCardState(const std::string& folder);

// A test whose card folder is a fresh scratch folder.
class CardFolderTest : public testing::Test {
 protected:
  void SetUp() override { ResetCardState(folder_.path()); }
  std::string CardFile(std::string_view name) const { return folder_ / name; }

  ScratchFolder folder_;
  RecordingSink sink_;
};

}  // namespace cardtest
