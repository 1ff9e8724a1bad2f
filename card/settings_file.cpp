#include "card/settings_file.h"

#include <cstdio>

#include "card/card_file_open.h"
#include "card/card_line.h"
#include "card/card_paths.h"
#include "card/clock_file.h"
#include "card/safe_replace.h"
#include "card/settings_table.h"
#include "card/version_file.h"

namespace card {
namespace {

std::string SettingLine(int row) {
  const Setting& setting = SettingsTable()[row];
  char line[kLineCapacity];
  std::snprintf(line, sizeof line, "%s=%d", setting.key, static_cast<int>(setting.value));
  return line;
}

CardResult<FileRead> ReadSettingsFile() {
  OpenedCardFile opened = OpenCardFile(TheCardPaths().settingsFile);
  if (!opened.file) {
    ResetSettingsToDefaults();
    return opened.opened;
  }
  CardTextReader text(opened.file.get());
  ReadSettingsText(text);
  return ReadOutcome(text);
}

}  // namespace

CardFilesRead ReadSettings() {
  const CardResult<FileRead> settings = ReadSettingsFile();
  return {settings, ReadVersionFile()};
}

void ReadSettingsText(CardTextReader& text) {
  char line[kLineCapacity];
  while (const size_t length = ReadCardLine(text, line)) {
    const int row = FindSettingRow(KeyOfLine(std::string_view(line, length)));
    if (row >= 0) SetSetting(row, ParseTrailingNumber(line, length));
  }
}

std::string FormatSettingsText() {
  std::string text;
  for (int row = 0; row < kSettingCount; ++row) text += SettingLine(row) + '\n';
  return text;
}

CardResult<FileWrite> ReplaceSettingsFile() {
  const std::error_code error =
      ReplaceCardFile(TheCardPaths().settingsFile, FormatSettingsText(), ProtectedFile::kClearAttributes);
  return {error ? FileWrite::kFailed : FileWrite::kWritten, error};
}

SaveResult WriteSettings(CardWriteFailureSink& sink) {
  if (ReplaceSettingsFile() != FileWrite::kWritten) {
    sink.OnCardNotWritable();
    return SaveResult::kConfigNotWritten;
  }
  if (WriteClockFile() != FileWrite::kWritten) {
    sink.OnCardNotWritable();
    return SaveResult::kClockNotWritten;
  }
  return SaveResult::kSaved;
}

CardResult<SettingsCheck> CheckSettings() {
  OpenedCardFile opened = OpenCardFile(TheCardPaths().settingsFile);
  if (!opened.file) return {SettingsCheck::kBad, opened.opened.error};
  CardTextReader text(opened.file.get());
  const SettingsCheck check = CheckSettingsText(text);
  return {check, ReadOutcome(text).error};
}

SettingsCheck CheckSettingsText(CardTextReader& text) {
  char line[kLineCapacity];
  for (int row = 0; row < kSettingCount; ++row) {
    const size_t length = ReadCardLine(text, line);
    if (std::string_view(line, length) != SettingLine(row)) return SettingsCheck::kBad;
  }
  // The last line must have ended with its line end, and nothing may follow it.
  const bool whole = !text.MetEnd() && text.Next() == EOF && !text.Failed();
  return whole ? SettingsCheck::kGood : SettingsCheck::kBad;
}

}  // namespace card
