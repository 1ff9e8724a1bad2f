// The advanced window's Choice buttons: one table, in creation order, that drives the buttons' creation, the
// values their clicks store and where the Marker refresh draws.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

#include "card/settings_table.h"
#include "ui/skin/button_layout.h"

namespace advanced {

// Slots of the Working copy, in the order of the Advanced snapshot.
enum AdvancedSlot : int {
  kVideoOutStandardSlot = 0,
  kEncodingProfileSlot,
  kBitRateSlot,
  kDrivingModeFrameSlot,
  kParkingModeFrameSlot,
  kParkingBlackAndWhiteSlot,
  kVideoOutSlot,
  kGpsSpeedDisplaySlot,
  kMemoryPartitionSlot,
  kPartitionTerritorySlot,
};

enum class MarkerTest {
  kSelectedIndex,  // the button whose index in its group equals the value is marked
  kOtherIndex,     // ON/OFF groups (ON first, value 1): every button except the one at index == value is marked
  kHidden,         // a layout placeholder that is never shown: not created, never marked
};

// Its normal image is also what the overlay draws while the button is not marked.
struct ChoiceButton : skin::ButtonLayout {
  int slot;
  int32_t value;  // stored into the slot by a click
  POINT marker;   // where the Selection marker goes, in window pixels
  MarkerTest test;
};

constexpr size_t kChoiceButtonCount = 25;  // 22 shown, 3 hidden

// Every Choice button, group by group in the order of creation, within a group from left to right.
std::span<const ChoiceButton> ChoiceButtons();

// The table entry of a control, or null for an identifier that is not a Choice button.
const ChoiceButton* FindChoice(UINT id);

}  // namespace advanced
