// Opens the system's date and time settings ("control timedate.cpl").
#pragma once

#include <string>
#include <string_view>

namespace main_window {

struct ProcessLaunch {
  std::wstring application;  // absolute path of the program
  std::wstring commandLine;
};

// control.exe by its absolute path in the system directory. The tool runs from the card, so a bare
// "control" would be looked up in the card's folder first, where any program could have been planted.
ProcessLaunch DateTimeSettingsLaunch(std::wstring_view systemDirectory);

// Starts it shown and does not wait; the caller ignores the result.
bool StartDateTimeSettings();

}  // namespace main_window
