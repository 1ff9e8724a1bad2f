// Replacing a card file so that a pulled, full or write-protected card never leaves it missing or half-written.
#pragma once

#include <string_view>
#include <system_error>

namespace card {

// What to do when the old file is read-only (on POSIX: has no write permission for its owner), hidden or
// system.
enum class ProtectedFile {
  kClearAttributes,  // the new file takes its place with ordinary attributes (restored if that fails)
  kKeepReadOnly,     // a read-only old file stays as it is and the replace fails; the new file keeps the old
                     // one's other attributes (hidden, system; on POSIX its permissions)
};

// Writes `text` with CR LF line ends to a temporary file of its own in the same folder, flushes it to the
// medium and only then moves it over `path`. Returns the reason on failure (empty when replaced); `path` is
// then as it was and the temporary file is gone.
//
// A full card (a camera records until it is) has no room for the second copy: when the temporary file fails
// for want of space, the existing file is rewritten in place instead (opened without creating, written from
// its start, cut at the new length, flushed to the medium), as the camera's own tools always wrote it. Its
// place in the folder stays; a file that must grow first reserves the room, so a failure leaves it as it was.
// A card pulled during that rewrite can lose the file, which is why it is kept for the full card.
//
// After a good save, temporary files of `path` left by earlier saves that were cut off (a pulled card) are
// removed; nothing else in the folder is touched.
std::error_code ReplaceCardFile(const char* path, std::string_view text, ProtectedFile protectedFile);

// Whether `entry` is the name of a temporary file that a save of the file named `target` makes:
// "<target>.<digits>-<digits>.tmp".
bool IsTemporaryFileOf(std::string_view entry, std::string_view target);

}  // namespace card
