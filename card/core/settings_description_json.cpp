#include "card/core/settings_description_json.h"

#include "card/core/setting_rows.h"
#include "card/core/settings_description.h"

namespace card {
namespace {

const char* PlaceName(SettingPlace place) {
  switch (place) {
    case SettingPlace::kMainWindow:
      return "main";
    case SettingPlace::kAdvancedWindow:
      return "advanced";
    case SettingPlace::kPartitionSlider:
      return "slider";
    case SettingPlace::kTimeZonePicker:
      return "picker";
    case SettingPlace::kNowhere:
      break;
  }
  return "nowhere";
}

void AppendField(std::string& json, std::string_view separator, std::string_view name, std::string_view text) {
  json += separator;
  AppendJsonString(json, name);
  json += ": ";
  AppendJsonString(json, text);
}

}  // namespace

void AppendJsonString(std::string& json, std::string_view text) {
  json += '"';
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) continue;
    if (c == '"' || c == '\\') json += '\\';
    json += c;
  }
  json += '"';
}

std::string SettingsDescriptionJson() {
  std::string json = "[";
  for (const SettingDescription& setting : SettingDescriptions()) {
    json += json.size() == 1 ? "\n  {\"row\": " : ",\n  {\"row\": ";
    json += std::to_string(setting.row);
    AppendField(json, ", ", "key", kSettingKeys[setting.row]);
    AppendField(json, ", ", "place", PlaceName(setting.place));
    AppendField(json, ", ", "title", setting.title);
    AppendField(json, ", ", "subtitle", setting.subtitle);
    json += ", \"values\": [";
    for (const OfferedValue& value : setting.values) {
      json += &value == setting.values.data() ? "\n    {\"value\": " : ",\n    {\"value\": ";
      json += std::to_string(value.value);
      AppendField(json, ", ", "name", value.name);
      AppendField(json, ", ", "caption", value.caption);
      AppendField(json, ", ", "detail", value.detail);
      json += '}';
    }
    json += setting.values.empty() ? "]}" : "\n  ]}";
  }
  return json + "\n]\n";
}

}  // namespace card
