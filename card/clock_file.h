// RTC_time.ini in the Card folder: the PC's local time, which the camera takes for its clock.
#pragma once

#include <string>

#include "card/card_result.h"
#include "card/local_time.h"

namespace card {

// "RTC Time Setting=YYYYMMDDhhmmss" and the line end (LF; CR LF on the card).
std::string FormatClockLine(const LocalTime& time);

// Replaces the clock file with the current local time (or `now`). A read-only old file is not replaced:
// the write fails and the file stays as it was.
CardResult<FileWrite> WriteClockFile();
CardResult<FileWrite> WriteClockFile(const LocalTime& now);

}  // namespace card
