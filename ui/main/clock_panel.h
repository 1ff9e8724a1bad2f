// The Clock panel's arithmetic: which part of the PC's local time changed since the line was last built,
// the line's text, and which part of the line must be repainted.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "ui/main/main_layout.h"

namespace main_window {

// The local time last shown; all 0 before the first compare, so that it always finds a change.
struct ClockFields {
  int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

constexpr size_t kClockTextCapacity = 1000;

// The line's last two characters are the seconds.
constexpr size_t kClockSecondsLength = 2;

// Returns 1 when `now` equals the fields in all six parts. Otherwise stores the new parts and returns 0, with
// `dateChanged` 1 when year, month, day, hour or minute changed and 0 when only the second did.
int CompareClock(const SYSTEMTIME& now, ClockFields& fields, int32_t& dateChanged);

// "2012-11-30 PM 03: 07: 09": date, day half, 12-hour clock (0 and 12 show as 12), minute, second.
void FormatClockText(const ClockFields& fields, wchar_t (&text)[kClockTextCapacity]);

// The part of the line (`layout.clockLine`) to repaint after a change: the whole line, or while only the second
// changes the part from the seconds on. `secondsDrawnAt` is where the last paint put the seconds:
// `layout.clockSecondsLeft` (410 at 100 %) holds for the line's intended font (bold Gulim), but where Windows
// lacks that font its substitute is narrower and the seconds sit further left, and a repaint from there alone
// would freeze them on screen.
RECT ClockRepaintRect(int32_t dateChanged, int secondsDrawnAt = layout::kLayouts[0].clockSecondsLeft,
                      const layout::Layout& layout = layout::kLayouts[0]);

// The "Time zone" setting is an index into the picker's 25 offsets; the picker opens at 21 (UTC+09:00) for a
// stored value outside 0..24.
int32_t PickerStartIndex(int32_t timeZone);

}  // namespace main_window
