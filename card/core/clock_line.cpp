#include "card/core/clock_line.h"

#include <cstdio>

#include "card/core/card_text.h"

namespace card {

std::string FormatClockLine(const LocalTime& time) {
  char line[64];
  std::snprintf(line, sizeof line, "RTC Time Setting=%04d%02d%02d%02d%02d%02d\n", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return line;
}

std::string FormatClockBytes(const LocalTime& time) { return ToCardText(FormatClockLine(time)); }

}  // namespace card
