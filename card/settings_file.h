// The windows' thin layer over the card's files: config.txt and ver.txt read into the process-wide Settings
// and Version tables when the main window opens, the Settings table saved back on apply.
#pragma once

#include "card/card_files.h"
#include "card/card_save.h"
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

// Replaces config.txt with the table by a safe replace (a read-only, hidden or system old file included).
// On failure the old config.txt is as it was.
CardResult<FileWrite> ReplaceSettingsFile();

// What the windows' save did.
enum class SaveResult {
  kSaved,             // config.txt and the clock file are new, and config.txt read back as written
  kConfigNotWritten,  // config.txt is as it was; the clock file was not touched
  kClockNotWritten,   // config.txt is new, the clock file is as it was
  kCheckFailed,       // both are new, but config.txt did not read back as written
};

// The windows' save of the Settings table: config.txt, the clock file, then the read-back check. A file that
// cannot be written is also reported to `sink` (the no-card box), once.
SaveResult WriteSettings(CardWriteFailureSink& sink);

// Good when config.txt holds exactly the lines of the table, each with its line end, and nothing more.
CardResult<SettingsCheck> CheckSettings();

}  // namespace card
