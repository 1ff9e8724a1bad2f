#include "card/files/card_file_open.h"

#include <cerrno>

namespace card {

OpenedCardFile OpenCardFile(const char* path) {
  OpenedCardFile opened{UniqueFile::Open(path, "rb"), {FileRead::kRead, {}}};
  if (!opened.file) {
    const int error = errno;
    // A missing folder is a missing file: there is nothing there to read.
    const bool missing = error == ENOENT || error == ENOTDIR;
    opened.opened = {missing ? FileRead::kMissing : FileRead::kUnreadable, std::error_code(error, std::generic_category())};
  }
  return opened;
}

CardResult<FileRead> ReadOutcome(const CardTextReader& text) {
  if (!text.Failed()) return {FileRead::kRead, {}};
  return {FileRead::kUnreadable, std::error_code(text.ReadError(), std::generic_category())};
}

}  // namespace card
