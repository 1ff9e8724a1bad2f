#include "ui/dialogs/time_zone_list.h"

#include <array>
#include <string>

#include "card/core/settings_description.h"
#include "card/tables/settings_table.h"

namespace dialogs {
namespace {

// The value names of the "Time zone" setting ("UTC-12:00" ... "UTC" ... "UTC+12:00"), each after the one blank
// that the picker's list has always shown. Names are ASCII, so widening them is a plain copy.
std::array<std::wstring, kTimeZoneCount> MakeTexts() {
  std::array<std::wstring, kTimeZoneCount> texts;
  for (int index = 0; index < kTimeZoneCount; ++index) {
    const char* name = card::NameOfValue(card::kTimeZone, index);
    texts[static_cast<size_t>(index)] = L" ";
    for (const char* c = name ? name : ""; *c; ++c) texts[static_cast<size_t>(index)] += static_cast<wchar_t>(*c);
  }
  return texts;
}

}  // namespace

const wchar_t* TimeZoneText(int index) {
  static const std::array<std::wstring, kTimeZoneCount> texts = MakeTexts();
  return index >= 0 && index < kTimeZoneCount ? texts[static_cast<size_t>(index)].c_str() : nullptr;
}

}  // namespace dialogs
