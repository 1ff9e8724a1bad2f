// The system's clock, which the pure core never reads: platform_windows.cpp or platform_posix.cpp.
#pragma once

#include "card/core/local_time.h"

namespace card {

// Now, in the PC's local time zone, without fractions of a second.
LocalTime CurrentLocalTime();

}  // namespace card
