// The skin generator runs without a build, so it reads the settings description from a committed JSON file.
// This test holds that file equal to the description the program is built with; when they differ it writes
// the fresh text beside the test and says where, ready to be copied over the committed file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "card/core/setting_rows.h"
#include "card/core/settings_description.h"

namespace {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;  // the texts are printable ASCII and UTF-8, which JSON takes as they are
  }
  return out + "\"";
}

const char* PlaceName(card::SettingPlace place) {
  switch (place) {
    case card::SettingPlace::kMainWindow: return "main";
    case card::SettingPlace::kAdvancedWindow: return "advanced";
    case card::SettingPlace::kPartitionSlider: return "slider";
    case card::SettingPlace::kTimeZonePicker: return "picker";
    case card::SettingPlace::kNowhere: break;
  }
  return "nowhere";
}

std::string DescriptionJson() {
  std::ostringstream out;
  out << "[\n";
  bool firstRow = true;
  for (const card::SettingDescription& setting : card::SettingDescriptions()) {
    out << (firstRow ? "" : ",\n") << "  {\"key\": " << Quoted(card::kSettingKeys[setting.row])
        << ", \"place\": " << Quoted(PlaceName(setting.place)) << ", \"title\": " << Quoted(setting.title)
        << ", \"subtitle\": " << Quoted(setting.subtitle) << ", \"values\": [";
    bool firstValue = true;
    for (const card::OfferedValue& value : setting.values) {
      out << (firstValue ? "\n" : ",\n") << "    {\"value\": " << value.value << ", \"name\": " << Quoted(value.name)
          << ", \"caption\": " << Quoted(value.caption) << ", \"detail\": " << Quoted(value.detail) << "}";
      firstValue = false;
    }
    out << (firstValue ? "]}" : "\n  ]}");
    firstRow = false;
  }
  out << "\n]\n";
  return out.str();
}

TEST(SkinDescriptionJson, EqualsTheDescriptionTheProgramIsBuiltWith) {
  const std::string committed_path = DQ_SOURCE_DIR "/tools/skin/settings_description.json";
  std::ifstream committed(committed_path, std::ios::binary);
  std::stringstream text;
  text << committed.rdbuf();
  const std::string expected = DescriptionJson();
  if (text.str() != expected) {
    std::ofstream(DQ_BINARY_DIR "/settings_description.json", std::ios::binary) << expected;
    FAIL() << committed_path << " is out of date: copy " DQ_BINARY_DIR "/settings_description.json over it and "
           << "run tools/skin/generate.py";
  }
}

}  // namespace
