// Replacing a card file so that a pulled, full or write-protected card never leaves it missing or half-written.
#pragma once

#include <string_view>
#include <system_error>

namespace card {

// What to do when the old file is read-only (on POSIX: has no write permission for its owner), hidden or
// system.
enum class ProtectedFile {
  kClearAttributes,  // the new file takes its place with ordinary attributes (restored if that fails)
  kKeepReadOnly,     // a read-only old file stays as it is and the replace fails
};

// Writes `text` with CR LF line ends to a temporary file of its own in the same folder, flushes it to the
// medium and only then moves it over `path`. Returns the reason on failure (empty when replaced); `path` is
// then as it was and the temporary file is gone. Other files in the folder, leftovers of interrupted earlier
// saves included, are never touched.
std::error_code ReplaceCardFile(const char* path, std::string_view text, ProtectedFile protectedFile);

}  // namespace card
