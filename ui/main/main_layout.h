// Written by tools/skin/generate.py from tools/skin/layout.py; do not edit by hand.
// clang-format off
#pragma once

#include <windows.h>

#include <array>

#include "card/setting_rows.h"
#include "res/resource.h"
#include "ui/skin/button_layout.h"
#include "ui/skin/choice.h"

namespace main_window::layout {

// The window's geometry at one display scale, in that scale's pixels.
struct Layout {
  SIZE window;
  std::array<skin::ButtonLayout, 6> actions;  // in the hover overlay's order
  std::array<skin::Choice, 33> choices;  // in creation order
  SIZE marker;  // the Selection marker's size
  RECT modelLine, firmwareLine;  // the Version table's lines
  RECT clockLine;
  int clockSecondsLeft;  // where the line's seconds start in its intended font
  int textHeight;  // of the font of the three lines
};

// The Choice buttons' control identifiers: a click on one of these, and only these, is a choice.
inline constexpr std::array<UINT, 33> kChoiceIds{
    IDC_MAIN_RES_1080P, IDC_MAIN_RES_720P, IDC_MAIN_RES_720P_WIDE, IDC_MAIN_DRIVING_ACCEL_0,
    IDC_MAIN_DRIVING_ACCEL_1, IDC_MAIN_DRIVING_ACCEL_2, IDC_MAIN_DRIVING_ACCEL_3, IDC_MAIN_DRIVING_ACCEL_4,
    IDC_MAIN_DRIVING_ACCEL_OFF, IDC_MAIN_PARKING_ACCEL_0, IDC_MAIN_PARKING_ACCEL_1, IDC_MAIN_PARKING_ACCEL_2,
    IDC_MAIN_PARKING_ACCEL_3, IDC_MAIN_PARKING_ACCEL_4, IDC_MAIN_AUTO_PARKING_ON, IDC_MAIN_AUTO_PARKING_MANUAL,
    IDC_MAIN_PARKING_MOTION_0, IDC_MAIN_PARKING_MOTION_1, IDC_MAIN_PARKING_MOTION_2, IDC_MAIN_PARKING_MOTION_3,
    IDC_MAIN_PARKING_MOTION_4, IDC_MAIN_NIGHT_BRIGHT_0, IDC_MAIN_NIGHT_BRIGHT_1, IDC_MAIN_NIGHT_BRIGHT_2,
    IDC_MAIN_NIGHT_BRIGHT_3, IDC_MAIN_NIGHT_BRIGHT_4, IDC_MAIN_SPEAKER_0, IDC_MAIN_SPEAKER_1,
    IDC_MAIN_SPEAKER_2, IDC_MAIN_SPEAKER_3, IDC_MAIN_SPEAKER_4, IDC_MAIN_MIC_ON,
    IDC_MAIN_MIC_OFF};

// One per skin scale: 100 %.
inline constexpr Layout kLayouts[] = {
    // 100 %
    {
        {482, 783},
        {{
            {IDCANCEL, {433, 11}, {37, 37}, IDB_MAIN_CANCEL, IDB_MAIN_CANCEL_PRESSED, IDB_MAIN_CANCEL_HOVER, IDB_MAIN_CANCEL_HOVER, 5},
            {IDC_MAIN_SYSTEM_TIME, {210, 673}, {40, 36}, IDB_MAIN_SYSTIME, IDB_MAIN_SYSTIME_PRESSED, 0, IDB_MAIN_SYSTIME_HOVER, 5},
            {IDC_MAIN_WORLD_TIME, {439, 673}, {41, 36}, IDB_MAIN_WORLDTIME, IDB_MAIN_WORLDTIME_PRESSED, 0, IDB_MAIN_WORLDTIME_HOVER, 5},
            {IDC_MAIN_RESET, {6, 723}, {145, 60}, IDB_MAIN_RESET, IDB_MAIN_RESET_PRESSED, IDB_MAIN_RESET_HOVER, IDB_MAIN_RESET_HOVER, 0},
            {IDC_MAIN_ADVANCED, {152, 723}, {145, 60}, IDB_MAIN_ADVANCED, IDB_MAIN_ADVANCED_PRESSED, 0, IDB_MAIN_ADVANCED_HOVER, 0},
            {IDOK, {310, 723}, {164, 60}, IDB_OK, IDB_OK_PRESSED, IDB_OK_HOVER, IDB_OK_HOVER, 0},
        }},
        {{
            {{IDC_MAIN_RES_1080P, {152, 110}, {294, 34}, IDB_RES_1080P, IDB_RES_1080P_PRESSED, 0, IDB_RES_1080P_HOVER, 0}, card::kResolution, 0, skin::Selection::kWhenStored, {0, 0}, IDB_RES_1080P_SELECTED},
            {{IDC_MAIN_RES_720P, {152, 145}, {294, 34}, IDB_RES_720P, IDB_RES_720P_PRESSED, 0, IDB_RES_720P_HOVER, 0}, card::kResolution, 1, skin::Selection::kWhenStored, {0, 0}, IDB_RES_720P_SELECTED},
            {{IDC_MAIN_RES_720P_WIDE, {152, 180}, {294, 34}, IDB_RES_720P_WIDE, IDB_RES_720P_WIDE_PRESSED, 0, IDB_RES_720P_WIDE_HOVER, 0}, card::kResolution, 2, skin::Selection::kWhenStored, {0, 0}, IDB_RES_720P_WIDE_SELECTED},
            {{IDC_MAIN_DRIVING_ACCEL_0, {206, 237}, {38, 46}, IDB_DRIVING_ACCEL_0, IDB_DRIVING_ACCEL_0_PRESSED, 0, 0, 0}, card::kDrivingModeAccelerator, 0, skin::Selection::kWhenStored, {218, 244}, 0},
            {{IDC_MAIN_DRIVING_ACCEL_1, {256, 237}, {38, 46}, IDB_DRIVING_ACCEL_1, IDB_DRIVING_ACCEL_1_PRESSED, 0, 0, 0}, card::kDrivingModeAccelerator, 1, skin::Selection::kWhenStored, {268, 244}, 0},
            {{IDC_MAIN_DRIVING_ACCEL_2, {306, 237}, {38, 46}, IDB_DRIVING_ACCEL_2, IDB_DRIVING_ACCEL_2_PRESSED, 0, 0, 0}, card::kDrivingModeAccelerator, 2, skin::Selection::kWhenStored, {318, 244}, 0},
            {{IDC_MAIN_DRIVING_ACCEL_3, {356, 237}, {38, 46}, IDB_DRIVING_ACCEL_3, IDB_DRIVING_ACCEL_3_PRESSED, 0, 0, 0}, card::kDrivingModeAccelerator, 3, skin::Selection::kWhenStored, {368, 244}, 0},
            {{IDC_MAIN_DRIVING_ACCEL_4, {406, 237}, {38, 46}, IDB_DRIVING_ACCEL_4, IDB_DRIVING_ACCEL_4_PRESSED, 0, 0, 0}, card::kDrivingModeAccelerator, 4, skin::Selection::kWhenStored, {418, 244}, 0},
            {{IDC_MAIN_DRIVING_ACCEL_OFF, {150, 237}, {49, 46}, IDB_DRIVING_ACCEL_OFF, IDB_DRIVING_ACCEL_OFF_PRESSED, 0, 0, 0}, card::kDrivingModeAccelerator, 9, skin::Selection::kWhenStored, {168, 244}, 0},
            {{IDC_MAIN_PARKING_ACCEL_0, {206, 299}, {38, 46}, IDB_PARKING_ACCEL_0, IDB_PARKING_ACCEL_0_PRESSED, 0, 0, 0}, card::kParkingAccelerator, 0, skin::Selection::kWhenStored, {218, 306}, 0},
            {{IDC_MAIN_PARKING_ACCEL_1, {256, 299}, {38, 46}, IDB_PARKING_ACCEL_1, IDB_PARKING_ACCEL_1_PRESSED, 0, 0, 0}, card::kParkingAccelerator, 1, skin::Selection::kWhenStored, {268, 306}, 0},
            {{IDC_MAIN_PARKING_ACCEL_2, {306, 299}, {38, 46}, IDB_PARKING_ACCEL_2, IDB_PARKING_ACCEL_2_PRESSED, 0, 0, 0}, card::kParkingAccelerator, 2, skin::Selection::kWhenStored, {318, 306}, 0},
            {{IDC_MAIN_PARKING_ACCEL_3, {356, 299}, {38, 46}, IDB_PARKING_ACCEL_3, IDB_PARKING_ACCEL_3_PRESSED, 0, 0, 0}, card::kParkingAccelerator, 3, skin::Selection::kWhenStored, {368, 306}, 0},
            {{IDC_MAIN_PARKING_ACCEL_4, {406, 299}, {38, 46}, IDB_PARKING_ACCEL_4, IDB_PARKING_ACCEL_4_PRESSED, 0, 0, 0}, card::kParkingAccelerator, 4, skin::Selection::kWhenStored, {418, 306}, 0},
            {{IDC_MAIN_AUTO_PARKING_ON, {205, 366}, {108, 34}, IDB_AUTO_PARKING_ON, IDB_AUTO_PARKING_ON_PRESSED, 0, 0, 0}, card::kAutoParking, 1, skin::Selection::kWhenStoredOrUnmatched, {218, 376}, 0},
            {{IDC_MAIN_AUTO_PARKING_MANUAL, {313, 366}, {108, 34}, IDB_AUTO_PARKING_MANUAL, IDB_AUTO_PARKING_MANUAL_PRESSED, 0, 0, 0}, card::kAutoParking, 0, skin::Selection::kWhenStoredOrUnmatched, {318, 376}, 0},
            {{IDC_MAIN_PARKING_MOTION_0, {200, 423}, {49, 46}, IDB_PARKING_MOTION_0, IDB_PARKING_MOTION_0_PRESSED, 0, 0, 0}, card::kParkingMotion, 0, skin::Selection::kWhenStored, {218, 430}, 0},
            {{IDC_MAIN_PARKING_MOTION_1, {256, 423}, {38, 46}, IDB_PARKING_MOTION_1, IDB_PARKING_MOTION_1_PRESSED, 0, 0, 0}, card::kParkingMotion, 1, skin::Selection::kWhenStored, {268, 430}, 0},
            {{IDC_MAIN_PARKING_MOTION_2, {306, 423}, {38, 46}, IDB_PARKING_MOTION_2, IDB_PARKING_MOTION_2_PRESSED, 0, 0, 0}, card::kParkingMotion, 2, skin::Selection::kWhenStored, {318, 430}, 0},
            {{IDC_MAIN_PARKING_MOTION_3, {356, 423}, {38, 46}, IDB_PARKING_MOTION_3, IDB_PARKING_MOTION_3_PRESSED, 0, 0, 0}, card::kParkingMotion, 3, skin::Selection::kWhenStored, {368, 430}, 0},
            {{IDC_MAIN_PARKING_MOTION_4, {406, 423}, {38, 46}, IDB_PARKING_MOTION_4, IDB_PARKING_MOTION_4_PRESSED, 0, 0, 0}, card::kParkingMotion, 4, skin::Selection::kWhenStored, {418, 430}, 0},
            {{IDC_MAIN_NIGHT_BRIGHT_0, {206, 485}, {38, 46}, IDB_NIGHT_BRIGHT_0, IDB_NIGHT_BRIGHT_0_PRESSED, 0, 0, 0}, card::kNightBright, 0, skin::Selection::kWhenStored, {218, 492}, 0},
            {{IDC_MAIN_NIGHT_BRIGHT_1, {256, 485}, {38, 46}, IDB_NIGHT_BRIGHT_1, IDB_NIGHT_BRIGHT_1_PRESSED, 0, 0, 0}, card::kNightBright, 1, skin::Selection::kWhenStored, {268, 492}, 0},
            {{IDC_MAIN_NIGHT_BRIGHT_2, {306, 485}, {38, 46}, IDB_NIGHT_BRIGHT_2, IDB_NIGHT_BRIGHT_2_PRESSED, 0, 0, 0}, card::kNightBright, 2, skin::Selection::kWhenStored, {318, 492}, 0},
            {{IDC_MAIN_NIGHT_BRIGHT_3, {356, 485}, {38, 46}, IDB_NIGHT_BRIGHT_3, IDB_NIGHT_BRIGHT_3_PRESSED, 0, 0, 0}, card::kNightBright, 3, skin::Selection::kWhenStored, {368, 492}, 0},
            {{IDC_MAIN_NIGHT_BRIGHT_4, {406, 485}, {38, 46}, IDB_NIGHT_BRIGHT_4, IDB_NIGHT_BRIGHT_4_PRESSED, 0, 0, 0}, card::kNightBright, 4, skin::Selection::kWhenStored, {418, 492}, 0},
            {{IDC_MAIN_SPEAKER_0, {200, 547}, {49, 46}, IDB_SPEAKER_0, IDB_SPEAKER_0_PRESSED, 0, 0, 0}, card::kSpeakerVolume, 0, skin::Selection::kWhenStored, {218, 554}, 0},
            {{IDC_MAIN_SPEAKER_1, {256, 547}, {38, 46}, IDB_SPEAKER_1, IDB_SPEAKER_1_PRESSED, 0, 0, 0}, card::kSpeakerVolume, 1, skin::Selection::kWhenStored, {268, 554}, 0},
            {{IDC_MAIN_SPEAKER_2, {306, 547}, {38, 46}, IDB_SPEAKER_2, IDB_SPEAKER_2_PRESSED, 0, 0, 0}, card::kSpeakerVolume, 2, skin::Selection::kWhenStored, {318, 554}, 0},
            {{IDC_MAIN_SPEAKER_3, {356, 547}, {38, 46}, IDB_SPEAKER_3, IDB_SPEAKER_3_PRESSED, 0, 0, 0}, card::kSpeakerVolume, 3, skin::Selection::kWhenStored, {368, 554}, 0},
            {{IDC_MAIN_SPEAKER_4, {406, 547}, {38, 46}, IDB_SPEAKER_4, IDB_SPEAKER_4_PRESSED, 0, 0, 0}, card::kSpeakerVolume, 4, skin::Selection::kWhenStored, {418, 554}, 0},
            {{IDC_MAIN_MIC_ON, {205, 614}, {108, 34}, IDB_MIC_ON, IDB_MIC_ON_PRESSED, 0, 0, 0}, card::kMicVolume, 2, skin::Selection::kWhenStored, {218, 624}, 0},
            {{IDC_MAIN_MIC_OFF, {313, 614}, {108, 34}, IDB_MIC_OFF, IDB_MIC_OFF_PRESSED, 0, 0, 0}, card::kMicVolume, 0, skin::Selection::kWhenStoredOrUnmatched, {318, 624}, 0},
        }},
        {14, 14},
        RECT{34, 67, 207, 79},
        RECT{275, 67, 448, 79},
        RECT{260, 686, 428, 698},
        410,
        12,
    },
};

}  // namespace main_window::layout
