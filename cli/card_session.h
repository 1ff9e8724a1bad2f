// Everything dqcard asks of the card core's files, in one place: finding cards, reading one afresh, writing
// it as the windows' OK does, and reading a profile by its UTF-8 path.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cli/failure.h"
#include "card/core/setting_rows.h"

namespace cli {

// A card as the user named it or as it was found, its Card folder and the card's files in it.
struct CardPlace {
  std::string shown;   // the path as given or found: how output and messages name the card
  std::string folder;  // its DQ-918LX_Parameter folder
  std::string settingsFile;
  std::string clockFile;
  std::string versionFile;
};

struct CardContent {
  card::SettingValues values;
  bool settingsMissing = false;  // no config.txt: `values` are the camera's defaults
  std::string model;
  std::string firmware;
  Outcome versionFailure;  // ver.txt is there but could not be read: model and firmware are placeholders
};

// The volume roots that hold a card, sorted.
std::vector<std::string> FindCardRoots();

// `path` names a volume root or its DQ-918LX_Parameter folder; fails (no card) when it names neither.
std::variant<CardPlace, Failure> PlaceCard(const std::string& path);

// Reads config.txt and ver.txt. A missing config.txt gives the defaults, as in the windows; one that is there
// but cannot be read is a failure, never replaced by defaults. Rows config.txt does not name read as 0, as in
// the windows.
std::variant<CardContent, Failure> ReadCard(const CardPlace& place);

// As the windows' OK: config.txt by the safe replace, the read-back check, then the clock file unless
// `withClock` is false. Stops at the first failure, whose message says what state the card is left in.
Outcome WriteCard(const CardPlace& place, const card::SettingValues& values, bool withClock);

// Only the clock file, from the local time.
Outcome WriteClock(const CardPlace& place);

// The whole content of the file at the UTF-8 `path`, or of standard input for "-".
std::variant<std::string, Failure> ReadWholeFile(const std::string& path);

}  // namespace cli
