// How a command ends: the exit statuses that scripts rely on, and the one line that explains a failure.
#pragma once

#include <optional>
#include <string>

namespace cli {

enum class ExitStatus : int {
  kDone = 0,
  kUsage = 1,        // bad arguments, a bad profile or a refused value: nothing was written
  kNoCard = 2,       // no card, or more than one where one is needed
  kCardFile = 3,     // a card file could not be read or written
  kCheckFailed = 4,  // config.txt did not read back as written
};

struct Failure {
  ExitStatus status;
  std::string message;  // one line naming the file or argument and the reason, without the program's name
};

// No value: the step worked.
using Outcome = std::optional<Failure>;

inline int StatusCode(ExitStatus status) { return static_cast<int>(status); }

}  // namespace cli
