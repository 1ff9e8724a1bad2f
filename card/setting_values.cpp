#include "card/setting_values.h"

#include "card/settings_table.h"

namespace card {
namespace {

// One list per row, named after the row, in value order. The five-level groups show bare digits on their
// buttons, so their names carry a word in front of the digit.
constexpr ValueName kResolutionValues[] = {{0, "1080p"}, {1, "720p"}, {2, "720p-wide"}};
constexpr ValueName kDrivingModeAcceleratorValues[] = {{0, "level-0"}, {1, "level-1"}, {2, "level-2"},
                                                       {3, "level-3"}, {4, "level-4"}, {9, "off"}};
constexpr ValueName kParkingAcceleratorValues[] = {
    {0, "level-0"}, {1, "level-1"}, {2, "level-2"}, {3, "level-3"}, {4, "level-4"}};
constexpr ValueName kAutoParkingValues[] = {{0, "manual"}, {1, "automatic"}};
constexpr ValueName kParkingMotionValues[] = {
    {0, "off"}, {1, "level-1"}, {2, "level-2"}, {3, "level-3"}, {4, "level-4"}};
constexpr ValueName kNightBrightValues[] = {
    {0, "basic"}, {1, "normal-1"}, {2, "normal-2"}, {3, "bright-1"}, {4, "bright-2"}};
constexpr ValueName kSpeakerVolumeValues[] = {
    {0, "mute"}, {1, "level-1"}, {2, "level-2"}, {3, "level-3"}, {4, "level-4"}};
constexpr ValueName kMicVolumeValues[] = {{0, "off"}, {2, "on"}};  // on is 2, not 1
constexpr ValueName kVideoOutStandardValues[] = {{0, "ntsc"}, {1, "pal"}};
constexpr ValueName kBitRateValues[] = {{0, "ultra-high"}, {1, "high"}, {2, "standard"}};
constexpr ValueName kDrivingModeFrameValues[] = {{0, "30-fps"}, {1, "24-fps"}, {2, "15-fps"}, {3, "5-fps"}};
constexpr ValueName kParkingModeFrameValues[] = {{0, "30-fps"}, {1, "24-fps"}, {2, "15-fps"}, {3, "5-fps"}};
constexpr ValueName kParkingBlackAndWhiteValues[] = {{0, "off"}, {1, "on"}};
constexpr ValueName kVideoOutValues[] = {{0, "normal"}, {1, "mirrored"}};
constexpr ValueName kGpsSpeedDisplayValues[] = {{0, "off"}, {1, "km/h"}, {2, "mph"}};
constexpr ValueName kMemoryPartitionValues[] = {{0, "default"}, {1, "custom"}};
// The slider's nine positions: the driving-mode share of the card against the event share, in per cent.
constexpr ValueName kPartitionTerritoryValues[] = {{0, "10:90"}, {1, "20:80"}, {2, "30:70"}, {3, "40:60"}, {4, "50:50"},
                                                   {5, "60:40"}, {6, "70:30"}, {7, "80:20"}, {8, "90:10"}};
// The picker's list texts without their leading blank; 12 is plain UTC.
constexpr ValueName kTimeZoneValues[] = {
    {0, "UTC-12:00"},  {1, "UTC-11:00"},  {2, "UTC-10:00"},  {3, "UTC-09:00"},  {4, "UTC-08:00"},
    {5, "UTC-07:00"},  {6, "UTC-06:00"},  {7, "UTC-05:00"},  {8, "UTC-04:00"},  {9, "UTC-03:00"},
    {10, "UTC-02:00"}, {11, "UTC-01:00"}, {12, "UTC"},       {13, "UTC+01:00"}, {14, "UTC+02:00"},
    {15, "UTC+03:00"}, {16, "UTC+04:00"}, {17, "UTC+05:00"}, {18, "UTC+06:00"}, {19, "UTC+07:00"},
    {20, "UTC+08:00"}, {21, "UTC+09:00"}, {22, "UTC+10:00"}, {23, "UTC+11:00"}, {24, "UTC+12:00"}};

struct RowValues {
  int row;
  std::span<const ValueName> values;
};

constexpr RowValues kRows[] = {
    {kResolution, kResolutionValues},
    {kDrivingModeAccelerator, kDrivingModeAcceleratorValues},
    {kParkingAccelerator, kParkingAcceleratorValues},
    {kAutoParking, kAutoParkingValues},
    {kParkingMotion, kParkingMotionValues},
    {kNightBright, kNightBrightValues},
    {kSpeakerVolume, kSpeakerVolumeValues},
    {kMicVolume, kMicVolumeValues},
    {kVideoOutStandard, kVideoOutStandardValues},
    {kBitRate, kBitRateValues},
    {kDrivingModeFrame, kDrivingModeFrameValues},
    {kParkingModeFrame, kParkingModeFrameValues},
    {kParkingBlackAndWhite, kParkingBlackAndWhiteValues},
    {kVideoOut, kVideoOutValues},
    {kGpsSpeedDisplay, kGpsSpeedDisplayValues},
    {kMemoryPartition, kMemoryPartitionValues},
    {kPartitionTerritory, kPartitionTerritoryValues},
    {kTimeZone, kTimeZoneValues},
};

}  // namespace

std::span<const ValueName> OfferedValues(int row) {
  for (const RowValues& entry : kRows) {
    if (entry.row == row) return entry.values;
  }
  return {};
}

bool IsOfferedByWindow(int row) { return !OfferedValues(row).empty(); }

const char* NameOfValue(int row, int32_t value) {
  for (const ValueName& entry : OfferedValues(row)) {
    if (entry.value == value) return entry.name;
  }
  return nullptr;
}

}  // namespace card
