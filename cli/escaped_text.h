// JSON string literals for the --json output.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// `text` as a JSON string: quotes, backslashes and control characters escaped; bytes that are not UTF-8 (a
// ver.txt may hold anything) become U+FFFD, so the output is always valid JSON.
std::string JsonString(std::string_view text);

}  // namespace cli
