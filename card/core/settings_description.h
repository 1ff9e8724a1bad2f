// The one description of the camera's settings as the user meets them: for each row that a window sets, the
// group's title and subtitle as the window shows them, and every value it offers with its short name (what
// dqcard shows and accepts) and its caption (what the skin draws on the button). The windows' Choice tables,
// dqcard, the skin generator and the web page take their rows and values from here, or a test holds them
// equal to it.
#pragma once

#include <cstdint>
#include <span>

#include "card/core/setting_rows.h"

namespace card {

// Where the user sets a row.
enum class SettingPlace {
  kNowhere,          // "Date" to "Display MISC" and "Encoding Profile": the card's value is carried through
  kMainWindow,       // a group of Choice buttons on the main window
  kAdvancedWindow,   // a group of Choice buttons on the advanced window
  kPartitionSlider,  // the advanced window's slider
  kTimeZonePicker,   // the time zone picker's list
};

struct OfferedValue {
  int32_t value;
  const char* name;     // ASCII, no blanks and never only digits, so that a number is never taken for a name
  const char* caption;  // the button's caption, its lines joined by a blank; the picker's text without its blank
  const char* detail;   // the smaller note beside or under the caption; "" when there is none
};

struct SettingDescription {
  SettingRow row;
  SettingPlace place;
  const char* title;                     // the group's title as the window shows it; "" for rows set nowhere
  const char* subtitle;                  // "" when the window shows none
  std::span<const OfferedValue> values;  // in the window's order; empty for rows set nowhere
};

// Every row, main window groups first (top to bottom), then the advanced window's (top to bottom), then the
// slider, the time zone picker and the rows set nowhere.
std::span<const SettingDescription> SettingDescriptions();

// The description of `row`. A SettingRow outside the 24 rows is a caller's fault: the program stops rather
// than describe some other row.
const SettingDescription& DescriptionOf(SettingRow row);

// Every value a window lets the user pick for `row`, in the window's order; empty for the rows set nowhere.
std::span<const OfferedValue> OfferedValues(SettingRow row);

// Whether some window sets `row`.
bool IsOfferedByWindow(SettingRow row);

// The entry of `value` in `row`, or null when no window offers that value.
const OfferedValue* FindOfferedValue(SettingRow row, int32_t value);

// The short name of `value` in `row`, or null when no window offers that value.
const char* NameOfValue(SettingRow row, int32_t value);

}  // namespace card
