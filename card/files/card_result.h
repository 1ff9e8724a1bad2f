// The typed result of a card-file routine: what happened, and the system's reason when something failed.
#pragma once

#include <system_error>

namespace card {

template <typename Outcome>
struct CardResult {
  Outcome outcome;
  std::error_code error;  // empty unless the outcome is a failure the system gave a reason for

  // Lets callers compare with an outcome directly: `CheckSettingsIn(path, values) == SettingsCheck::kGood`.
  bool operator==(Outcome other) const { return outcome == other; }
};

// Reading a card file.
enum class FileRead {
  kRead,        // opened and read to its end
  kMissing,     // no such file (or folder): the caller's fallback applies
  kUnreadable,  // it is there but could not be opened or read to its end
};

// Writing a card file. A failed replace leaves the old file as it was.
enum class FileWrite { kWritten, kFailed };

}  // namespace card
