// The advanced window's Choice buttons: one table, in creation order, that drives the buttons' creation, the
// values their clicks store and where the Marker refresh draws.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

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
constexpr int kAdvancedSlotCount = 10;

enum class MarkerTest {
  kSelectedIndex,  // the button whose index in its group equals the value is marked
  kOtherIndex,     // ON/OFF groups (ON first, value 1): every button except the one at index == value is marked
  kHidden,         // a layout placeholder that is never shown: not created, never marked
};

struct ChoiceButton {
  UINT id;
  int slot;
  int32_t value;  // stored into the slot by a click
  int x, y;       // top-left corner in window pixels
  int width, height;
  UINT normalImage, selectedImage;
  int markerDx, markerY;  // the Selection marker goes to (x + markerDx, markerY)
  MarkerTest test;
};

constexpr int kMarkerSize = 14;
constexpr size_t kChoiceButtonCount = 25;  // 22 shown, 3 hidden

// Every Choice button, group by group in the order of creation, within a group from left to right.
std::span<const ChoiceButton> ChoiceButtons();

// The table entry of a control, or null for an identifier that is not a Choice button.
const ChoiceButton* FindChoiceButton(UINT id);

}  // namespace advanced
