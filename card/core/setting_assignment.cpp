#include "card/core/setting_assignment.h"

#include <charconv>

#include "card/core/settings_description.h"

namespace card {
namespace {

// ASCII only: keys and names are ASCII, and a locale must not change what matches.
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

char FoldedKeyChar(char c) { return c == '-' || c == '_' ? ' ' : Lower(c); }

template <char (*Fold)(char)>
bool SameFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

// Text from the user in a message: quoted, cut short, control characters escaped so that the error stays on
// one line and the terminal sees no control sequences.
std::string Quoted(std::string_view text) {
  constexpr size_t kShown = 40;
  std::string quoted = "\"";
  for (const char c : text.substr(0, kShown)) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
      static constexpr char kHex[] = "0123456789abcdef";
      quoted += {'\\', 'x', kHex[(c >> 4) & 0xf], kHex[c & 0xf]};
    } else {
      quoted += c;
    }
  }
  return quoted + (text.size() > kShown ? "...\"" : "\"");
}

bool IsDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string AllowedValues(SettingRow row) {
  std::string list;
  for (const OfferedValue& entry : OfferedValues(row)) {
    if (!list.empty()) list += ", ";
    list += DescribeValue(row, entry.value);
  }
  return list;
}

std::variant<Assignment, AssignmentError> ParseValue(SettingRow row, std::string_view text, bool force) {
  const std::string key(kSettingKeys[row]);
  if (IsDecimal(text)) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
      return AssignmentError{key + ": " + Quoted(text) + " does not fit in 32 bits"};
    }
    if (force || !IsOfferedByWindow(row) || NameOfValue(row, value)) return Assignment{row, value};
    return AssignmentError{
        key + ": " + Quoted(text) + " is not offered by the windows (allowed: " + AllowedValues(row) + ")", true};
  }
  for (const OfferedValue& entry : OfferedValues(row)) {
    if (SameFolded<Lower>(text, entry.name)) return Assignment{row, entry.value};
  }
  if (!IsOfferedByWindow(row)) return AssignmentError{key + ": " + Quoted(text) + " is not a whole number"};
  return AssignmentError{key + ": unknown value " + Quoted(text) + " (allowed: " + AllowedValues(row) + ")"};
}

}  // namespace

std::optional<SettingRow> MatchSettingKey(std::string_view text) {
  for (const SettingRow row : kSettingRows) {
    if (SameFolded<FoldedKeyChar>(text, kSettingKeys[row])) return row;
  }
  return std::nullopt;
}

std::variant<Assignment, AssignmentError> ParseAssignment(std::string_view text, bool force) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos) return AssignmentError{Quoted(text) + " is not KEY=VALUE"};
  const std::string_view key = text.substr(0, equals);
  const std::optional<SettingRow> row = MatchSettingKey(key);
  if (!row) return AssignmentError{"unknown setting " + Quoted(key)};
  return ParseValue(*row, text.substr(equals + 1), force);
}

void ApplyAssignments(std::span<const Assignment> assignments, SettingValues& values) {
  bool advancedTouched = false;
  for (const Assignment& assignment : assignments) {
    values[assignment.row] = assignment.value;
    advancedTouched |=
        assignment.row >= kFirstAdvancedRow && assignment.row < kFirstAdvancedRow + kAdvancedCount;
  }
  if (advancedTouched) ApplyPartitionRule(AdvancedRowsOf(values));
}

std::string DescribeValue(SettingRow row, int32_t value) {
  const char* name = NameOfValue(row, value);
  return std::to_string(value) + (name ? std::string(" (") + name + ")" : "");
}

}  // namespace card
