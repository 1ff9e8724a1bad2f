#include "card/clock_file.h"

#include <cstdio>

#include "card/card_paths.h"
#include "card/safe_replace.h"

namespace card {

std::string FormatClockLine(const SYSTEMTIME& time) {
  char line[64];
  std::snprintf(line, sizeof line, "RTC Time Setting=%04d%02d%02d%02d%02d%02d\n", time.wYear, time.wMonth, time.wDay,
                time.wHour, time.wMinute, time.wSecond);
  return line;
}

void WriteClockFile(CardWriteFailureSink& sink) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  WriteClockFile(sink, now);
}

void WriteClockFile(CardWriteFailureSink& sink, const SYSTEMTIME& now) {
  if (!ReplaceCardFile(TheCardPaths().clockFile, FormatClockLine(now), ProtectedFile::kKeepReadOnly)) {
    sink.OnCardNotWritable();
  }
}

}  // namespace card
