#include "ui/main/main_controls.h"

#include "card/core/setting_rows.h"
#include "res/resource.h"

namespace main_window {
namespace {

constexpr int kShrunk = 5;

using skin::Choice;
using skin::Selection;

constexpr std::array<ActionButton, kActionCount> kActions{{
    {IDCANCEL, {433, 11}, {37, 37}, IDB_MAIN_CANCEL, IDB_MAIN_CANCEL_PRESSED, IDB_MAIN_CANCEL_HOVER,
     IDB_MAIN_CANCEL_HOVER, kShrunk},
    {IDC_MAIN_SYSTEM_TIME, {210, 673}, {40, 36}, IDB_MAIN_SYSTIME, IDB_MAIN_SYSTIME_PRESSED, 0,
     IDB_MAIN_SYSTIME_HOVER, kShrunk},
    {IDC_MAIN_WORLD_TIME, {439, 673}, {41, 36}, IDB_MAIN_WORLDTIME, IDB_MAIN_WORLDTIME_PRESSED, 0,
     IDB_MAIN_WORLDTIME_HOVER, kShrunk},
    {IDC_MAIN_RESET, {6, 723}, {145, 60}, IDB_MAIN_RESET, IDB_MAIN_RESET_PRESSED, IDB_MAIN_RESET_HOVER,
     IDB_MAIN_RESET_HOVER, 0},
    {IDC_MAIN_ADVANCED, {152, 723}, {145, 60}, IDB_MAIN_ADVANCED, IDB_MAIN_ADVANCED_PRESSED, 0,
     IDB_MAIN_ADVANCED_HOVER, 0},
    {IDOK, {310, 723}, {164, 60}, IDB_OK, IDB_OK_PRESSED, IDB_OK_HOVER, IDB_OK_HOVER, 0},
}};

// A 38 x 46 level button of a five-level group: level i sits 50 pixels right of level i - 1, its face and
// pressed image follow the group's first ones in steps of two, and the marker sits 12 right and 7 below.
constexpr Choice Level(UINT firstId, card::SettingRow row, int level, int top, UINT firstFace) {
  const UINT face = firstFace + 2 * static_cast<UINT>(level);
  const int left = 206 + 50 * level;
  return {{firstId + static_cast<UINT>(level), {left, top}, {38, 46}, face, face + 1, 0, 0, 0}, row, level,
          Selection::kWhenStored, {left + 12, top + 7}};
}

// The wider 49 x 46 button of some groups (level 0, or "OFF"); its marker sits 18 right and 7 below.
constexpr Choice WideLevel0(UINT id, card::SettingRow row, int32_t value, int left, int top, UINT face) {
  return {{id, {left, top}, {49, 46}, face, face + 1, 0, 0, 0}, row, value, Selection::kWhenStored,
          {left + 18, top + 7}};
}

// The resolution choices show a selected image over the whole button, and a hover image while not selected.
constexpr Choice Resolution(UINT id, int index, UINT face) {
  const int top = 110 + 35 * index;
  return {{id, {152, top}, {294, 34}, face, face + 3, 0, face + 1, 0}, card::kResolution, index,
          Selection::kWhenStored, {}, face + 2};
}

// The 108 x 34 two-way buttons ("Auto Parking", "MIC Volume").
constexpr Choice Pair(UINT id, card::SettingRow row, int32_t value, int left, int top, UINT face, POINT marker,
                      Selection selection) {
  return {{id, {left, top}, {108, 34}, face, face + 1, 0, 0, 0}, row, value, selection, marker};
}

using card::kAutoParking;
using card::kDrivingModeAccelerator;
using card::kMicVolume;
using card::kNightBright;
using card::kParkingAccelerator;
using card::kParkingMotion;
using card::kSpeakerVolume;

constexpr std::array<Choice, kChoiceCount> kChoices{{
    Resolution(IDC_MAIN_RES_1080P, 0, IDB_RES_1080P),
    Resolution(IDC_MAIN_RES_720P, 1, IDB_RES_720P),
    Resolution(IDC_MAIN_RES_720P_WIDE, 2, IDB_RES_720P_WIDE),

    Level(IDC_MAIN_DRIVING_ACCEL_0, kDrivingModeAccelerator, 0, 237, IDB_DRIVING_ACCEL_0),
    Level(IDC_MAIN_DRIVING_ACCEL_0, kDrivingModeAccelerator, 1, 237, IDB_DRIVING_ACCEL_0),
    Level(IDC_MAIN_DRIVING_ACCEL_0, kDrivingModeAccelerator, 2, 237, IDB_DRIVING_ACCEL_0),
    Level(IDC_MAIN_DRIVING_ACCEL_0, kDrivingModeAccelerator, 3, 237, IDB_DRIVING_ACCEL_0),
    Level(IDC_MAIN_DRIVING_ACCEL_0, kDrivingModeAccelerator, 4, 237, IDB_DRIVING_ACCEL_0),
    // "OFF" stores 9, not 5.
    WideLevel0(IDC_MAIN_DRIVING_ACCEL_OFF, kDrivingModeAccelerator, 9, 150, 237, IDB_DRIVING_ACCEL_OFF),

    Level(IDC_MAIN_PARKING_ACCEL_0, kParkingAccelerator, 0, 299, IDB_PARKING_ACCEL_0),
    Level(IDC_MAIN_PARKING_ACCEL_0, kParkingAccelerator, 1, 299, IDB_PARKING_ACCEL_0),
    Level(IDC_MAIN_PARKING_ACCEL_0, kParkingAccelerator, 2, 299, IDB_PARKING_ACCEL_0),
    Level(IDC_MAIN_PARKING_ACCEL_0, kParkingAccelerator, 3, 299, IDB_PARKING_ACCEL_0),
    Level(IDC_MAIN_PARKING_ACCEL_0, kParkingAccelerator, 4, 299, IDB_PARKING_ACCEL_0),

    // "수동+자동" stores 1 and "수동" 0; any other stored value marks both.
    Pair(IDC_MAIN_AUTO_PARKING_ON, kAutoParking, 1, 205, 366, IDB_AUTO_PARKING_ON, {218, 376},
         Selection::kWhenStoredOrUnmatched),
    Pair(IDC_MAIN_AUTO_PARKING_MANUAL, kAutoParking, 0, 313, 366, IDB_AUTO_PARKING_MANUAL, {318, 376},
         Selection::kWhenStoredOrUnmatched),

    WideLevel0(IDC_MAIN_PARKING_MOTION_0, kParkingMotion, 0, 200, 423, IDB_PARKING_MOTION_0),
    Level(IDC_MAIN_PARKING_MOTION_0, kParkingMotion, 1, 423, IDB_PARKING_MOTION_0),
    Level(IDC_MAIN_PARKING_MOTION_0, kParkingMotion, 2, 423, IDB_PARKING_MOTION_0),
    Level(IDC_MAIN_PARKING_MOTION_0, kParkingMotion, 3, 423, IDB_PARKING_MOTION_0),
    Level(IDC_MAIN_PARKING_MOTION_0, kParkingMotion, 4, 423, IDB_PARKING_MOTION_0),

    Level(IDC_MAIN_NIGHT_BRIGHT_0, kNightBright, 0, 485, IDB_NIGHT_BRIGHT_0),
    Level(IDC_MAIN_NIGHT_BRIGHT_0, kNightBright, 1, 485, IDB_NIGHT_BRIGHT_0),
    Level(IDC_MAIN_NIGHT_BRIGHT_0, kNightBright, 2, 485, IDB_NIGHT_BRIGHT_0),
    Level(IDC_MAIN_NIGHT_BRIGHT_0, kNightBright, 3, 485, IDB_NIGHT_BRIGHT_0),
    Level(IDC_MAIN_NIGHT_BRIGHT_0, kNightBright, 4, 485, IDB_NIGHT_BRIGHT_0),

    WideLevel0(IDC_MAIN_SPEAKER_0, kSpeakerVolume, 0, 200, 547, IDB_SPEAKER_0),
    Level(IDC_MAIN_SPEAKER_0, kSpeakerVolume, 1, 547, IDB_SPEAKER_0),
    Level(IDC_MAIN_SPEAKER_0, kSpeakerVolume, 2, 547, IDB_SPEAKER_0),
    Level(IDC_MAIN_SPEAKER_0, kSpeakerVolume, 3, 547, IDB_SPEAKER_0),
    Level(IDC_MAIN_SPEAKER_0, kSpeakerVolume, 4, 547, IDB_SPEAKER_0),

    // "사용" stores 2 and "사용안함" 0; any other stored value marks "사용안함".
    Pair(IDC_MAIN_MIC_ON, kMicVolume, 2, 205, 614, IDB_MIC_ON, {218, 624}, Selection::kWhenStored),
    Pair(IDC_MAIN_MIC_OFF, kMicVolume, 0, 313, 614, IDB_MIC_OFF, {318, 624}, Selection::kWhenStoredOrUnmatched),
}};

}  // namespace

const std::array<ActionButton, kActionCount>& ActionButtons() { return kActions; }

std::span<const skin::Choice> ChoiceButtons() { return kChoices; }

const skin::OverlayTables& OverlayTables() {
  static constexpr skin::OverlayTables kTables{kActions, kChoices, IDB_MAIN_MARKER};
  return kTables;
}

}  // namespace main_window
