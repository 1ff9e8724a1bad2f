// Opening a card file for reading, with the typed reasons the readers report.
#pragma once

#include "card/core/card_text.h"
#include "card/files/card_result.h"
#include "card/files/unique_file.h"

namespace card {

// Opens `path` in binary mode. `opened` is kRead on success, else kMissing or kUnreadable with the reason.
struct OpenedCardFile {
  UniqueFile file;
  CardResult<FileRead> opened;
};
OpenedCardFile OpenCardFile(const char* path);

// The result of reading `text` to its end.
CardResult<FileRead> ReadOutcome(const CardTextReader& text);

}  // namespace card
