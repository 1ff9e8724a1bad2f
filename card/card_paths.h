// Where the card is: the Card folder on the Card drive and the paths of the files in it.
#pragma once

#include <cstddef>

namespace card {

constexpr size_t kPathCapacity = 1000;

struct CardPaths {
  char folder[kPathCapacity];         // X:\DQ-918LX_Parameter
  char marker[kPathCapacity];         // the tool's own program file, which identifies the card
  wchar_t markerWide[kPathCapacity];  // the marker for the attribute query
  char settingsFile[kPathCapacity];   // config.txt
  char clockFile[kPathCapacity];      // RTC_time.ini
  char versionFile[kPathCapacity];    // ver.txt
};

// The process-wide paths; empty until LocateCard (or SetCardFolder) fills them.
CardPaths& TheCardPaths();

// The first character of the Settings file path.
char CardDriveLetter();

// Takes the first drive from A: to Z: whose Card folder holds the marker (a file or a folder of that name);
// drive A: when none does. Called once, when the main window opens.
void LocateCard();

// Sets the Card folder and derives the marker and the three file paths from it.
void SetCardFolder(const char* folder);

}  // namespace card
