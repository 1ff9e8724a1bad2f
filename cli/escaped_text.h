// Text from a card, a profile or the user, made safe for where dqcard puts it: a JSON string literal, or a
// terminal that must not see control sequences.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// `text` as a JSON string: quotes, backslashes and control characters escaped; bytes that are not UTF-8 (a
// ver.txt may hold anything) become U+FFFD, so the output is always valid JSON.
std::string JsonString(std::string_view text);

// `text` for a terminal: control bytes (0x00 to 0x1F but LF, and 0x7F) and bytes that are not UTF-8 shown
// as \xNN, so that nothing a card holds can move the cursor, recolour or retitle the user's terminal. Lines
// stay lines.
std::string TerminalText(std::string_view text);

}  // namespace cli
