#include "cli/card_session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>

#include "card/files/card_files.h"
#include "card/files/card_finder.h"
#include "card/files/card_paths.h"
#include "card/files/card_save.h"
#include "card/files/platform.h"
#include "card/files/unique_file.h"

namespace cli {
namespace {

Failure CardFileFailure(const std::string& path, const std::string& what, std::error_code error) {
  return {ExitStatus::kCardFile, path + ": " + what + (error ? ": " + error.message() : "")};
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

CardPlace PlaceAt(const std::string& shown, const std::string& folder) {
  return {shown, folder, card::CardFileIn(folder, card::kSettingsFileName),
          card::CardFileIn(folder, card::kClockFileName), card::CardFileIn(folder, card::kVersionFileName)};
}

}  // namespace

std::vector<std::string> FindCardRoots() { return card::FindCards(); }

std::variant<CardPlace, Failure> PlaceCard(const std::string& path) {
  std::string folder = card::CardFolderIn(path);
  if (card::platform::PathExists(folder.c_str())) return PlaceAt(path, folder);
  if (EndsWithFolderName(path) && card::platform::PathExists(path.c_str())) return PlaceAt(path, path);
  return Failure{ExitStatus::kNoCard, path + ": no card there (no " + card::kCardFolderName + " folder)"};
}

std::variant<CardContent, Failure> ReadCard(const CardPlace& place) {
  const card::SettingsFileRead settings = card::ReadSettingsFrom(place.settingsFile.c_str());
  if (settings.file == card::FileRead::kUnreadable) {
    return CardFileFailure(place.settingsFile, "cannot read", settings.file.error);
  }
  const card::VersionFileRead version = card::ReadVersionFrom(place.versionFile.c_str());
  CardContent content{settings.read.values, settings.file == card::FileRead::kMissing, version.texts.model,
                      version.texts.firmware, std::nullopt};
  if (version.file == card::FileRead::kUnreadable) {
    content.versionFailure = CardFileFailure(place.versionFile, "cannot read", version.file.error);
  }
  return content;
}

Outcome WriteCard(const CardPlace& place, const card::SettingValues& values, bool withClock) {
  const card::SaveReport saved =
      card::SaveCard({place.settingsFile.c_str(), place.clockFile.c_str()}, values,
                     withClock ? card::SaveOrder::kCheckThenClock : card::SaveOrder::kNoClock);
  switch (saved.failed) {
    case card::SaveStep::kNone:
      return std::nullopt;
    case card::SaveStep::kSettingsFile:
      return CardFileFailure(place.settingsFile, "not replaced, left as it was", saved.error);
    case card::SaveStep::kCheck:
      return Failure{ExitStatus::kCheckFailed, place.settingsFile + ": does not read back as written" +
                                                   (saved.error ? ": " + saved.error.message() : "")};
    case card::SaveStep::kClockFile:
      break;
  }
  return CardFileFailure(place.clockFile, "not written (config.txt is already new)", saved.error);
}

Outcome WriteClock(const CardPlace& place) {
  const auto clock = card::WriteClockTo(place.clockFile.c_str(), card::CurrentLocalTime());
  if (clock == card::FileWrite::kFailed) return CardFileFailure(place.clockFile, "not written", clock.error);
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
