// RTC_time.ini in the Card folder: the PC's local time, which the camera takes for its clock.
#pragma once

#include <windows.h>

#include <string>

#include "card/card_write_failure.h"

namespace card {

// "RTC Time Setting=YYYYMMDDhhmmss" and the line end.
std::string FormatClockLine(const SYSTEMTIME& time);

// Replaces the clock file with the current local time. A failure (a read-only old file included, whose
// attributes are left alone) is reported to `sink` once.
void WriteClockFile(CardWriteFailureSink& sink);
void WriteClockFile(CardWriteFailureSink& sink, const SYSTEMTIME& now);

}  // namespace card
