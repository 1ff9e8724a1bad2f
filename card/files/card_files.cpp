#include "card/files/card_files.h"

#include "card/files/card_file_open.h"
#include "card/files/safe_replace.h"

namespace card {
namespace {

CardResult<FileWrite> Written(std::error_code error) {
  return {error ? FileWrite::kFailed : FileWrite::kWritten, error};
}

}  // namespace

SettingsFileRead ReadSettingsFrom(const char* path, const SettingValues& start) {
  OpenedCardFile opened = OpenCardFile(path);
  if (!opened.file) return {opened.opened, {kDefaultSettingValues, {}}};
  CardTextReader text(opened.file.get());
  SettingsRead read = ReadSettingsText(text, start);
  return {ReadOutcome(text), read};
}

VersionFileRead ReadVersionFrom(const char* path, VersionTexts start) {
  OpenedCardFile opened = OpenCardFile(path);
  if (!opened.file) return {opened.opened, kVersionPlaceholders};
  CardTextReader text(opened.file.get());
  VersionTexts texts = ReadVersionText(text, std::move(start));
  return {ReadOutcome(text), std::move(texts)};
}

CardResult<FileWrite> WriteSettingsTo(const char* path, const SettingValues& values) {
  return Written(ReplaceCardFile(path, FormatSettingsText(values), ProtectedFile::kClearAttributes));
}

CardResult<SettingsCheck> CheckSettingsIn(const char* path, const SettingValues& values) {
  OpenedCardFile opened = OpenCardFile(path);
  if (!opened.file) return {SettingsCheck::kBad, opened.opened.error};
  CardTextReader text(opened.file.get());
  const SettingsCheck check = CheckSettingsText(text, values);
  return {check, ReadOutcome(text).error};
}

CardResult<FileWrite> WriteClockTo(const char* path, const LocalTime& now) {
  return Written(ReplaceCardFile(path, FormatClockLine(now), ProtectedFile::kKeepReadOnly));
}

}  // namespace card
