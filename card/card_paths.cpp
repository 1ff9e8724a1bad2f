#include "card/card_paths.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace card {
namespace {

CardPaths g_paths = {};

void JoinPath(char (&path)[kPathCapacity], const char* folder, const char* suffix) {
  std::snprintf(path, kPathCapacity, "%s%s", folder, suffix);
}

}  // namespace

CardPaths& TheCardPaths() { return g_paths; }

char CardDriveLetter() { return g_paths.settingsFile[0]; }

void SetCardFolder(const char* folder) {
  std::snprintf(g_paths.folder, kPathCapacity, "%s", folder);
  JoinPath(g_paths.marker, g_paths.folder, "\\DQ_configure.exe");
  std::memset(g_paths.markerWide, 0, sizeof g_paths.markerWide);
  // Card paths are ASCII, so the C runtime's conversion is exact.
  std::mbstowcs(g_paths.markerWide, g_paths.marker, std::strlen(g_paths.marker) + 1);
  JoinPath(g_paths.settingsFile, g_paths.folder, "\\config.txt");
  JoinPath(g_paths.clockFile, g_paths.folder, "\\RTC_time.ini");
  JoinPath(g_paths.versionFile, g_paths.folder, "\\ver.txt");
}

}  // namespace card
