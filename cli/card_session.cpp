#include "cli/card_session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>

#include "card/card_finder.h"
#include "card/card_paths.h"
#include "card/card_state.h"
#include "card/clock_file.h"
#include "card/platform.h"
#include "card/settings_file.h"
#include "card/settings_table.h"
#include "card/unique_file.h"
#include "card/version_table.h"

namespace cli {
namespace {

Failure CardFileFailure(const char* path, const std::string& what, std::error_code error) {
  return {ExitStatus::kCardFile, std::string(path) + ": " + what + (error ? ": " + error.message() : "")};
}

bool EndsWithFolderName(std::string_view path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == card::platform::kPathSeparator)) {
    path.remove_suffix(1);
  }
  const std::string_view name = card::kCardFolderName;
  if (path.size() < name.size() || path.substr(path.size() - name.size()) != name) return false;
  const size_t before = path.size() - name.size();
  return before == 0 || path[before - 1] == '/' || path[before - 1] == card::platform::kPathSeparator;
}

Outcome UseFolder(const CardPlace& place) {
  card::ClearCardState();
  if (card::SetCardFolder(place.folder.c_str()) == card::FolderSet::kTooLong) {
    return Failure{ExitStatus::kCardFile, place.shown + ": path too long"};
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> FindCardRoots() { return card::FindCards(); }

std::variant<CardPlace, Failure> PlaceCard(const std::string& path) {
  std::string folder = card::CardFolderIn(path);
  if (card::platform::PathExists(folder.c_str())) return CardPlace{path, folder};
  if (EndsWithFolderName(path) && card::platform::PathExists(path.c_str())) return CardPlace{path, path};
  return Failure{ExitStatus::kNoCard, path + ": no card there (no " + card::kCardFolderName + " folder)"};
}

std::variant<CardContent, Failure> ReadCard(const CardPlace& place) {
  if (Outcome failure = UseFolder(place)) return *failure;
  const card::CardFilesRead read = card::ReadSettings();
  if (read.settings == card::FileRead::kUnreadable) {
    return CardFileFailure(card::TheCardPaths().settingsFile, "cannot read", read.settings.error);
  }
  CardContent content;
  for (int row = 0; row < card::kSettingCount; ++row) content.values[row] = card::GetSetting(row);
  content.model = card::ModelText();
  content.firmware = card::FirmwareText();
  if (read.version == card::FileRead::kUnreadable) {
    content.versionFailure = CardFileFailure(card::TheCardPaths().versionFile, "cannot read", read.version.error);
  }
  return content;
}

Outcome WriteCard(const CardPlace& place, const SettingValues& values, bool withClock) {
  if (Outcome failure = UseFolder(place)) return failure;
  for (int row = 0; row < card::kSettingCount; ++row) card::SetSetting(row, values[row]);
  const card::CardPaths& paths = card::TheCardPaths();
  const auto replaced = card::ReplaceSettingsFile();
  if (replaced == card::FileWrite::kFailed) {
    return CardFileFailure(paths.settingsFile, "not replaced, left as it was", replaced.error);
  }
  const auto check = card::CheckSettings();
  if (check != card::SettingsCheck::kGood) {
    return Failure{ExitStatus::kCheckFailed, std::string(paths.settingsFile) + ": does not read back as written" +
                                                 (check.error ? ": " + check.error.message() : "")};
  }
  if (!withClock) return std::nullopt;
  const auto clock = card::WriteClockFile();
  if (clock == card::FileWrite::kFailed) {
    return CardFileFailure(paths.clockFile, "not written (config.txt is already new)", clock.error);
  }
  return std::nullopt;
}

Outcome WriteClock(const CardPlace& place) {
  if (Outcome failure = UseFolder(place)) return failure;
  const auto clock = card::WriteClockFile();
  if (clock == card::FileWrite::kFailed)
    return CardFileFailure(card::TheCardPaths().clockFile, "not written", clock.error);
  return std::nullopt;
}

std::variant<std::string, Failure> ReadWholeFile(const std::string& path) {
  card::UniqueFile opened;
  FILE* file = stdin;
  if (path != "-") {
    opened = card::UniqueFile::Open(path.c_str(), "rb");
    if (!opened) return Failure{ExitStatus::kUsage, path + ": cannot read: " + std::strerror(errno)};
    file = opened.get();
  }
  std::string text;
  char buffer[4096];
  while (const size_t got = std::fread(buffer, 1, sizeof buffer, file)) text.append(buffer, got);
  if (std::ferror(file)) return Failure{ExitStatus::kUsage, path + ": cannot read: " + std::strerror(errno)};
  return text;
}

}  // namespace cli
