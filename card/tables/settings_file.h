// The windows' thin layer over the card's files: config.txt and ver.txt read into the process-wide Settings
// and Version tables when the main window opens, the Settings table saved back on apply.
#pragma once

#include "card/files/card_files.h"
#include "card/files/card_save.h"
#include "card/tables/card_write_failure.h"

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

// The windows' save of the Settings table to the card paths: config.txt, the clock file, then the read-back
// check (SaveCard); returns the step it stopped at, kNone when saved. A file that cannot be written is also
// reported to `sink` (the no-card box), once.
SaveStep WriteSettings(CardWriteFailureSink& sink);

}  // namespace card
