#include "card/files/card_save.h"

#include "card/files/card_files.h"

namespace card {

SaveReport SaveCard(const CardFilePaths& files, const SettingValues& values, SaveOrder order, LocalTime (*now)()) {
  const auto written = WriteSettingsTo(files.settingsFile, values);
  if (written == FileWrite::kFailed) return {SaveStep::kSettingsFile, written.error};
  const auto writeClock = [&]() -> SaveReport {
    const auto clock = WriteClockTo(files.clockFile, now());
    return {clock == FileWrite::kFailed ? SaveStep::kClockFile : SaveStep::kNone, clock.error};
  };
  if (order == SaveOrder::kClockThenCheck) {
    if (SaveReport clock = writeClock(); clock.failed != SaveStep::kNone) return clock;
  }
  const auto check = CheckSettingsIn(files.settingsFile, values);
  if (check != SettingsCheck::kGood) return {SaveStep::kCheck, check.error};
  if (order == SaveOrder::kCheckThenClock) return writeClock();
  return {SaveStep::kNone, {}};
}

}  // namespace card
