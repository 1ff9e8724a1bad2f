#include "ui/advanced/choice_buttons.h"

#include "res/resource.h"
#include "ui/advanced/action_buttons.h"

namespace advanced {
namespace {

using skin::Selection;

constexpr Selection kIndex = Selection::kWhenStored;
// The ON/OFF groups (ON first, value 1) mark the button of the stored value, and both for any other value.
constexpr Selection kOnOff = Selection::kWhenStoredOrUnmatched;
constexpr Selection kHidden = Selection::kHidden;

// A button at (x, y) of width x height; its marker sits markerDx right of its left edge, at markerY.
constexpr skin::Choice Choice(UINT id, card::SettingRow row, int32_t value, int x, int y, int width, int height,
                              UINT normal, UINT pressed, int markerDx, int markerY, Selection selection) {
  return {{id, {x, y}, {width, height}, normal, pressed, 0, 0, 0}, row, value, selection, {x + markerDx, markerY}};
}

using card::kBitRate;
using card::kDrivingModeFrame;
using card::kEncodingProfile;
using card::kGpsSpeedDisplay;
using card::kMemoryPartition;
using card::kParkingBlackAndWhite;
using card::kParkingModeFrame;
using card::kVideoOut;
using card::kVideoOutStandard;

constexpr skin::Choice kChoiceButtons[] = {
    // Video Quality
    Choice(IDC_ADV_BITRATE_0, kBitRate, 0, 190, 63, 70, 61, IDB_ADV_BITRATE_0, IDB_ADV_BITRATE_0 + 1, 28, 78, kIndex),
    Choice(IDC_ADV_BITRATE_0 + 1, kBitRate, 1, 290, 63, 70, 61, IDB_ADV_BITRATE_0 + 2, IDB_ADV_BITRATE_0 + 3, 28, 78,
     kIndex),
    Choice(IDC_ADV_BITRATE_0 + 2, kBitRate, 2, 390, 63, 70, 61, IDB_ADV_BITRATE_0 + 4, IDB_ADV_BITRATE_0 + 5, 28, 78,
     kIndex),
    // Recording fps in Driving Mode
    Choice(IDC_ADV_DRIVING_FPS_0, kDrivingModeFrame, 0, 195, 138, 60, 61, IDB_ADV_DRIVING_FPS_0,
     IDB_ADV_DRIVING_FPS_0 + 1, 23, 150, kIndex),
    Choice(IDC_ADV_DRIVING_FPS_0 + 1, kDrivingModeFrame, 1, 262, 138, 60, 61, IDB_ADV_DRIVING_FPS_0 + 2,
     IDB_ADV_DRIVING_FPS_0 + 3, 23, 150, kIndex),
    Choice(IDC_ADV_DRIVING_FPS_0 + 2, kDrivingModeFrame, 2, 329, 138, 60, 61, IDB_ADV_DRIVING_FPS_0 + 4,
     IDB_ADV_DRIVING_FPS_0 + 5, 23, 150, kIndex),
    Choice(IDC_ADV_DRIVING_FPS_0 + 3, kDrivingModeFrame, 3, 396, 138, 60, 61, IDB_ADV_DRIVING_FPS_0 + 6,
     IDB_ADV_DRIVING_FPS_0 + 7, 23, 150, kIndex),
    // Recording fps in Parking Mode
    Choice(IDC_ADV_PARKING_FPS_0, kParkingModeFrame, 0, 195, 210, 60, 61, IDB_ADV_PARKING_FPS_0,
     IDB_ADV_PARKING_FPS_0 + 1, 23, 222, kIndex),
    Choice(IDC_ADV_PARKING_FPS_0 + 1, kParkingModeFrame, 1, 262, 210, 60, 61, IDB_ADV_PARKING_FPS_0 + 2,
     IDB_ADV_PARKING_FPS_0 + 3, 23, 222, kIndex),
    Choice(IDC_ADV_PARKING_FPS_0 + 2, kParkingModeFrame, 2, 329, 210, 60, 61, IDB_ADV_PARKING_FPS_0 + 4,
     IDB_ADV_PARKING_FPS_0 + 5, 23, 222, kIndex),
    Choice(IDC_ADV_PARKING_FPS_0 + 3, kParkingModeFrame, 3, 396, 210, 60, 61, IDB_ADV_PARKING_FPS_0 + 6,
     IDB_ADV_PARKING_FPS_0 + 7, 23, 222, kIndex),
    // Video Recording in Black and White (Parking Mode): ON first
    Choice(IDC_ADV_PARKING_BW_ON, kParkingBlackAndWhite, 1, 213, 293, 97, 34, IDB_ADV_PARKING_BW_ON,
     IDB_ADV_PARKING_BW_ON + 1, 5, 303, kOnOff),
    Choice(IDC_ADV_PARKING_BW_OFF, kParkingBlackAndWhite, 0, 313, 293, 97, 34, IDB_ADV_PARKING_BW_OFF,
     IDB_ADV_PARKING_BW_OFF + 1, 5, 303, kOnOff),
    // Video Out Image Flip: ON first
    Choice(IDC_ADV_FLIP_ON, kVideoOut, 1, 213, 365, 97, 34, IDB_ADV_FLIP_ON, IDB_ADV_FLIP_ON + 1, 5, 375, kOnOff),
    Choice(IDC_ADV_FLIP_OFF, kVideoOut, 0, 313, 365, 97, 34, IDB_ADV_FLIP_OFF, IDB_ADV_FLIP_OFF + 1, 5, 375, kOnOff),
    // Video Out Format
    Choice(IDC_ADV_VIDEO_OUT_NTSC, kVideoOutStandard, 0, 213, 437, 97, 34, IDB_ADV_VIDEO_OUT_NTSC,
     IDB_ADV_VIDEO_OUT_NTSC + 1, 5, 447, kIndex),
    Choice(IDC_ADV_VIDEO_OUT_PAL, kVideoOutStandard, 1, 313, 437, 97, 34, IDB_ADV_VIDEO_OUT_PAL,
     IDB_ADV_VIDEO_OUT_PAL + 1, 5, 447, kIndex),
    // Vehicle Speed (GPS Option)
    Choice(IDC_ADV_GPS_0, kGpsSpeedDisplay, 0, 190, 493, 70, 61, IDB_ADV_GPS_0, IDB_ADV_GPS_0 + 1, 28, 508, kIndex),
    Choice(IDC_ADV_GPS_0 + 1, kGpsSpeedDisplay, 1, 290, 493, 70, 61, IDB_ADV_GPS_0 + 2, IDB_ADV_GPS_0 + 3, 28, 508,
     kIndex),
    Choice(IDC_ADV_GPS_0 + 2, kGpsSpeedDisplay, 2, 390, 493, 70, 61, IDB_ADV_GPS_0 + 4, IDB_ADV_GPS_0 + 5, 28, 508,
     kIndex),
    // Memory Allocation (the two buttons also switch the partition slider)
    Choice(IDC_ADV_PARTITION_DEFAULT, kMemoryPartition, 0, 213, 580, 97, 34, IDB_ADV_PARTITION_DEFAULT,
     IDB_ADV_PARTITION_DEFAULT + 1, 5, 590, kIndex),
    Choice(IDC_ADV_PARTITION_CUSTOM, kMemoryPartition, 1, 313, 580, 97, 34, IDB_ADV_PARTITION_CUSTOM,
     IDB_ADV_PARTITION_CUSTOM + 1, 5, 590, kIndex),
    // Encoding Profile: the layout's placeholders only, so the value travels through unchanged
    Choice(IDC_ADV_PROFILE_HIGH, kEncodingProfile, 0, 0, 0, 0, 0, 0, 0, 0, 0, kHidden),
    Choice(IDC_ADV_PROFILE_MAIN, kEncodingProfile, 1, 0, 0, 0, 0, 0, 0, 0, 0, kHidden),
    Choice(IDC_ADV_PROFILE_BASELINE, kEncodingProfile, 2, 0, 0, 0, 0, 0, 0, 0, 0, kHidden),
};

static_assert(std::size(kChoiceButtons) == kChoiceButtonCount);

}  // namespace

std::span<const skin::Choice> ChoiceButtons() { return kChoiceButtons; }

const skin::OverlayTables& OverlayTables() {
  static constexpr skin::OverlayTables kTables{kActionButtons, kChoiceButtons, IDB_ADV_MARKER};
  return kTables;
}

}  // namespace advanced
