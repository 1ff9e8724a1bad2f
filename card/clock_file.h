// RTC_time.ini in the Card folder of the process-wide card paths: the PC's local time for the camera's clock.
#pragma once

#include "card/card_result.h"
#include "card/clock_line.h"

namespace card {

// Replaces the clock file with the current local time (or `now`). A read-only old file is not replaced:
// the write fails and the file stays as it was.
CardResult<FileWrite> WriteClockFile();
CardResult<FileWrite> WriteClockFile(const LocalTime& now);

}  // namespace card
