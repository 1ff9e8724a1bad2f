// RTC_time.ini as bytes: the one line that sets the camera's clock. Pure functions with no state and no files.
#pragma once

#include <string>

#include "card/core/local_time.h"

namespace card {

// "RTC Time Setting=YYYYMMDDhhmmss" and the line end: LF, or CR LF in the Bytes form, as on the card.
std::string FormatClockLine(const LocalTime& time);
std::string FormatClockBytes(const LocalTime& time);

}  // namespace card
