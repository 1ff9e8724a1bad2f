#include "card/core/settings_description.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace card {
namespace {

// One list per row, named after the row, in the order the window shows the values (left to right, top to
// bottom): {value, short name, caption, detail}. The five-level groups show bare digits on their buttons, so
// their names carry a word in front of the digit.
constexpr OfferedValue kResolutionValues[] = {{0, "1080p", "1080p Full HD", "1920 × 1080"},
                                              {1, "720p", "720p HD", "1280 × 720"},
                                              {2, "720p-wide", "720p Ultra-Wide", "1280 × 720 · binning"}};
constexpr OfferedValue kDrivingModeAcceleratorValues[] = {
    {9, "off", "Off", ""},   {0, "level-0", "0", ""}, {1, "level-1", "1", ""},
    {2, "level-2", "2", ""}, {3, "level-3", "3", ""}, {4, "level-4", "4", ""}};
constexpr OfferedValue kParkingAcceleratorValues[] = {{0, "level-0", "0", ""}, {1, "level-1", "1", ""},
                                                      {2, "level-2", "2", ""}, {3, "level-3", "3", ""},
                                                      {4, "level-4", "4", ""}};
constexpr OfferedValue kAutoParkingValues[] = {{1, "automatic", "Automatic", ""}, {0, "manual", "Manual only", ""}};
constexpr OfferedValue kParkingMotionValues[] = {{0, "off", "Off", ""},         {1, "level-1", "1", ""},
                                                 {2, "level-2", "2", ""},       {3, "level-3", "3", ""},
                                                 {4, "level-4", "4", ""}};
constexpr OfferedValue kNightBrightValues[] = {{0, "basic", "Basic", ""},         {1, "normal-1", "Normal 1", ""},
                                               {2, "normal-2", "Normal 2", ""},   {3, "bright-1", "Bright 1", ""},
                                               {4, "bright-2", "Bright 2", ""}};
constexpr OfferedValue kSpeakerVolumeValues[] = {{0, "mute", "Mute", ""},       {1, "level-1", "1", ""},
                                                 {2, "level-2", "2", ""},       {3, "level-3", "3", ""},
                                                 {4, "level-4", "4", ""}};
constexpr OfferedValue kMicVolumeValues[] = {{2, "on", "Sound on", ""}, {0, "off", "Sound off", ""}};  // on is 2
constexpr OfferedValue kBitRateValues[] = {
    {0, "ultra-high", "Ultra High", ""}, {1, "high", "High", ""}, {2, "standard", "Standard", ""}};
constexpr OfferedValue kDrivingModeFrameValues[] = {
    {0, "30-fps", "30 fps", ""}, {1, "24-fps", "24 fps", ""}, {2, "15-fps", "15 fps", ""}, {3, "5-fps", "5 fps", ""}};
constexpr OfferedValue kParkingModeFrameValues[] = {
    {0, "30-fps", "30 fps", ""}, {1, "24-fps", "24 fps", ""}, {2, "15-fps", "15 fps", ""}, {3, "5-fps", "5 fps", ""}};
constexpr OfferedValue kParkingBlackAndWhiteValues[] = {{1, "on", "On", ""}, {0, "off", "Off", ""}};
constexpr OfferedValue kVideoOutValues[] = {{1, "mirrored", "Mirrored", ""}, {0, "normal", "Normal", ""}};
constexpr OfferedValue kVideoOutStandardValues[] = {{0, "ntsc", "NTSC", ""}, {1, "pal", "PAL", ""}};
constexpr OfferedValue kGpsSpeedDisplayValues[] = {{0, "off", "Off", ""}, {1, "km/h", "km/h", ""}, {2, "mph", "mph", ""}};
constexpr OfferedValue kMemoryPartitionValues[] = {{0, "default", "Default", "50 : 50"},
                                                   {1, "custom", "Custom", "use the slider"}};
// The slider's nine positions: the driving-mode share of the card against the event share, in per cent.
constexpr OfferedValue kPartitionTerritoryValues[] = {
    {0, "10:90", "10:90", ""}, {1, "20:80", "20:80", ""}, {2, "30:70", "30:70", ""},
    {3, "40:60", "40:60", ""}, {4, "50:50", "50:50", ""}, {5, "60:40", "60:40", ""},
    {6, "70:30", "70:30", ""}, {7, "80:20", "80:20", ""}, {8, "90:10", "90:10", ""}};
// The picker's list texts without their leading blank; 12 is plain UTC.
constexpr OfferedValue kTimeZoneValues[] = {
    {0, "UTC-12:00", "UTC-12:00", ""},  {1, "UTC-11:00", "UTC-11:00", ""},  {2, "UTC-10:00", "UTC-10:00", ""},
    {3, "UTC-09:00", "UTC-09:00", ""},  {4, "UTC-08:00", "UTC-08:00", ""},  {5, "UTC-07:00", "UTC-07:00", ""},
    {6, "UTC-06:00", "UTC-06:00", ""},  {7, "UTC-05:00", "UTC-05:00", ""},  {8, "UTC-04:00", "UTC-04:00", ""},
    {9, "UTC-03:00", "UTC-03:00", ""},  {10, "UTC-02:00", "UTC-02:00", ""}, {11, "UTC-01:00", "UTC-01:00", ""},
    {12, "UTC", "UTC", ""},             {13, "UTC+01:00", "UTC+01:00", ""}, {14, "UTC+02:00", "UTC+02:00", ""},
    {15, "UTC+03:00", "UTC+03:00", ""}, {16, "UTC+04:00", "UTC+04:00", ""}, {17, "UTC+05:00", "UTC+05:00", ""},
    {18, "UTC+06:00", "UTC+06:00", ""}, {19, "UTC+07:00", "UTC+07:00", ""}, {20, "UTC+08:00", "UTC+08:00", ""},
    {21, "UTC+09:00", "UTC+09:00", ""}, {22, "UTC+10:00", "UTC+10:00", ""}, {23, "UTC+11:00", "UTC+11:00", ""},
    {24, "UTC+12:00", "UTC+12:00", ""}};

using enum SettingPlace;

constexpr SettingDescription kDescriptions[] = {
    {kResolution, kMainWindow, "Recording Resolution", "Video size", kResolutionValues},
    {kDrivingModeAccelerator, kMainWindow, "G-Sensor: Driving", "Impact sensitivity", kDrivingModeAcceleratorValues},
    {kParkingAccelerator, kMainWindow, "G-Sensor: Parking", "Impact sensitivity", kParkingAcceleratorValues},
    {kAutoParking, kMainWindow, "Auto Parking", "Switch to parking mode", kAutoParkingValues},
    {kParkingMotion, kMainWindow, "Motion Detection", "Parking mode sensitivity", kParkingMotionValues},
    {kNightBright, kMainWindow, "Night Brightness", "Low-light image", kNightBrightValues},
    {kSpeakerVolume, kMainWindow, "Speaker Volume", "Voice guidance", kSpeakerVolumeValues},
    {kMicVolume, kMainWindow, "Microphone", "Sound in recordings", kMicVolumeValues},
    {kBitRate, kAdvancedWindow, "Video Quality", "Recording bit rate", kBitRateValues},
    {kDrivingModeFrame, kAdvancedWindow, "Recording fps in Driving Mode", "", kDrivingModeFrameValues},
    {kParkingModeFrame, kAdvancedWindow, "Recording fps in Parking Mode", "", kParkingModeFrameValues},
    {kParkingBlackAndWhite, kAdvancedWindow, "Video Recording in Black and White", "Parking Mode",
     kParkingBlackAndWhiteValues},
    {kVideoOut, kAdvancedWindow, "Video Out Image Flip", "Mirror left and right", kVideoOutValues},
    {kVideoOutStandard, kAdvancedWindow, "Video Out Format", "TV standard", kVideoOutStandardValues},
    {kGpsSpeedDisplay, kAdvancedWindow, "Vehicle Speed", "GPS Option", kGpsSpeedDisplayValues},
    {kMemoryPartition, kAdvancedWindow, "Memory Allocation", "Driving and event videos", kMemoryPartitionValues},
    {kPartitionTerritory, kPartitionSlider, "Partition Territory", "Driving and event videos",
     kPartitionTerritoryValues},
    {kTimeZone, kTimeZonePicker, "Time zone", "", kTimeZoneValues},
    {kDate, kNowhere, "", "", {}},
    {kTime, kNowhere, "", "", {}},
    {kVoltage, kNowhere, "", "", {}},
    {kAccelerator, kNowhere, "", "", {}},
    {kDisplayMisc, kNowhere, "", "", {}},
    {kEncodingProfile, kNowhere, "", "", {}},
};
static_assert(std::size(kDescriptions) == kSettingCount);

// The place of each row's description in kDescriptions.
constexpr std::array<size_t, kSettingCount> kDescriptionOfRow = [] {
  std::array<size_t, kSettingCount> places{};
  places.fill(std::size(kDescriptions));
  for (size_t place = 0; place < std::size(kDescriptions); ++place) places[kDescriptions[place].row] = place;
  return places;
}();
static_assert(std::find(kDescriptionOfRow.begin(), kDescriptionOfRow.end(), std::size(kDescriptions)) ==
                  kDescriptionOfRow.end(),
              "every row is described exactly once");

}  // namespace

std::span<const SettingDescription> SettingDescriptions() { return kDescriptions; }

const SettingDescription& DescriptionOf(SettingRow row) {
  if (row < 0 || row >= kSettingCount) std::abort();
  return kDescriptions[kDescriptionOfRow[row]];
}

std::span<const OfferedValue> OfferedValues(SettingRow row) { return DescriptionOf(row).values; }

bool IsOfferedByWindow(SettingRow row) { return !OfferedValues(row).empty(); }

const OfferedValue* FindOfferedValue(SettingRow row, int32_t value) {
  for (const OfferedValue& entry : OfferedValues(row)) {
    if (entry.value == value) return &entry;
  }
  return nullptr;
}

const char* NameOfValue(SettingRow row, int32_t value) {
  const OfferedValue* entry = FindOfferedValue(row, value);
  return entry ? entry->name : nullptr;
}

}  // namespace card
