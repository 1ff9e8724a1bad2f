#include "tests/unit/card/card_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

#include "card/files/card_paths.h"
#include "card/tables/advanced_snapshot.h"
#include "card/tables/settings_table.h"
#include "card/tables/version_table.h"

namespace fs = std::filesystem;

namespace cardtest {

std::string ReadBytes(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return kNoFile;
  std::string bytes;
  char buffer[4096];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return failed ? kNoFile : bytes;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size()) << path;
  ASSERT_EQ(std::fclose(file), 0) << path;
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::path(path), error);
}

std::vector<std::string> EntriesOf(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator entry(fs::path(folder), error), end; !error && entry != end; entry.increment(error)) {
    names.push_back(entry->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void RemoveTree(const std::string& path) {
  std::error_code error;
  const fs::path root = fs::path(path);
  if (!fs::exists(root, error)) return;
  // Read-only files and folders would stop the removal on Windows.
  fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, error);
  for (fs::recursive_directory_iterator entry(root, error), end; !error && entry != end; entry.increment(error)) {
    fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, error);
  }
  fs::remove_all(root, error);
}

#ifdef _WIN32
LockedFile::LockedFile(std::string path) : path_(std::move(path)) {
  handle_ = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  locked_ = handle_ != INVALID_HANDLE_VALUE;
}

LockedFile::~LockedFile() {
  if (locked_) CloseHandle(handle_);
}
#else
LockedFile::LockedFile(std::string path) : path_(std::move(path)) {
  locked_ = std::system(("chattr +i '" + path_ + "' 2>/dev/null").c_str()) == 0;
}

LockedFile::~LockedFile() {
  if (locked_) std::system(("chattr -i '" + path_ + "'").c_str());
}
#endif

ScratchFolder::ScratchFolder() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("dq_card_") + test->test_suite_name() + "_" + test->name();
  std::replace(name.begin(), name.end(), '/', '_');  // parameterised tests carry slashes
  path_ = (fs::temp_directory_path() / name).string();
  RemoveTree(path_);
  fs::create_directories(fs::path(path_));
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ScratchFolder::operator/(std::string_view name) const {
  return (fs::path(path_) / fs::path(name)).string();
}

card::CardResult<card::FileWrite> ReplaceCardSettings() {
  return card::WriteSettingsTo(card::TheCardPaths().settingsFile, card::TableValues());
}

card::CardResult<card::SettingsCheck> CheckCardSettings() {
  return card::CheckSettingsIn(card::TheCardPaths().settingsFile, card::TableValues());
}

card::CardResult<card::FileWrite> WriteCardClock(const card::LocalTime& now) {
  return card::WriteClockTo(card::TheCardPaths().clockFile, now);
}

void ClearCardState() {
  card::SetTableValues({});
  card::SetVersionTexts({});
  const int32_t zeros[card::kAdvancedCount] = {};
  card::StoreAdvancedSnapshot(zeros);
  card::TheCardPaths() = {};
}

void ResetCardState(const std::string& folder) {
  ClearCardState();
  ASSERT_EQ(card::SetCardFolder(folder.c_str()), card::FolderSet::kSet);
}

}  // namespace cardtest
