// The time zone list of the picker: 25 whole-hour offsets from UTC-12 to UTC+12. An entry's index is the
// value of the "Time zone" setting and stands for an offset of (index - 12) hours.
#pragma once

namespace dialogs {

inline constexpr int kTimeZoneCount = 25;
// " UTC+09:00": the setting's default and the picker's fallback.
inline constexpr int kDefaultTimeZone = 21;

// The list text of an index from 0 to 24 (each begins with one blank), or null for any other index.
const wchar_t* TimeZoneText(int index);

}  // namespace dialogs
