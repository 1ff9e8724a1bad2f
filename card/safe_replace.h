// Replacing a card file so that a pulled, full or write-protected card never leaves it missing or half-written.
#pragma once

#include <string>
#include <string_view>

namespace card {

// What to do when the old file is read-only, hidden or system.
enum class ProtectedFile {
  kClearAttributes,  // clear them so that the new file can take its place (restored if that fails)
  kKeepReadOnly,     // a read-only old file stays as it is and the replace fails
};

// The temporary file next to `path` that takes the new content.
std::string TemporaryPathFor(const char* path);

// Writes `content` in text mode (each LF lands as CR LF) to the temporary file, flushes it to the medium and
// only then moves it over `path`. Returns false on any failure; `path` is then as it was and the temporary
// file is gone.
bool ReplaceCardFile(const char* path, std::string_view content, ProtectedFile protectedFile);

}  // namespace card
