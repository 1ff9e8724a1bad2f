// The skin generator runs without a build, so it reads the settings description from a committed JSON file.
// This test holds that file equal to the description the program is built with; when they differ it writes
// the fresh text beside the test and says where, ready to be copied over the committed file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "card/core/settings_description_json.h"

namespace {

TEST(SkinDescriptionJson, EqualsTheDescriptionTheProgramIsBuiltWith) {
  const std::string committed_path = DQ_SOURCE_DIR "/tools/skin/settings_description.json";
  std::ifstream committed(committed_path, std::ios::binary);
  std::stringstream text;
  text << committed.rdbuf();
  const std::string expected = card::SettingsDescriptionJson();
  if (text.str() != expected) {
    std::ofstream(DQ_BINARY_DIR "/settings_description.json", std::ios::binary) << expected;
    FAIL() << committed_path << " is out of date: copy " DQ_BINARY_DIR "/settings_description.json over it and "
           << "run tools/skin/generate.py";
  }
}

}  // namespace
