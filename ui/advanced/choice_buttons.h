// The advanced window's Choice buttons: one table, in creation order, written by the skin generator
// (advanced_layout.h), that drives the buttons' creation, the values their clicks store and where the Marker
// refresh draws. A choice's setting row maps to its slot of the Working copy as row - card::kFirstAdvancedRow.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>

#include "card/core/setting_rows.h"
#include "ui/skin/choice.h"
#include "ui/skin/overlay_plan.h"
#include "ui/skin/skin_scale.h"

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

// The Working copy's slot of a setting row of the advanced window.
constexpr int SlotOf(card::SettingRow row) { return row - card::kFirstAdvancedRow; }

// Every Choice button, group by group in the order of creation, within a group from left to right, in the
// pixels of the skin's set at `scale`.
std::span<const skin::Choice> ChoiceButtons(skin::SkinScale scale = {});

// What the advanced window's overlay draws from: Cancel and OK, the Choice buttons and its Selection marker.
const skin::OverlayTables& OverlayTables(skin::SkinScale scale = {});


}  // namespace advanced
