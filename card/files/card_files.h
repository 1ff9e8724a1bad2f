// The card's three files by path, with no process-wide state: each is read into, or written from, the values
// the caller passes, through the pure functions of settings_text.h, version_text.h and clock_line.h.
#pragma once

#include "card/core/clock_line.h"
#include "card/core/settings_text.h"
#include "card/core/version_text.h"
#include "card/files/card_result.h"

namespace card {

struct SettingsFileRead {
  CardResult<FileRead> file;
  SettingsRead read;  // the defaults when the file could not be opened, missing or not, as the windows want
};

// Reads config.txt; rows it does not name keep `start`'s values (zeros, as when the program has just loaded).
SettingsFileRead ReadSettingsFrom(const char* path, const SettingValues& start = {});

struct VersionFileRead {
  CardResult<FileRead> file;
  VersionTexts texts;  // the placeholders when the file could not be opened
};

// Reads ver.txt; a text the file does not name keeps `start`'s (empty).
VersionFileRead ReadVersionFrom(const char* path, VersionTexts start = {});

// Replaces config.txt with `values` (a read-only, hidden or system old file too: the new one has ordinary
// attributes). On failure the old file is as it was.
CardResult<FileWrite> WriteSettingsTo(const char* path, const SettingValues& values);

// Reads config.txt back: good when it holds exactly what WriteSettingsTo writes for `values`.
CardResult<SettingsCheck> CheckSettingsIn(const char* path, const SettingValues& values);

// Replaces the clock file with the line for `now`. A read-only old file is not replaced: the write fails and
// the file stays as it was; a hidden or system one keeps those attributes.
CardResult<FileWrite> WriteClockTo(const char* path, const LocalTime& now);

}  // namespace card
