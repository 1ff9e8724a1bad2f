// The camera's 24 settings as plain data: their rows in the order of config.txt, their keys and the values
// the windows' reset stores. No state: the process-wide Settings table (settings_table.h) and every other
// user of the rows build on these.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace card {

enum SettingRow : int {
  kResolution = 0,
  kDate,
  kTime,
  kVoltage,
  kAccelerator,
  kDisplayMisc,
  kDrivingModeAccelerator,
  kParkingAccelerator,
  kAutoParking,
  kParkingMotion,
  kNightBright,
  kSpeakerVolume,
  kMicVolume,
  kVideoOutStandard,
  kEncodingProfile,
  kBitRate,
  kDrivingModeFrame,
  kParkingModeFrame,
  kParkingBlackAndWhite,
  kVideoOut,
  kGpsSpeedDisplay,
  kMemoryPartition,
  kPartitionTerritory,
  kTimeZone
};

constexpr int kSettingCount = 24;
constexpr int kFirstAdvancedRow = 13;  // rows 13 to 22 belong to the advanced window
constexpr int kAdvancedCount = 10;

// Every row in order, for walking the rows with their type; the advanced ones in the order of the Advanced
// snapshot.
inline constexpr std::array<SettingRow, kSettingCount> kSettingRows = [] {
  std::array<SettingRow, kSettingCount> rows{};
  for (int row = 0; row < kSettingCount; ++row) rows[row] = static_cast<SettingRow>(row);
  return rows;
}();
inline constexpr std::span<const SettingRow, kAdvancedCount> kAdvancedRows =
    std::span(kSettingRows).subspan<kFirstAdvancedRow, kAdvancedCount>();

// One value per row, in row order: a card's whole configuration.
using SettingValues = std::array<int32_t, kSettingCount>;

// The key of each row, exactly as written in config.txt.
inline constexpr std::array<std::string_view, kSettingCount> kSettingKeys = {
    "Resolution",
    "Date",
    "Time",
    "Voltage",
    "Accelerator",
    "Display MISC",
    "Driving Mode Accelerator",
    "Parking Accelerator",
    "Auto Parking",
    "Parking Motion",
    "Night Bright",
    "Speaker Volume",
    "MIC Volume",
    "Video Out Standard",
    "Encoding Profile",
    "Bit rate",
    "Driving Mode Frame",
    "Parking Mode Frame",
    "Parking Black and White",
    "Video OUT",
    "GPS Speed Display",
    "Memory Partition",
    "Partition Territory",
    "Time zone",
};

// What the windows' reset stores, and what a card without config.txt reads as.
inline constexpr SettingValues kDefaultSettingValues = {
    0,  1, 1, 1, 1, 1,           // resolution; date to display misc are carried through
    2,  2, 1, 2, 3, 3, 2,        // accelerators, parking, brightness, volumes
    0,  0, 0, 0, 0, 0, 0, 0, 0,  // advanced rows 13 to 21
    4,                           // partition territory
    21,                          // time zone UTC+09:00
};

// Exact, case-sensitive match of the whole key; none when the key is not a setting.
std::optional<SettingRow> FindSettingRow(std::string_view key);

// The advanced rows 13 to 22 of `values`, in the order of the Advanced snapshot.
inline std::span<int32_t, kAdvancedCount> AdvancedRowsOf(SettingValues& values) {
  return std::span<int32_t, kAdvancedCount>(values.data() + kFirstAdvancedRow, kAdvancedCount);
}

// The rule of confirming the advanced settings: with "Memory Partition" 0 (the default split) the
// "Partition Territory" is stored as its default, 4, whatever the slider showed.
void ApplyPartitionRule(std::span<int32_t, kAdvancedCount> advanced);

}  // namespace card
