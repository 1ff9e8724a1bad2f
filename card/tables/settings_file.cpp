#include "card/tables/settings_file.h"

#include "card/files/card_paths.h"
#include "card/tables/settings_table.h"
#include "card/tables/version_file.h"

namespace card {

CardFilesRead ReadSettings() {
  const SettingsFileRead settings = ReadSettingsFrom(TheCardPaths().settingsFile, TableValues());
  SetTableValues(settings.read.values);
  return {settings.file, ReadVersionFile()};
}

SaveStep WriteSettings(CardWriteFailureSink& sink) {
  const CardPaths& paths = TheCardPaths();
  const SaveReport saved = SaveCard({paths.settingsFile, paths.clockFile}, TableValues(), SaveOrder::kClockThenCheck);
  if (saved.failed == SaveStep::kSettingsFile || saved.failed == SaveStep::kClockFile) sink.OnCardNotWritable();
  return saved.failed;
}

}  // namespace card
