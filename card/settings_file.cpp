#include "card/settings_file.h"

#include "card/card_paths.h"
#include "card/settings_table.h"
#include "card/version_file.h"

namespace card {

CardFilesRead ReadSettings() {
  const SettingsFileRead settings = ReadSettingsFrom(TheCardPaths().settingsFile, TableValues());
  SetTableValues(settings.read.values);
  return {settings.file, ReadVersionFile()};
}

CardResult<FileWrite> ReplaceSettingsFile() { return WriteSettingsTo(TheCardPaths().settingsFile, TableValues()); }

SaveResult WriteSettings(CardWriteFailureSink& sink) {
  const CardPaths& paths = TheCardPaths();
  const SaveReport saved = SaveCard({paths.settingsFile, paths.clockFile}, TableValues(), SaveOrder::kClockThenCheck);
  switch (saved.failed) {
    case SaveStep::kNone:
      return SaveResult::kSaved;
    case SaveStep::kSettingsFile:
      sink.OnCardNotWritable();
      return SaveResult::kConfigNotWritten;
    case SaveStep::kClockFile:
      sink.OnCardNotWritable();
      return SaveResult::kClockNotWritten;
    case SaveStep::kCheck:
      break;
  }
  return SaveResult::kCheckFailed;
}

CardResult<SettingsCheck> CheckSettings() { return CheckSettingsIn(TheCardPaths().settingsFile, TableValues()); }

}  // namespace card
