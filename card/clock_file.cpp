#include "card/clock_file.h"

#include "card/card_files.h"
#include "card/card_paths.h"

namespace card {

CardResult<FileWrite> WriteClockFile() { return WriteClockFile(CurrentLocalTime()); }

CardResult<FileWrite> WriteClockFile(const LocalTime& now) { return WriteClockTo(TheCardPaths().clockFile, now); }

}  // namespace card
