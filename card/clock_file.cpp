#include "card/clock_file.h"

#include <cstdio>

#include "card/card_paths.h"
#include "card/safe_replace.h"

namespace card {

std::string FormatClockLine(const LocalTime& time) {
  char line[64];
  std::snprintf(line, sizeof line, "RTC Time Setting=%04d%02d%02d%02d%02d%02d\n", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return line;
}

CardResult<FileWrite> WriteClockFile() { return WriteClockFile(CurrentLocalTime()); }

CardResult<FileWrite> WriteClockFile(const LocalTime& now) {
  const std::error_code error =
      ReplaceCardFile(TheCardPaths().clockFile, FormatClockLine(now), ProtectedFile::kKeepReadOnly);
  return {error ? FileWrite::kFailed : FileWrite::kWritten, error};
}

}  // namespace card
