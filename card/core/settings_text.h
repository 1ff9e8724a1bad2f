// config.txt as bytes: read into the 24 values, formatted from them, checked against them. Pure functions
// with no state and no files; the card's files (card_files.h) and the Settings table build on them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "card/core/card_text.h"
#include "card/core/setting_rows.h"

namespace card {

// What a config.txt says.
struct SettingsRead {
  SettingValues values;                   // the start values, with every row the file names set
  std::array<bool, kSettingCount> named;  // whether a line of the file named the row
};

// Every line up to the first empty one sets the row its key names (exact key; the value is the run of digits
// at the line's end; a later line wins). Rows no line names keep `start`'s values: zeros, as when the program
// has just loaded, unless the caller says otherwise.
SettingsRead ReadSettingsText(CardTextReader& text, const SettingValues& start = {});
SettingsRead ReadSettingsBytes(std::string_view bytes, const SettingValues& start = {});

// The file as the windows write it: one "key=value" line per row in row order, each ending in LF (CR LF in
// the Bytes form, as on the card), nothing else.
std::string FormatSettingsText(const SettingValues& values);
std::string FormatSettingsBytes(const SettingValues& values);

enum class SettingsCheck { kGood, kBad };

// Good when the text holds exactly the lines of `values`, each with its line end, and nothing more.
SettingsCheck CheckSettingsText(CardTextReader& text, const SettingValues& values);
SettingsCheck CheckSettingsBytes(std::string_view bytes, const SettingValues& values);

}  // namespace card
