// Written by tools/skin/generate.py from tools/skin/layout.py; do not edit by hand.
// clang-format off
#pragma once

#include <windows.h>

#include <array>

#include "card/setting_rows.h"
#include "res/resource.h"
#include "ui/skin/button_layout.h"
#include "ui/skin/choice.h"

namespace advanced::layout {

// The window's geometry at one display scale, in that scale's pixels.
struct Layout {
  SIZE window;
  std::array<skin::ButtonLayout, 2> actions;  // in the hover overlay's order
  std::array<skin::Choice, 25> choices;  // in creation order
  SIZE marker;  // the Selection marker's size
  RECT slider;  // the partition slider in the window
  int sliderBandRight;  // its channel's band is painted up to here, in the slider's pixels
  int sliderBandHeight;
};

// The Choice buttons' control identifiers: a click on one of these, and only these, is a choice.
inline constexpr std::array<UINT, 25> kChoiceIds{
    IDC_ADV_BITRATE_0, IDC_ADV_BITRATE_1, IDC_ADV_BITRATE_2, IDC_ADV_DRIVING_FPS_0,
    IDC_ADV_DRIVING_FPS_1, IDC_ADV_DRIVING_FPS_2, IDC_ADV_DRIVING_FPS_3, IDC_ADV_PARKING_FPS_0,
    IDC_ADV_PARKING_FPS_1, IDC_ADV_PARKING_FPS_2, IDC_ADV_PARKING_FPS_3, IDC_ADV_PARKING_BW_ON,
    IDC_ADV_PARKING_BW_OFF, IDC_ADV_FLIP_ON, IDC_ADV_FLIP_OFF, IDC_ADV_VIDEO_OUT_NTSC,
    IDC_ADV_VIDEO_OUT_PAL, IDC_ADV_GPS_0, IDC_ADV_GPS_1, IDC_ADV_GPS_2,
    IDC_ADV_PARTITION_DEFAULT, IDC_ADV_PARTITION_CUSTOM, IDC_ADV_PROFILE_HIGH, IDC_ADV_PROFILE_MAIN,
    IDC_ADV_PROFILE_BASELINE};

// One per skin scale: 100 %.
inline constexpr Layout kLayouts[] = {
    // 100 %
    {
        {482, 783},
        {{
            {IDCANCEL, {433, 11}, {37, 37}, IDB_ADV_CANCEL, IDB_ADV_CANCEL_PRESSED, IDB_ADV_CANCEL_HOVER, IDB_ADV_CANCEL_HOVER, 5},
            {IDOK, {310, 723}, {164, 60}, IDB_OK, IDB_OK_PRESSED, IDB_OK_HOVER, IDB_OK_HOVER, 0},
        }},
        {{
            {{IDC_ADV_BITRATE_0, {190, 63}, {70, 61}, IDB_ADV_BITRATE_0, IDB_ADV_BITRATE_0_PRESSED, 0, 0, 0}, card::kBitRate, 0, skin::Selection::kWhenStored, {218, 78}, 0},
            {{IDC_ADV_BITRATE_1, {290, 63}, {70, 61}, IDB_ADV_BITRATE_1, IDB_ADV_BITRATE_1_PRESSED, 0, 0, 0}, card::kBitRate, 1, skin::Selection::kWhenStored, {318, 78}, 0},
            {{IDC_ADV_BITRATE_2, {390, 63}, {70, 61}, IDB_ADV_BITRATE_2, IDB_ADV_BITRATE_2_PRESSED, 0, 0, 0}, card::kBitRate, 2, skin::Selection::kWhenStored, {418, 78}, 0},
            {{IDC_ADV_DRIVING_FPS_0, {195, 138}, {60, 61}, IDB_ADV_DRIVING_FPS_0, IDB_ADV_DRIVING_FPS_0_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 0, skin::Selection::kWhenStored, {218, 150}, 0},
            {{IDC_ADV_DRIVING_FPS_1, {262, 138}, {60, 61}, IDB_ADV_DRIVING_FPS_1, IDB_ADV_DRIVING_FPS_1_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 1, skin::Selection::kWhenStored, {285, 150}, 0},
            {{IDC_ADV_DRIVING_FPS_2, {329, 138}, {60, 61}, IDB_ADV_DRIVING_FPS_2, IDB_ADV_DRIVING_FPS_2_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 2, skin::Selection::kWhenStored, {352, 150}, 0},
            {{IDC_ADV_DRIVING_FPS_3, {396, 138}, {60, 61}, IDB_ADV_DRIVING_FPS_3, IDB_ADV_DRIVING_FPS_3_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 3, skin::Selection::kWhenStored, {419, 150}, 0},
            {{IDC_ADV_PARKING_FPS_0, {195, 210}, {60, 61}, IDB_ADV_PARKING_FPS_0, IDB_ADV_PARKING_FPS_0_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 0, skin::Selection::kWhenStored, {218, 222}, 0},
            {{IDC_ADV_PARKING_FPS_1, {262, 210}, {60, 61}, IDB_ADV_PARKING_FPS_1, IDB_ADV_PARKING_FPS_1_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 1, skin::Selection::kWhenStored, {285, 222}, 0},
            {{IDC_ADV_PARKING_FPS_2, {329, 210}, {60, 61}, IDB_ADV_PARKING_FPS_2, IDB_ADV_PARKING_FPS_2_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 2, skin::Selection::kWhenStored, {352, 222}, 0},
            {{IDC_ADV_PARKING_FPS_3, {396, 210}, {60, 61}, IDB_ADV_PARKING_FPS_3, IDB_ADV_PARKING_FPS_3_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 3, skin::Selection::kWhenStored, {419, 222}, 0},
            {{IDC_ADV_PARKING_BW_ON, {213, 293}, {97, 34}, IDB_ADV_PARKING_BW_ON, IDB_ADV_PARKING_BW_ON_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 1, skin::Selection::kWhenStoredOrUnmatched, {218, 303}, 0},
            {{IDC_ADV_PARKING_BW_OFF, {313, 293}, {97, 34}, IDB_ADV_PARKING_BW_OFF, IDB_ADV_PARKING_BW_OFF_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 0, skin::Selection::kWhenStoredOrUnmatched, {318, 303}, 0},
            {{IDC_ADV_FLIP_ON, {213, 365}, {97, 34}, IDB_ADV_FLIP_ON, IDB_ADV_FLIP_ON_PRESSED, 0, 0, 0}, card::kVideoOut, 1, skin::Selection::kWhenStoredOrUnmatched, {218, 375}, 0},
            {{IDC_ADV_FLIP_OFF, {313, 365}, {97, 34}, IDB_ADV_FLIP_OFF, IDB_ADV_FLIP_OFF_PRESSED, 0, 0, 0}, card::kVideoOut, 0, skin::Selection::kWhenStoredOrUnmatched, {318, 375}, 0},
            {{IDC_ADV_VIDEO_OUT_NTSC, {213, 437}, {97, 34}, IDB_ADV_VIDEO_OUT_NTSC, IDB_ADV_VIDEO_OUT_NTSC_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 0, skin::Selection::kWhenStored, {218, 447}, 0},
            {{IDC_ADV_VIDEO_OUT_PAL, {313, 437}, {97, 34}, IDB_ADV_VIDEO_OUT_PAL, IDB_ADV_VIDEO_OUT_PAL_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 1, skin::Selection::kWhenStored, {318, 447}, 0},
            {{IDC_ADV_GPS_0, {190, 493}, {70, 61}, IDB_ADV_GPS_0, IDB_ADV_GPS_0_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 0, skin::Selection::kWhenStored, {218, 508}, 0},
            {{IDC_ADV_GPS_1, {290, 493}, {70, 61}, IDB_ADV_GPS_1, IDB_ADV_GPS_1_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 1, skin::Selection::kWhenStored, {318, 508}, 0},
            {{IDC_ADV_GPS_2, {390, 493}, {70, 61}, IDB_ADV_GPS_2, IDB_ADV_GPS_2_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 2, skin::Selection::kWhenStored, {418, 508}, 0},
            {{IDC_ADV_PARTITION_DEFAULT, {213, 580}, {97, 34}, IDB_ADV_PARTITION_DEFAULT, IDB_ADV_PARTITION_DEFAULT_PRESSED, 0, 0, 0}, card::kMemoryPartition, 0, skin::Selection::kWhenStored, {218, 590}, 0},
            {{IDC_ADV_PARTITION_CUSTOM, {313, 580}, {97, 34}, IDB_ADV_PARTITION_CUSTOM, IDB_ADV_PARTITION_CUSTOM_PRESSED, 0, 0, 0}, card::kMemoryPartition, 1, skin::Selection::kWhenStored, {318, 590}, 0},
            {{IDC_ADV_PROFILE_HIGH, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 0, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_MAIN, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 1, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_BASELINE, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 2, skin::Selection::kHidden, {0, 0}, 0},
        }},
        {14, 14},
        RECT{66, 645, 379, 653},
        332,
        8,
    },
};

}  // namespace advanced::layout
