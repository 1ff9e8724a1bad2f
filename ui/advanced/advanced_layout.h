// Written by tools/skin/generate.py from tools/skin/layout.py; do not edit by hand.
// clang-format off
#pragma once

#include <windows.h>

#include <array>

#include "card/core/setting_rows.h"
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

// One per skin scale: 100 %, 125 %, 150 %, 175 %, 200 %.
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
    // 125 %
    {
        {603, 979},
        {{
            {IDCANCEL, {541, 14}, {47, 46}, IDB_ADV_CANCEL, IDB_ADV_CANCEL_PRESSED, IDB_ADV_CANCEL_HOVER, IDB_ADV_CANCEL_HOVER, 6},
            {IDOK, {388, 904}, {205, 75}, IDB_OK, IDB_OK_PRESSED, IDB_OK_HOVER, IDB_OK_HOVER, 0},
        }},
        {{
            {{IDC_ADV_BITRATE_0, {238, 79}, {87, 76}, IDB_ADV_BITRATE_0, IDB_ADV_BITRATE_0_PRESSED, 0, 0, 0}, card::kBitRate, 0, skin::Selection::kWhenStored, {273, 98}, 0},
            {{IDC_ADV_BITRATE_1, {363, 79}, {87, 76}, IDB_ADV_BITRATE_1, IDB_ADV_BITRATE_1_PRESSED, 0, 0, 0}, card::kBitRate, 1, skin::Selection::kWhenStored, {398, 98}, 0},
            {{IDC_ADV_BITRATE_2, {488, 79}, {87, 76}, IDB_ADV_BITRATE_2, IDB_ADV_BITRATE_2_PRESSED, 0, 0, 0}, card::kBitRate, 2, skin::Selection::kWhenStored, {523, 98}, 0},
            {{IDC_ADV_DRIVING_FPS_0, {244, 173}, {75, 76}, IDB_ADV_DRIVING_FPS_0, IDB_ADV_DRIVING_FPS_0_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 0, skin::Selection::kWhenStored, {273, 188}, 0},
            {{IDC_ADV_DRIVING_FPS_1, {328, 173}, {75, 76}, IDB_ADV_DRIVING_FPS_1, IDB_ADV_DRIVING_FPS_1_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 1, skin::Selection::kWhenStored, {356, 188}, 0},
            {{IDC_ADV_DRIVING_FPS_2, {411, 173}, {75, 76}, IDB_ADV_DRIVING_FPS_2, IDB_ADV_DRIVING_FPS_2_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 2, skin::Selection::kWhenStored, {440, 188}, 0},
            {{IDC_ADV_DRIVING_FPS_3, {495, 173}, {75, 76}, IDB_ADV_DRIVING_FPS_3, IDB_ADV_DRIVING_FPS_3_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 3, skin::Selection::kWhenStored, {524, 188}, 0},
            {{IDC_ADV_PARKING_FPS_0, {244, 263}, {75, 76}, IDB_ADV_PARKING_FPS_0, IDB_ADV_PARKING_FPS_0_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 0, skin::Selection::kWhenStored, {273, 278}, 0},
            {{IDC_ADV_PARKING_FPS_1, {328, 263}, {75, 76}, IDB_ADV_PARKING_FPS_1, IDB_ADV_PARKING_FPS_1_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 1, skin::Selection::kWhenStored, {356, 278}, 0},
            {{IDC_ADV_PARKING_FPS_2, {411, 263}, {75, 76}, IDB_ADV_PARKING_FPS_2, IDB_ADV_PARKING_FPS_2_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 2, skin::Selection::kWhenStored, {440, 278}, 0},
            {{IDC_ADV_PARKING_FPS_3, {495, 263}, {75, 76}, IDB_ADV_PARKING_FPS_3, IDB_ADV_PARKING_FPS_3_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 3, skin::Selection::kWhenStored, {524, 278}, 0},
            {{IDC_ADV_PARKING_BW_ON, {266, 366}, {122, 43}, IDB_ADV_PARKING_BW_ON, IDB_ADV_PARKING_BW_ON_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 1, skin::Selection::kWhenStoredOrUnmatched, {273, 379}, 0},
            {{IDC_ADV_PARKING_BW_OFF, {391, 366}, {122, 43}, IDB_ADV_PARKING_BW_OFF, IDB_ADV_PARKING_BW_OFF_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 0, skin::Selection::kWhenStoredOrUnmatched, {398, 379}, 0},
            {{IDC_ADV_FLIP_ON, {266, 456}, {122, 43}, IDB_ADV_FLIP_ON, IDB_ADV_FLIP_ON_PRESSED, 0, 0, 0}, card::kVideoOut, 1, skin::Selection::kWhenStoredOrUnmatched, {273, 469}, 0},
            {{IDC_ADV_FLIP_OFF, {391, 456}, {122, 43}, IDB_ADV_FLIP_OFF, IDB_ADV_FLIP_OFF_PRESSED, 0, 0, 0}, card::kVideoOut, 0, skin::Selection::kWhenStoredOrUnmatched, {398, 469}, 0},
            {{IDC_ADV_VIDEO_OUT_NTSC, {266, 546}, {122, 43}, IDB_ADV_VIDEO_OUT_NTSC, IDB_ADV_VIDEO_OUT_NTSC_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 0, skin::Selection::kWhenStored, {273, 559}, 0},
            {{IDC_ADV_VIDEO_OUT_PAL, {391, 546}, {122, 43}, IDB_ADV_VIDEO_OUT_PAL, IDB_ADV_VIDEO_OUT_PAL_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 1, skin::Selection::kWhenStored, {398, 559}, 0},
            {{IDC_ADV_GPS_0, {238, 616}, {87, 77}, IDB_ADV_GPS_0, IDB_ADV_GPS_0_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 0, skin::Selection::kWhenStored, {273, 635}, 0},
            {{IDC_ADV_GPS_1, {363, 616}, {87, 77}, IDB_ADV_GPS_1, IDB_ADV_GPS_1_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 1, skin::Selection::kWhenStored, {398, 635}, 0},
            {{IDC_ADV_GPS_2, {488, 616}, {87, 77}, IDB_ADV_GPS_2, IDB_ADV_GPS_2_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 2, skin::Selection::kWhenStored, {523, 635}, 0},
            {{IDC_ADV_PARTITION_DEFAULT, {266, 725}, {122, 43}, IDB_ADV_PARTITION_DEFAULT, IDB_ADV_PARTITION_DEFAULT_PRESSED, 0, 0, 0}, card::kMemoryPartition, 0, skin::Selection::kWhenStored, {273, 738}, 0},
            {{IDC_ADV_PARTITION_CUSTOM, {391, 725}, {122, 43}, IDB_ADV_PARTITION_CUSTOM, IDB_ADV_PARTITION_CUSTOM_PRESSED, 0, 0, 0}, card::kMemoryPartition, 1, skin::Selection::kWhenStored, {398, 738}, 0},
            {{IDC_ADV_PROFILE_HIGH, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 0, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_MAIN, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 1, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_BASELINE, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 2, skin::Selection::kHidden, {0, 0}, 0},
        }},
        {18, 18},
        RECT{83, 806, 474, 816},
        415,
        10,
    },
    // 150 %
    {
        {723, 1175},
        {{
            {IDCANCEL, {650, 17}, {55, 55}, IDB_ADV_CANCEL, IDB_ADV_CANCEL_PRESSED, IDB_ADV_CANCEL_HOVER, IDB_ADV_CANCEL_HOVER, 8},
            {IDOK, {465, 1085}, {246, 90}, IDB_OK, IDB_OK_PRESSED, IDB_OK_HOVER, IDB_OK_HOVER, 0},
        }},
        {{
            {{IDC_ADV_BITRATE_0, {285, 95}, {105, 91}, IDB_ADV_BITRATE_0, IDB_ADV_BITRATE_0_PRESSED, 0, 0, 0}, card::kBitRate, 0, skin::Selection::kWhenStored, {327, 117}, 0},
            {{IDC_ADV_BITRATE_1, {435, 95}, {105, 91}, IDB_ADV_BITRATE_1, IDB_ADV_BITRATE_1_PRESSED, 0, 0, 0}, card::kBitRate, 1, skin::Selection::kWhenStored, {477, 117}, 0},
            {{IDC_ADV_BITRATE_2, {585, 95}, {105, 91}, IDB_ADV_BITRATE_2, IDB_ADV_BITRATE_2_PRESSED, 0, 0, 0}, card::kBitRate, 2, skin::Selection::kWhenStored, {627, 117}, 0},
            {{IDC_ADV_DRIVING_FPS_0, {293, 207}, {90, 92}, IDB_ADV_DRIVING_FPS_0, IDB_ADV_DRIVING_FPS_0_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 0, skin::Selection::kWhenStored, {327, 225}, 0},
            {{IDC_ADV_DRIVING_FPS_1, {393, 207}, {90, 92}, IDB_ADV_DRIVING_FPS_1, IDB_ADV_DRIVING_FPS_1_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 1, skin::Selection::kWhenStored, {428, 225}, 0},
            {{IDC_ADV_DRIVING_FPS_2, {494, 207}, {90, 92}, IDB_ADV_DRIVING_FPS_2, IDB_ADV_DRIVING_FPS_2_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 2, skin::Selection::kWhenStored, {528, 225}, 0},
            {{IDC_ADV_DRIVING_FPS_3, {594, 207}, {90, 92}, IDB_ADV_DRIVING_FPS_3, IDB_ADV_DRIVING_FPS_3_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 3, skin::Selection::kWhenStored, {629, 225}, 0},
            {{IDC_ADV_PARKING_FPS_0, {293, 315}, {90, 92}, IDB_ADV_PARKING_FPS_0, IDB_ADV_PARKING_FPS_0_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 0, skin::Selection::kWhenStored, {327, 333}, 0},
            {{IDC_ADV_PARKING_FPS_1, {393, 315}, {90, 92}, IDB_ADV_PARKING_FPS_1, IDB_ADV_PARKING_FPS_1_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 1, skin::Selection::kWhenStored, {428, 333}, 0},
            {{IDC_ADV_PARKING_FPS_2, {494, 315}, {90, 92}, IDB_ADV_PARKING_FPS_2, IDB_ADV_PARKING_FPS_2_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 2, skin::Selection::kWhenStored, {528, 333}, 0},
            {{IDC_ADV_PARKING_FPS_3, {594, 315}, {90, 92}, IDB_ADV_PARKING_FPS_3, IDB_ADV_PARKING_FPS_3_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 3, skin::Selection::kWhenStored, {629, 333}, 0},
            {{IDC_ADV_PARKING_BW_ON, {320, 440}, {145, 51}, IDB_ADV_PARKING_BW_ON, IDB_ADV_PARKING_BW_ON_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 1, skin::Selection::kWhenStoredOrUnmatched, {327, 455}, 0},
            {{IDC_ADV_PARKING_BW_OFF, {470, 440}, {145, 51}, IDB_ADV_PARKING_BW_OFF, IDB_ADV_PARKING_BW_OFF_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 0, skin::Selection::kWhenStoredOrUnmatched, {477, 455}, 0},
            {{IDC_ADV_FLIP_ON, {320, 548}, {145, 51}, IDB_ADV_FLIP_ON, IDB_ADV_FLIP_ON_PRESSED, 0, 0, 0}, card::kVideoOut, 1, skin::Selection::kWhenStoredOrUnmatched, {327, 563}, 0},
            {{IDC_ADV_FLIP_OFF, {470, 548}, {145, 51}, IDB_ADV_FLIP_OFF, IDB_ADV_FLIP_OFF_PRESSED, 0, 0, 0}, card::kVideoOut, 0, skin::Selection::kWhenStoredOrUnmatched, {477, 563}, 0},
            {{IDC_ADV_VIDEO_OUT_NTSC, {320, 656}, {145, 51}, IDB_ADV_VIDEO_OUT_NTSC, IDB_ADV_VIDEO_OUT_NTSC_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 0, skin::Selection::kWhenStored, {327, 671}, 0},
            {{IDC_ADV_VIDEO_OUT_PAL, {470, 656}, {145, 51}, IDB_ADV_VIDEO_OUT_PAL, IDB_ADV_VIDEO_OUT_PAL_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 1, skin::Selection::kWhenStored, {477, 671}, 0},
            {{IDC_ADV_GPS_0, {285, 740}, {105, 91}, IDB_ADV_GPS_0, IDB_ADV_GPS_0_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 0, skin::Selection::kWhenStored, {327, 762}, 0},
            {{IDC_ADV_GPS_1, {435, 740}, {105, 91}, IDB_ADV_GPS_1, IDB_ADV_GPS_1_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 1, skin::Selection::kWhenStored, {477, 762}, 0},
            {{IDC_ADV_GPS_2, {585, 740}, {105, 91}, IDB_ADV_GPS_2, IDB_ADV_GPS_2_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 2, skin::Selection::kWhenStored, {627, 762}, 0},
            {{IDC_ADV_PARTITION_DEFAULT, {320, 870}, {145, 51}, IDB_ADV_PARTITION_DEFAULT, IDB_ADV_PARTITION_DEFAULT_PRESSED, 0, 0, 0}, card::kMemoryPartition, 0, skin::Selection::kWhenStored, {327, 885}, 0},
            {{IDC_ADV_PARTITION_CUSTOM, {470, 870}, {145, 51}, IDB_ADV_PARTITION_CUSTOM, IDB_ADV_PARTITION_CUSTOM_PRESSED, 0, 0, 0}, card::kMemoryPartition, 1, skin::Selection::kWhenStored, {477, 885}, 0},
            {{IDC_ADV_PROFILE_HIGH, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 0, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_MAIN, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 1, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_BASELINE, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 2, skin::Selection::kHidden, {0, 0}, 0},
        }},
        {21, 21},
        RECT{99, 968, 569, 980},
        498,
        12,
    },
    // 175 %
    {
        {844, 1370},
        {{
            {IDCANCEL, {758, 19}, {65, 65}, IDB_ADV_CANCEL, IDB_ADV_CANCEL_PRESSED, IDB_ADV_CANCEL_HOVER, IDB_ADV_CANCEL_HOVER, 9},
            {IDOK, {543, 1265}, {287, 105}, IDB_OK, IDB_OK_PRESSED, IDB_OK_HOVER, IDB_OK_HOVER, 0},
        }},
        {{
            {{IDC_ADV_BITRATE_0, {333, 110}, {122, 107}, IDB_ADV_BITRATE_0, IDB_ADV_BITRATE_0_PRESSED, 0, 0, 0}, card::kBitRate, 0, skin::Selection::kWhenStored, {382, 137}, 0},
            {{IDC_ADV_BITRATE_1, {508, 110}, {122, 107}, IDB_ADV_BITRATE_1, IDB_ADV_BITRATE_1_PRESSED, 0, 0, 0}, card::kBitRate, 1, skin::Selection::kWhenStored, {557, 137}, 0},
            {{IDC_ADV_BITRATE_2, {683, 110}, {122, 107}, IDB_ADV_BITRATE_2, IDB_ADV_BITRATE_2_PRESSED, 0, 0, 0}, card::kBitRate, 2, skin::Selection::kWhenStored, {732, 137}, 0},
            {{IDC_ADV_DRIVING_FPS_0, {341, 242}, {105, 106}, IDB_ADV_DRIVING_FPS_0, IDB_ADV_DRIVING_FPS_0_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 0, skin::Selection::kWhenStored, {382, 263}, 0},
            {{IDC_ADV_DRIVING_FPS_1, {459, 242}, {105, 106}, IDB_ADV_DRIVING_FPS_1, IDB_ADV_DRIVING_FPS_1_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 1, skin::Selection::kWhenStored, {499, 263}, 0},
            {{IDC_ADV_DRIVING_FPS_2, {576, 242}, {105, 106}, IDB_ADV_DRIVING_FPS_2, IDB_ADV_DRIVING_FPS_2_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 2, skin::Selection::kWhenStored, {616, 263}, 0},
            {{IDC_ADV_DRIVING_FPS_3, {693, 242}, {105, 106}, IDB_ADV_DRIVING_FPS_3, IDB_ADV_DRIVING_FPS_3_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 3, skin::Selection::kWhenStored, {733, 263}, 0},
            {{IDC_ADV_PARKING_FPS_0, {341, 368}, {105, 106}, IDB_ADV_PARKING_FPS_0, IDB_ADV_PARKING_FPS_0_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 0, skin::Selection::kWhenStored, {382, 389}, 0},
            {{IDC_ADV_PARKING_FPS_1, {459, 368}, {105, 106}, IDB_ADV_PARKING_FPS_1, IDB_ADV_PARKING_FPS_1_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 1, skin::Selection::kWhenStored, {499, 389}, 0},
            {{IDC_ADV_PARKING_FPS_2, {576, 368}, {105, 106}, IDB_ADV_PARKING_FPS_2, IDB_ADV_PARKING_FPS_2_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 2, skin::Selection::kWhenStored, {616, 389}, 0},
            {{IDC_ADV_PARKING_FPS_3, {693, 368}, {105, 106}, IDB_ADV_PARKING_FPS_3, IDB_ADV_PARKING_FPS_3_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 3, skin::Selection::kWhenStored, {733, 389}, 0},
            {{IDC_ADV_PARKING_BW_ON, {373, 513}, {170, 59}, IDB_ADV_PARKING_BW_ON, IDB_ADV_PARKING_BW_ON_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 1, skin::Selection::kWhenStoredOrUnmatched, {382, 530}, 0},
            {{IDC_ADV_PARKING_BW_OFF, {548, 513}, {170, 59}, IDB_ADV_PARKING_BW_OFF, IDB_ADV_PARKING_BW_OFF_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 0, skin::Selection::kWhenStoredOrUnmatched, {557, 530}, 0},
            {{IDC_ADV_FLIP_ON, {373, 639}, {170, 59}, IDB_ADV_FLIP_ON, IDB_ADV_FLIP_ON_PRESSED, 0, 0, 0}, card::kVideoOut, 1, skin::Selection::kWhenStoredOrUnmatched, {382, 656}, 0},
            {{IDC_ADV_FLIP_OFF, {548, 639}, {170, 59}, IDB_ADV_FLIP_OFF, IDB_ADV_FLIP_OFF_PRESSED, 0, 0, 0}, card::kVideoOut, 0, skin::Selection::kWhenStoredOrUnmatched, {557, 656}, 0},
            {{IDC_ADV_VIDEO_OUT_NTSC, {373, 765}, {170, 59}, IDB_ADV_VIDEO_OUT_NTSC, IDB_ADV_VIDEO_OUT_NTSC_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 0, skin::Selection::kWhenStored, {382, 782}, 0},
            {{IDC_ADV_VIDEO_OUT_PAL, {548, 765}, {170, 59}, IDB_ADV_VIDEO_OUT_PAL, IDB_ADV_VIDEO_OUT_PAL_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 1, skin::Selection::kWhenStored, {557, 782}, 0},
            {{IDC_ADV_GPS_0, {333, 863}, {122, 107}, IDB_ADV_GPS_0, IDB_ADV_GPS_0_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 0, skin::Selection::kWhenStored, {382, 889}, 0},
            {{IDC_ADV_GPS_1, {508, 863}, {122, 107}, IDB_ADV_GPS_1, IDB_ADV_GPS_1_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 1, skin::Selection::kWhenStored, {557, 889}, 0},
            {{IDC_ADV_GPS_2, {683, 863}, {122, 107}, IDB_ADV_GPS_2, IDB_ADV_GPS_2_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 2, skin::Selection::kWhenStored, {732, 889}, 0},
            {{IDC_ADV_PARTITION_DEFAULT, {373, 1015}, {170, 60}, IDB_ADV_PARTITION_DEFAULT, IDB_ADV_PARTITION_DEFAULT_PRESSED, 0, 0, 0}, card::kMemoryPartition, 0, skin::Selection::kWhenStored, {382, 1033}, 0},
            {{IDC_ADV_PARTITION_CUSTOM, {548, 1015}, {170, 60}, IDB_ADV_PARTITION_CUSTOM, IDB_ADV_PARTITION_CUSTOM_PRESSED, 0, 0, 0}, card::kMemoryPartition, 1, skin::Selection::kWhenStored, {557, 1033}, 0},
            {{IDC_ADV_PROFILE_HIGH, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 0, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_MAIN, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 1, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_BASELINE, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 2, skin::Selection::kHidden, {0, 0}, 0},
        }},
        {25, 25},
        RECT{116, 1129, 663, 1143},
        581,
        14,
    },
    // 200 %
    {
        {964, 1566},
        {{
            {IDCANCEL, {866, 22}, {74, 74}, IDB_ADV_CANCEL, IDB_ADV_CANCEL_PRESSED, IDB_ADV_CANCEL_HOVER, IDB_ADV_CANCEL_HOVER, 10},
            {IDOK, {620, 1446}, {328, 120}, IDB_OK, IDB_OK_PRESSED, IDB_OK_HOVER, IDB_OK_HOVER, 0},
        }},
        {{
            {{IDC_ADV_BITRATE_0, {380, 126}, {140, 122}, IDB_ADV_BITRATE_0, IDB_ADV_BITRATE_0_PRESSED, 0, 0, 0}, card::kBitRate, 0, skin::Selection::kWhenStored, {436, 156}, 0},
            {{IDC_ADV_BITRATE_1, {580, 126}, {140, 122}, IDB_ADV_BITRATE_1, IDB_ADV_BITRATE_1_PRESSED, 0, 0, 0}, card::kBitRate, 1, skin::Selection::kWhenStored, {636, 156}, 0},
            {{IDC_ADV_BITRATE_2, {780, 126}, {140, 122}, IDB_ADV_BITRATE_2, IDB_ADV_BITRATE_2_PRESSED, 0, 0, 0}, card::kBitRate, 2, skin::Selection::kWhenStored, {836, 156}, 0},
            {{IDC_ADV_DRIVING_FPS_0, {390, 276}, {120, 122}, IDB_ADV_DRIVING_FPS_0, IDB_ADV_DRIVING_FPS_0_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 0, skin::Selection::kWhenStored, {436, 300}, 0},
            {{IDC_ADV_DRIVING_FPS_1, {524, 276}, {120, 122}, IDB_ADV_DRIVING_FPS_1, IDB_ADV_DRIVING_FPS_1_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 1, skin::Selection::kWhenStored, {570, 300}, 0},
            {{IDC_ADV_DRIVING_FPS_2, {658, 276}, {120, 122}, IDB_ADV_DRIVING_FPS_2, IDB_ADV_DRIVING_FPS_2_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 2, skin::Selection::kWhenStored, {704, 300}, 0},
            {{IDC_ADV_DRIVING_FPS_3, {792, 276}, {120, 122}, IDB_ADV_DRIVING_FPS_3, IDB_ADV_DRIVING_FPS_3_PRESSED, 0, 0, 0}, card::kDrivingModeFrame, 3, skin::Selection::kWhenStored, {838, 300}, 0},
            {{IDC_ADV_PARKING_FPS_0, {390, 420}, {120, 122}, IDB_ADV_PARKING_FPS_0, IDB_ADV_PARKING_FPS_0_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 0, skin::Selection::kWhenStored, {436, 444}, 0},
            {{IDC_ADV_PARKING_FPS_1, {524, 420}, {120, 122}, IDB_ADV_PARKING_FPS_1, IDB_ADV_PARKING_FPS_1_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 1, skin::Selection::kWhenStored, {570, 444}, 0},
            {{IDC_ADV_PARKING_FPS_2, {658, 420}, {120, 122}, IDB_ADV_PARKING_FPS_2, IDB_ADV_PARKING_FPS_2_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 2, skin::Selection::kWhenStored, {704, 444}, 0},
            {{IDC_ADV_PARKING_FPS_3, {792, 420}, {120, 122}, IDB_ADV_PARKING_FPS_3, IDB_ADV_PARKING_FPS_3_PRESSED, 0, 0, 0}, card::kParkingModeFrame, 3, skin::Selection::kWhenStored, {838, 444}, 0},
            {{IDC_ADV_PARKING_BW_ON, {426, 586}, {194, 68}, IDB_ADV_PARKING_BW_ON, IDB_ADV_PARKING_BW_ON_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 1, skin::Selection::kWhenStoredOrUnmatched, {436, 606}, 0},
            {{IDC_ADV_PARKING_BW_OFF, {626, 586}, {194, 68}, IDB_ADV_PARKING_BW_OFF, IDB_ADV_PARKING_BW_OFF_PRESSED, 0, 0, 0}, card::kParkingBlackAndWhite, 0, skin::Selection::kWhenStoredOrUnmatched, {636, 606}, 0},
            {{IDC_ADV_FLIP_ON, {426, 730}, {194, 68}, IDB_ADV_FLIP_ON, IDB_ADV_FLIP_ON_PRESSED, 0, 0, 0}, card::kVideoOut, 1, skin::Selection::kWhenStoredOrUnmatched, {436, 750}, 0},
            {{IDC_ADV_FLIP_OFF, {626, 730}, {194, 68}, IDB_ADV_FLIP_OFF, IDB_ADV_FLIP_OFF_PRESSED, 0, 0, 0}, card::kVideoOut, 0, skin::Selection::kWhenStoredOrUnmatched, {636, 750}, 0},
            {{IDC_ADV_VIDEO_OUT_NTSC, {426, 874}, {194, 68}, IDB_ADV_VIDEO_OUT_NTSC, IDB_ADV_VIDEO_OUT_NTSC_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 0, skin::Selection::kWhenStored, {436, 894}, 0},
            {{IDC_ADV_VIDEO_OUT_PAL, {626, 874}, {194, 68}, IDB_ADV_VIDEO_OUT_PAL, IDB_ADV_VIDEO_OUT_PAL_PRESSED, 0, 0, 0}, card::kVideoOutStandard, 1, skin::Selection::kWhenStored, {636, 894}, 0},
            {{IDC_ADV_GPS_0, {380, 986}, {140, 122}, IDB_ADV_GPS_0, IDB_ADV_GPS_0_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 0, skin::Selection::kWhenStored, {436, 1016}, 0},
            {{IDC_ADV_GPS_1, {580, 986}, {140, 122}, IDB_ADV_GPS_1, IDB_ADV_GPS_1_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 1, skin::Selection::kWhenStored, {636, 1016}, 0},
            {{IDC_ADV_GPS_2, {780, 986}, {140, 122}, IDB_ADV_GPS_2, IDB_ADV_GPS_2_PRESSED, 0, 0, 0}, card::kGpsSpeedDisplay, 2, skin::Selection::kWhenStored, {836, 1016}, 0},
            {{IDC_ADV_PARTITION_DEFAULT, {426, 1160}, {194, 68}, IDB_ADV_PARTITION_DEFAULT, IDB_ADV_PARTITION_DEFAULT_PRESSED, 0, 0, 0}, card::kMemoryPartition, 0, skin::Selection::kWhenStored, {436, 1180}, 0},
            {{IDC_ADV_PARTITION_CUSTOM, {626, 1160}, {194, 68}, IDB_ADV_PARTITION_CUSTOM, IDB_ADV_PARTITION_CUSTOM_PRESSED, 0, 0, 0}, card::kMemoryPartition, 1, skin::Selection::kWhenStored, {636, 1180}, 0},
            {{IDC_ADV_PROFILE_HIGH, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 0, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_MAIN, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 1, skin::Selection::kHidden, {0, 0}, 0},
            {{IDC_ADV_PROFILE_BASELINE, {0, 0}, {0, 0}, 0, 0, 0, 0, 0}, card::kEncodingProfile, 2, skin::Selection::kHidden, {0, 0}, 0},
        }},
        {28, 28},
        RECT{132, 1290, 758, 1306},
        664,
        16,
    },
};

}  // namespace advanced::layout
