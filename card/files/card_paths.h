// Where the card is: the Card folder and the paths of the files in it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "card/core/card_file_names.h"

namespace card {

constexpr size_t kPathCapacity = 1000;

// Paths are UTF-8 (the windowed tool's are ASCII); the separator is the platform's.
struct CardPaths {
  char folder[kPathCapacity];  // X:\DQ-918LX_Parameter for the windowed tool
  char marker[kPathCapacity];  // the tool's own program file, which identifies the card
#ifdef _WIN32
  wchar_t markerWide[kPathCapacity];  // the marker for the attribute query
#endif
  char settingsFile[kPathCapacity];  // config.txt
  char clockFile[kPathCapacity];     // RTC_time.ini
  char versionFile[kPathCapacity];   // ver.txt
};

// The process-wide paths; empty until LocateCard (or SetCardFolder) fills them.
CardPaths& TheCardPaths();

// The first character of the Settings file path.
char CardDriveLetter();

#ifdef _WIN32
// Takes the first drive from A: to Z: whose Card folder holds the marker (a file or a folder of that name);
// drive A: when none does. Called once, when the main window opens.
void LocateCard();
#endif

enum class FolderSet {
  kSet,
  kTooLong,  // a file path in it would not fit kPathCapacity: refused, all paths are left empty
};

// Sets the Card folder and derives the marker and the three file paths from it. A path is never cut short.
FolderSet SetCardFolder(const char* folder);

// The path of the file `name` in the Card folder `folder`, for callers that keep their own paths.
std::string CardFileIn(std::string_view folder, const char* name);

}  // namespace card
