// The PC's local date and time, as the clock file carries it.
#pragma once

namespace card {

struct LocalTime {
  int year;    // four digits
  int month;   // 1 to 12
  int day;     // 1 to 31
  int hour;    // 0 to 23
  int minute;  // 0 to 59
  int second;  // 0 to 59 (60 for a leap second where the system reports one)
};

}  // namespace card
