// config.txt in the Card folder: read into the Settings table at start, written back on apply, checked after.
#pragma once

#include <string>

#include "card/card_line.h"
#include "card/card_write_failure.h"

namespace card {

// Fills the Settings table from config.txt (the defaults when it cannot be opened), then the Version table
// from ver.txt. Rows the file does not name keep their values.
void ReadSettings();

// The whole file as written: one "key=value" line per row in table order, LF line ends (CR LF on the card).
std::string FormatSettingsText();

// Replaces config.txt with the table and, when that worked, writes the clock file. A failure is reported to
// `sink` once and leaves the old config.txt as it was.
void WriteSettings(CardWriteFailureSink& sink);

// 0 (good) when config.txt holds exactly the lines of the table and nothing more, else 1 (bad).
int CheckSettings();

}  // namespace card
