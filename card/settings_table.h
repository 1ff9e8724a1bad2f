// The camera's whole configuration: 24 named integer settings in the fixed order of config.txt.
#pragma once

#include <cstdint>
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

struct Setting {
  char key[64];  // zero-terminated, exactly as written in config.txt
  int32_t value;
};

// The process-wide table of kSettingCount rows; keys never change.
Setting* SettingsTable();

int32_t GetSetting(int row);
void SetSetting(int row, int32_t value);
int32_t SettingDefault(int row);
void ResetSettingsToDefaults();

// Every value back to 0, as when the program has just loaded (rows missing from config.txt stay 0).
void ClearSettings();

// Exact, case-sensitive match of the whole key; -1 when the key is not a setting.
int FindSettingRow(const char* key);
int FindSettingRow(std::string_view key);

}  // namespace card
