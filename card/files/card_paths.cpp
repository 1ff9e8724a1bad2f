#include "card/files/card_paths.h"

#include <cstring>
#include <string>

#include "card/files/platform.h"

namespace card {
namespace {

CardPaths g_paths = {};

constexpr char kMarkerName[] = "DQ_configure.exe";

// SetCardFolder has made sure that every path fits.
void CopyPath(char (&path)[kPathCapacity], const std::string& text) { path[text.copy(path, kPathCapacity - 1)] = '\0'; }

void JoinPath(char (&path)[kPathCapacity], const char* folder, const char* name) {
  CopyPath(path, CardFileIn(folder, name));
}

}  // namespace

CardPaths& TheCardPaths() { return g_paths; }

char CardDriveLetter() { return g_paths.settingsFile[0]; }

FolderSet SetCardFolder(const char* folder) {
  g_paths = {};
  // The marker has the longest name; a separator and the terminator come on top.
  if (std::strlen(folder) + 1 + std::strlen(kMarkerName) + 1 > kPathCapacity) return FolderSet::kTooLong;
  CopyPath(g_paths.folder, folder);
  JoinPath(g_paths.marker, g_paths.folder, kMarkerName);
#ifdef _WIN32
  platform::WidenPath(g_paths.marker, g_paths.markerWide);
#endif
  JoinPath(g_paths.settingsFile, g_paths.folder, kSettingsFileName);
  JoinPath(g_paths.clockFile, g_paths.folder, kClockFileName);
  JoinPath(g_paths.versionFile, g_paths.folder, kVersionFileName);
  return FolderSet::kSet;
}

std::string CardFileIn(std::string_view folder, const char* name) {
  return std::string(folder) + platform::kPathSeparator + name;
}

}  // namespace card
