// Profiles as apply and diff read them, and the JSON strings show writes: whatever the bytes, every line
// gives an assignment or a one-line error, an assignment holds a value the windows offer unless forced, and
// an exported profile reads back as the same assignments.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "card/core/profile_text.h"
#include "card/core/settings_description.h"
#include "cli/escaped_text.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string Exported(const card::Profile& profile) {
  std::string exported;
  for (const card::Assignment& assignment : profile.assignments) {
    exported +=
        std::string(card::kSettingKeys[assignment.row]) + "=" + std::to_string(assignment.value) + "\r\n";
  }
  return exported;
}

void CheckProfile(std::string_view text, bool force) {
  const card::Profile profile = card::ParseProfile(text, "fuzz", force);
  const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  Require(profile.assignments.size() + profile.errors.size() <= lines);
  for (const card::AssignmentError& error : profile.errors) Require(error.reason.find_first_of("\r\n") == std::string::npos);
  for (const card::Assignment& assignment : profile.assignments) {
    Require(assignment.row >= 0 && assignment.row < card::kSettingCount);
    Require(force || !card::IsOfferedByWindow(assignment.row) || card::NameOfValue(assignment.row, assignment.value));
  }
  const card::Profile again = card::ParseProfile(Exported(profile), "again", true);
  Require(again.errors.empty() && Exported(again) == Exported(profile));
}

// A JSON string literal: quoted, no raw control characters, every byte above 0x7f in a UTF-8 sequence.
void CheckJsonString(std::string_view text) {
  const std::string json = cli::JsonString(text);
  Require(json.size() >= 2 && json.front() == '"' && json.back() == '"');
  for (size_t i = 1; i + 1 < json.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(json[i]);
    Require(c >= 0x20 && c != 0x7f);
    if (c == '\\') ++i;  // the escaped character
    if (c < 0x80) continue;
    const size_t length = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : 2;
    Require(c >= 0xc2 && c <= 0xf4 && i + length < json.size());
    for (size_t k = 1; k < length; ++k) Require((static_cast<unsigned char>(json[i + k]) & 0xc0) == 0x80);
    i += length - 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckProfile(text, false);
  CheckProfile(text, true);
  CheckJsonString(text);
  return 0;
}
