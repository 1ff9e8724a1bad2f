// The card core as the browser page calls it: a handful of plain functions over buffers in the module's
// memory. The page copies a file's bytes into the input buffer, the 24 values into the values buffer, calls one
// function and copies the result out; the core does every byte of parsing and formatting, so the page writes
// exactly what the windows and dqcard write. One call at a time (the page has one thread), so the buffers are
// plain statics.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "card/core/card_file_names.h"
#include "card/core/clock_line.h"
#include "card/core/profile_text.h"
#include "card/core/setting_rows.h"
#include "card/core/settings_description_json.h"
#include "card/core/settings_text.h"
#include "card/core/version_text.h"

#define DQ_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

std::vector<char> input;
card::SettingValues values;
uint8_t named[card::kSettingCount];
std::string result;

void AppendField(std::string& json, std::string_view name, std::string_view text) {
  card::AppendJsonString(json, name);
  json += ':';
  card::AppendJsonString(json, text);
}

std::string DescriptionJson() {
  std::string json = "{\"rows\":" + card::SettingsDescriptionJson();
  json += ",\"defaults\":[";
  for (const int32_t value : card::kDefaultSettingValues) {
    if (json.back() != '[') json += ',';
    json += std::to_string(value);
  }
  json += "],\"firstAdvancedRow\":" + std::to_string(card::kFirstAdvancedRow) +
          ",\"advancedCount\":" + std::to_string(card::kAdvancedCount) +
          ",\"partitionModeRow\":" + std::to_string(card::kMemoryPartition) + ',';
  AppendField(json, "cardFolder", card::kCardFolderName);
  json += ',';
  AppendField(json, "settingsFile", card::kSettingsFileName);
  json += ',';
  AppendField(json, "clockFile", card::kClockFileName);
  json += ',';
  AppendField(json, "versionFile", card::kVersionFileName);
  json += ",\"versionPlaceholders\":{";
  AppendField(json, "model", card::kVersionPlaceholders.model);
  json += ',';
  AppendField(json, "firmware", card::kVersionPlaceholders.firmware);
  json += "}}";
  return json;
}

// The first `size` bytes of the input buffer, never more than it holds.
std::string_view Input(uint32_t size) { return {input.data(), std::min<size_t>(size, input.size())}; }

}  // namespace

// A buffer of at least `size` bytes for the page to copy a file into; valid until the next call.
DQ_EXPORT(dq_input) char* dq_input(uint32_t size) {
  input.resize(size ? size : 1);
  return input.data();
}

// The 24 values, in row order, that the functions below read or fill.
DQ_EXPORT(dq_values) int32_t* dq_values() { return values.data(); }

// One flag per row after dq_read_settings: whether a line of the file named the row.
DQ_EXPORT(dq_named) uint8_t* dq_named() { return named; }

// The bytes of the last result; dq_result_size says how many.
DQ_EXPORT(dq_result) const char* dq_result() { return result.data(); }
DQ_EXPORT(dq_result_size) uint32_t dq_result_size() { return static_cast<uint32_t>(result.size()); }

// Result: the settings as the windows offer them, with the defaults and the card's file names, as JSON.
DQ_EXPORT(dq_describe) void dq_describe() { result = DescriptionJson(); }

// Reads the `size` input bytes as config.txt into the values and the named flags.
DQ_EXPORT(dq_read_settings) void dq_read_settings(uint32_t size) {
  const card::SettingsRead read = card::ReadSettingsBytes(Input(size));
  values = read.values;
  for (int row = 0; row < card::kSettingCount; ++row) named[row] = read.named[row];
}

// Result: config.txt's bytes for the values, as the windows write them.
DQ_EXPORT(dq_format_settings) void dq_format_settings() { result = card::FormatSettingsBytes(values); }

// 1 when the `size` input bytes are exactly config.txt for the values, else 0.
DQ_EXPORT(dq_check_settings) int32_t dq_check_settings(uint32_t size) {
  return card::CheckSettingsBytes(Input(size), values) == card::SettingsCheck::kGood;
}

// The confirmation rule of the advanced settings, applied to the values.
DQ_EXPORT(dq_apply_partition_rule) void dq_apply_partition_rule() {
  card::ApplyPartitionRule(card::AdvancedRowsOf(values));
}

// Result: the model, a LF, the firmware, read from the `size` input bytes as ver.txt (no line holds a LF).
DQ_EXPORT(dq_read_version) void dq_read_version(uint32_t size) {
  const card::VersionTexts texts = card::ReadVersionBytes(Input(size));
  result = texts.model + '\n' + texts.firmware;
}

// Reads a profile as dqcard apply does, without --force: the input holds the profile's name (`nameSize` bytes,
// how the errors name it), then its text (`textSize` bytes). With no bad line the assignments are applied over
// the values and the result is "[]"; else the values stay and the result is a JSON array of
// {"reason", "notOffered"}, one for each bad line. Returns the number of bad lines.
DQ_EXPORT(dq_read_profile) uint32_t dq_read_profile(uint32_t nameSize, uint32_t textSize) {
  const std::string_view both = Input(nameSize + textSize);
  const std::string_view name = both.substr(0, std::min<size_t>(nameSize, both.size()));
  const card::Profile profile = card::ParseProfile(both.substr(name.size()), name, false);
  result = "[";
  for (const card::AssignmentError& error : profile.errors) {
    if (result.size() > 1) result += ',';
    result += '{';
    AppendField(result, "reason", error.reason);
    result += std::string(",\"notOffered\":") + (error.notOffered ? "true" : "false") + '}';
  }
  result += ']';
  if (profile.errors.empty()) card::ApplyAssignments(profile.assignments, values);
  return static_cast<uint32_t>(profile.errors.size());
}

// Result: the values as a profile, the bytes dqcard export prints.
DQ_EXPORT(dq_format_profile) void dq_format_profile() { result = card::FormatProfile(values); }

// Result: RTC_time.ini's bytes for the given local time.
DQ_EXPORT(dq_format_clock)
void dq_format_clock(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second) {
  result = card::FormatClockBytes({year, month, day, hour, minute, second});
}
