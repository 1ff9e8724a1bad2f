#include "card/core/card_line.h"

#include <limits>

namespace card {

size_t ReadCardLine(CardTextReader& text, char (&line)[kLineCapacity]) {
  size_t length = 0;
  while (length < kLineCapacity - 1) {
    const int c = text.Next();
    if (c == EOF || c == '\n') break;
    line[length++] = static_cast<char>(c);
  }
  line[length] = '\0';
  return length;
}

std::string_view KeyOfLine(std::string_view line) { return line.substr(0, line.find('=')); }

std::string_view ValueOfLine(std::string_view line, char (&value)[kLineCapacity]) {
  size_t length = 0;
  const size_t equals = line.find('=');
  if (equals != std::string_view::npos) {
    for (const char c : line.substr(equals + 1)) {
      if (c != '=' && length < kLineCapacity - 1) value[length++] = c;
    }
  }
  value[length] = '\0';
  return std::string_view(value, length);
}

int32_t ParseTrailingNumber(const char* line, size_t length) {
  size_t start = length;
  while (start > 0 && line[start - 1] >= '0' && line[start - 1] <= '9') --start;

  // Summing from the left lets leading zeros of a long run cost nothing; the magnitude sticks just past
  // what 32 bits hold, so no run can overflow.
  constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t magnitude = 0;
  for (size_t i = start; i < length; ++i) {
    magnitude = magnitude * 10 + (line[i] - '0');
    if (magnitude > kCap) magnitude = kCap;
  }

  const bool negative = start > 0 && start < length && line[start - 1] == '-';
  if (negative) return static_cast<int32_t>(-magnitude);  // -kCap is INT32_MIN
  return static_cast<int32_t>(magnitude == kCap ? kCap - 1 : magnitude);
}

}  // namespace card
