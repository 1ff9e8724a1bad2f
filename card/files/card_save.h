// One save of a card's settings, written once for every caller: config.txt by the safe replace, the clock
// file with the local time, and the read-back check of config.txt, in the order the caller names. It stops at
// the first step that fails.
#pragma once

#include <system_error>

#include "card/core/setting_rows.h"
#include "card/files/card_result.h"
#include "card/files/current_local_time.h"

namespace card {

enum class SaveOrder {
  kClockThenCheck,  // the windows' OK: config.txt, the clock file, then the check
  kCheckThenClock,  // dqcard: config.txt, the check, then the clock file
  kNoClock,         // config.txt and the check only
};

// The step a save stopped at.
enum class SaveStep {
  kNone,          // every step worked
  kSettingsFile,  // config.txt is as it was; nothing else was touched
  kClockFile,     // config.txt is new, the clock file as it was
  kCheck,         // config.txt did not read back as written
};

struct SaveReport {
  SaveStep failed;
  std::error_code error;  // the system's reason, where it gave one
};

struct CardFilePaths {
  const char* settingsFile;
  const char* clockFile;
};

// `now` is asked for the local time when the clock file is written, not before.
SaveReport SaveCard(const CardFilePaths& files, const SettingValues& values, SaveOrder order,
                    LocalTime (*now)() = CurrentLocalTime);

}  // namespace card
