#include "card/settings_file.h"

#include <cstdio>

#include "card/card_paths.h"
#include "card/clock_file.h"
#include "card/safe_replace.h"
#include "card/settings_table.h"
#include "card/unique_file.h"
#include "card/version_file.h"

namespace card {
namespace {

std::string SettingLine(int row) {
  const Setting& setting = SettingsTable()[row];
  char line[kLineCapacity];
  std::snprintf(line, sizeof line, "%s=%d", setting.key, static_cast<int>(setting.value));
  return line;
}

void ReadSettingLines(FILE* file) {
  char line[kLineCapacity];
  while (const size_t length = ReadCardLine(file, line)) {
    const int row = FindSettingRow(KeyOfLine(std::string_view(line, length)));
    if (row >= 0) SetSetting(row, ParseTrailingNumber(line, length));
  }
}

}  // namespace

void ReadSettings() {
  if (UniqueFile file = UniqueFile::Open(TheCardPaths().settingsFile, "rt")) {
    ReadSettingLines(file.get());
  } else {
    ResetSettingsToDefaults();
  }
  ReadVersionFile();
}

std::string FormatSettingsText() {
  std::string text;
  for (int row = 0; row < kSettingCount; ++row) text += SettingLine(row) + '\n';
  return text;
}

void WriteSettings(CardWriteFailureSink& sink) {
  if (!ReplaceCardFile(TheCardPaths().settingsFile, FormatSettingsText(), ProtectedFile::kClearAttributes)) {
    sink.OnCardNotWritable();
    return;
  }
  WriteClockFile(sink);
}

int CheckSettings() {
  UniqueFile file = UniqueFile::Open(TheCardPaths().settingsFile, "rt");
  if (!file) return 1;
  char line[kLineCapacity];
  for (int row = 0; row < kSettingCount; ++row) {
    const size_t length = ReadCardLine(file.get(), line);
    if (std::string_view(line, length) != SettingLine(row)) return 1;
  }
  // The last line must have ended with its line end, and nothing may follow it.
  return !std::feof(file.get()) && std::fgetc(file.get()) == EOF ? 0 : 1;
}

}  // namespace card
