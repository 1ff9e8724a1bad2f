#include "ui/main/clock_panel.h"

#include <algorithm>
#include <cwchar>

namespace main_window {

int CompareClock(const SYSTEMTIME& now, ClockFields& fields, int32_t& dateChanged) {
  const int32_t parts[6] = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
  int32_t* stored[6] = {&fields.year, &fields.month, &fields.day, &fields.hour, &fields.minute, &fields.second};
  bool unchanged = true;
  for (int i = 0; i < 6; ++i) unchanged = unchanged && *stored[i] == parts[i];
  if (unchanged) return 1;
  if (*stored[5] != parts[5]) {
    *stored[5] = parts[5];
    dateChanged = 0;
  }
  for (int i = 0; i < 5; ++i) {
    if (*stored[i] == parts[i]) continue;
    *stored[i] = parts[i];
    dateChanged = 1;
  }
  return 0;
}

void FormatClockText(const ClockFields& fields, wchar_t (&text)[kClockTextCapacity]) {
  const bool afternoon = fields.hour >= 12;
  int hour12 = afternoon ? fields.hour - 12 : fields.hour;
  if (hour12 == 0) hour12 = 12;
  std::swprintf(text, kClockTextCapacity, L"%04d-%02d-%02d %ls %02d: %02d: %02d", fields.year, fields.month, fields.day,
                afternoon ? L"PM" : L"AM", hour12, fields.minute, fields.second);
}

RECT ClockRepaintRect(int32_t dateChanged, int secondsDrawnAt, const layout::Layout& layout) {
  RECT rect = layout.clockLine;
  if (!dateChanged) rect.left = std::clamp(secondsDrawnAt, static_cast<int>(rect.left), layout.clockSecondsLeft);
  return rect;
}

int32_t PickerStartIndex(int32_t timeZone) { return timeZone < 0 || timeZone > 24 ? 21 : timeZone; }

}  // namespace main_window
