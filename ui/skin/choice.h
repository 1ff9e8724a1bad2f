// The Choice model of both overlay windows: a Choice button stores one value into one setting, and shows as
// selected by a rule over the value stored there. The rule is data on each choice, so a window's table says
// everything about its groups, and the tables list the (setting, value) pairs each window offers.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>

#include "card/core/setting_rows.h"
#include "ui/skin/button_layout.h"

namespace skin {

// When a Choice button shows as selected, for the value stored in its setting.
enum class Selection : uint8_t {
  kWhenStored,             // its own value is stored
  kWhenStoredOrUnmatched,  // its own value is stored, or a value that no choice of its group offers
  kHidden,                 // a layout placeholder that is never shown: not created, never drawn
};

// A Choice button: a click stores `value` into the setting `row`. Its normal image is also what the overlay
// draws while it is not selected.
struct Choice : ButtonLayout {
  card::SettingRow row;
  int32_t value;
  Selection selection;
  POINT marker;            // where the Selection marker goes while the choice is selected
  UINT selectedImage = 0;  // drawn over the whole button while selected, instead of the marker
};

// The value a window shows for a setting: the Settings table's, or the advanced window's Working copy's.
using StoredValue = std::function<int32_t(card::SettingRow)>;

// The choice of a table with this control ID, or null.
inline const Choice* FindChoice(std::span<const Choice> choices, UINT id) {
  const auto found =
      std::find_if(choices.begin(), choices.end(), [id](const Choice& choice) { return choice.id == id; });
  return found == choices.end() ? nullptr : &*found;
}

// Whether `choice` of the table `choices` shows as selected while `stored` is its setting's value.
inline bool IsSelected(const Choice& choice, std::span<const Choice> choices, int32_t stored) {
  switch (choice.selection) {
    case Selection::kWhenStored:
      return stored == choice.value;
    case Selection::kWhenStoredOrUnmatched:
      return stored == choice.value || std::none_of(choices.begin(), choices.end(), [&](const Choice& other) {
               return other.row == choice.row && other.value == stored;
             });
    case Selection::kHidden:
      break;
  }
  return false;
}

}  // namespace skin
