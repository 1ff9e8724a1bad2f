#include "ui/advanced/choice_buttons.h"

#include <algorithm>

#include "res/resource.h"

namespace advanced {
namespace {

constexpr MarkerTest kIndex = MarkerTest::kSelectedIndex;
constexpr MarkerTest kOnOff = MarkerTest::kOtherIndex;
constexpr MarkerTest kHidden = MarkerTest::kHidden;

// A button at (x, y) of width x height; its marker sits markerDx right of its left edge, at markerY.
constexpr ChoiceButton Choice(UINT id, int slot, int32_t value, int x, int y, int width, int height, UINT normal,
                              UINT pressed, int markerDx, int markerY, MarkerTest test) {
  return {{id, {x, y}, {width, height}, normal, pressed, 0, 0, 0}, slot, value, {x + markerDx, markerY}, test};
}

constexpr ChoiceButton kChoiceButtons[] = {
    // Video Quality
    Choice(IDC_ADV_BITRATE_0, kBitRateSlot, 0, 190, 63, 70, 61, IDB_ADV_BITRATE_0, IDB_ADV_BITRATE_0 + 1, 28, 78, kIndex),
    Choice(IDC_ADV_BITRATE_0 + 1, kBitRateSlot, 1, 290, 63, 70, 61, IDB_ADV_BITRATE_0 + 2, IDB_ADV_BITRATE_0 + 3, 28, 78,
     kIndex),
    Choice(IDC_ADV_BITRATE_0 + 2, kBitRateSlot, 2, 390, 63, 70, 61, IDB_ADV_BITRATE_0 + 4, IDB_ADV_BITRATE_0 + 5, 28, 78,
     kIndex),
    // Recording fps in Driving Mode
    Choice(IDC_ADV_DRIVING_FPS_0, kDrivingModeFrameSlot, 0, 195, 138, 60, 61, IDB_ADV_DRIVING_FPS_0,
     IDB_ADV_DRIVING_FPS_0 + 1, 23, 150, kIndex),
    Choice(IDC_ADV_DRIVING_FPS_0 + 1, kDrivingModeFrameSlot, 1, 262, 138, 60, 61, IDB_ADV_DRIVING_FPS_0 + 2,
     IDB_ADV_DRIVING_FPS_0 + 3, 23, 150, kIndex),
    Choice(IDC_ADV_DRIVING_FPS_0 + 2, kDrivingModeFrameSlot, 2, 329, 138, 60, 61, IDB_ADV_DRIVING_FPS_0 + 4,
     IDB_ADV_DRIVING_FPS_0 + 5, 23, 150, kIndex),
    Choice(IDC_ADV_DRIVING_FPS_0 + 3, kDrivingModeFrameSlot, 3, 396, 138, 60, 61, IDB_ADV_DRIVING_FPS_0 + 6,
     IDB_ADV_DRIVING_FPS_0 + 7, 23, 150, kIndex),
    // Recording fps in Parking Mode
    Choice(IDC_ADV_PARKING_FPS_0, kParkingModeFrameSlot, 0, 195, 210, 60, 61, IDB_ADV_PARKING_FPS_0,
     IDB_ADV_PARKING_FPS_0 + 1, 23, 222, kIndex),
    Choice(IDC_ADV_PARKING_FPS_0 + 1, kParkingModeFrameSlot, 1, 262, 210, 60, 61, IDB_ADV_PARKING_FPS_0 + 2,
     IDB_ADV_PARKING_FPS_0 + 3, 23, 222, kIndex),
    Choice(IDC_ADV_PARKING_FPS_0 + 2, kParkingModeFrameSlot, 2, 329, 210, 60, 61, IDB_ADV_PARKING_FPS_0 + 4,
     IDB_ADV_PARKING_FPS_0 + 5, 23, 222, kIndex),
    Choice(IDC_ADV_PARKING_FPS_0 + 3, kParkingModeFrameSlot, 3, 396, 210, 60, 61, IDB_ADV_PARKING_FPS_0 + 6,
     IDB_ADV_PARKING_FPS_0 + 7, 23, 222, kIndex),
    // Video Recording in Black and White (Parking Mode): ON first
    Choice(IDC_ADV_PARKING_BW_ON, kParkingBlackAndWhiteSlot, 1, 213, 293, 97, 34, IDB_ADV_PARKING_BW_ON,
     IDB_ADV_PARKING_BW_ON + 1, 5, 303, kOnOff),
    Choice(IDC_ADV_PARKING_BW_OFF, kParkingBlackAndWhiteSlot, 0, 313, 293, 97, 34, IDB_ADV_PARKING_BW_OFF,
     IDB_ADV_PARKING_BW_OFF + 1, 5, 303, kOnOff),
    // Video Out Image Flip: ON first
    Choice(IDC_ADV_FLIP_ON, kVideoOutSlot, 1, 213, 365, 97, 34, IDB_ADV_FLIP_ON, IDB_ADV_FLIP_ON + 1, 5, 375, kOnOff),
    Choice(IDC_ADV_FLIP_OFF, kVideoOutSlot, 0, 313, 365, 97, 34, IDB_ADV_FLIP_OFF, IDB_ADV_FLIP_OFF + 1, 5, 375, kOnOff),
    // Video Out Format
    Choice(IDC_ADV_VIDEO_OUT_NTSC, kVideoOutStandardSlot, 0, 213, 437, 97, 34, IDB_ADV_VIDEO_OUT_NTSC,
     IDB_ADV_VIDEO_OUT_NTSC + 1, 5, 447, kIndex),
    Choice(IDC_ADV_VIDEO_OUT_PAL, kVideoOutStandardSlot, 1, 313, 437, 97, 34, IDB_ADV_VIDEO_OUT_PAL,
     IDB_ADV_VIDEO_OUT_PAL + 1, 5, 447, kIndex),
    // Vehicle Speed (GPS Option)
    Choice(IDC_ADV_GPS_0, kGpsSpeedDisplaySlot, 0, 190, 493, 70, 61, IDB_ADV_GPS_0, IDB_ADV_GPS_0 + 1, 28, 508, kIndex),
    Choice(IDC_ADV_GPS_0 + 1, kGpsSpeedDisplaySlot, 1, 290, 493, 70, 61, IDB_ADV_GPS_0 + 2, IDB_ADV_GPS_0 + 3, 28, 508,
     kIndex),
    Choice(IDC_ADV_GPS_0 + 2, kGpsSpeedDisplaySlot, 2, 390, 493, 70, 61, IDB_ADV_GPS_0 + 4, IDB_ADV_GPS_0 + 5, 28, 508,
     kIndex),
    // Memory Allocation (the two buttons also switch the partition slider)
    Choice(IDC_ADV_PARTITION_DEFAULT, kMemoryPartitionSlot, 0, 213, 580, 97, 34, IDB_ADV_PARTITION_DEFAULT,
     IDB_ADV_PARTITION_DEFAULT + 1, 5, 590, kIndex),
    Choice(IDC_ADV_PARTITION_CUSTOM, kMemoryPartitionSlot, 1, 313, 580, 97, 34, IDB_ADV_PARTITION_CUSTOM,
     IDB_ADV_PARTITION_CUSTOM + 1, 5, 590, kIndex),
    // Encoding Profile: the layout's placeholders only, so the value travels through unchanged
    Choice(IDC_ADV_PROFILE_HIGH, kEncodingProfileSlot, 0, 0, 0, 0, 0, 0, 0, 0, 0, kHidden),
    Choice(IDC_ADV_PROFILE_MAIN, kEncodingProfileSlot, 1, 0, 0, 0, 0, 0, 0, 0, 0, kHidden),
    Choice(IDC_ADV_PROFILE_BASELINE, kEncodingProfileSlot, 2, 0, 0, 0, 0, 0, 0, 0, 0, kHidden),
};

static_assert(std::size(kChoiceButtons) == kChoiceButtonCount);

}  // namespace

std::span<const ChoiceButton> ChoiceButtons() { return kChoiceButtons; }

const ChoiceButton* FindChoice(UINT id) {
  const auto found = std::find_if(std::begin(kChoiceButtons), std::end(kChoiceButtons),
                                  [id](const ChoiceButton& b) { return b.id == id; });
  return found == std::end(kChoiceButtons) ? nullptr : &*found;
}

}  // namespace advanced
