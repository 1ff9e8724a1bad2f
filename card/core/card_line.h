// Reading the key "=" value lines of the card's text files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "card/core/card_text.h"

namespace card {

constexpr size_t kLineCapacity = 1000;

// Reads up to the next LF (not stored) or the end of the file, keeping at most kLineCapacity - 1 characters;
// the rest of a longer line comes back from the next call. Returns the length; 0 (an empty line or the end
// of the file) ends the reading of the whole file.
size_t ReadCardLine(CardTextReader& text, char (&line)[kLineCapacity]);

// The text before the first "=", or the whole line when it has none.
std::string_view KeyOfLine(std::string_view line);

// The text after the first "=" with every further "=" dropped; empty when the line has no "=".
// Characters beyond the capacity of `value` are cut off.
std::string_view ValueOfLine(std::string_view line, char (&value)[kLineCapacity]);

// The value of a line is the run of digits at its very end, negative when a "-" stands right before the run,
// 0 when the line does not end in a digit. A run too large for 32 bits gives INT32_MAX (INT32_MIN when
// negative).
int32_t ParseTrailingNumber(const char* line, size_t length);

}  // namespace card
