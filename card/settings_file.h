// config.txt in the Card folder: read into the Settings table at start, written back on apply, checked after.
#pragma once

#include <string>

#include "card/card_result.h"
#include "card/card_text.h"
#include "card/card_write_failure.h"

namespace card {

// What reading the card's two files found: config.txt and ver.txt.
struct CardFilesRead {
  CardResult<FileRead> settings;
  CardResult<FileRead> version;
};

// Fills the Settings table from config.txt, then the Version table from ver.txt (ReadVersionFile). Rows the
// file does not name keep their values. When config.txt cannot be opened, missing or not, every row takes its
// default, as the windows want; a caller that must not go on with defaults looks at `settings`.
CardFilesRead ReadSettings();

// The reading itself, from any stream: every line up to the first empty one sets the row its key names.
void ReadSettingsText(CardTextReader& text);

// The whole file as written: one "key=value" line per row in table order, LF line ends (CR LF on the card).
std::string FormatSettingsText();

// Replaces config.txt with the table by a safe replace (a read-only, hidden or system old file included).
// On failure the old config.txt is as it was.
CardResult<FileWrite> ReplaceSettingsFile();

// What the windows' save did.
enum class SaveResult {
  kSaved,            // config.txt and the clock file are new
  kConfigNotWritten, // config.txt is as it was; the clock file was not touched
  kClockNotWritten,  // config.txt is new, the clock file is as it was
};

// The windows' save: replaces config.txt and, when that worked, writes the clock file. A failure is also
// reported to `sink`, once.
SaveResult WriteSettings(CardWriteFailureSink& sink);

enum class SettingsCheck { kGood, kBad };

// Good when config.txt holds exactly the lines of the table, each with its line end, and nothing more.
CardResult<SettingsCheck> CheckSettings();
SettingsCheck CheckSettingsText(CardTextReader& text);

}  // namespace card
