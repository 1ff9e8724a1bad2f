// Each window's Choice table against the one description of the settings: a value added to, dropped from or
// moved in one of them and not the other fails here (the skin's captions are held to it by the skin's tests).
#include "card/core/settings_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <span>
#include <vector>

#include "ui/advanced/choice_buttons.h"
#include "ui/advanced/partition_rules.h"
#include "ui/main/main_controls.h"

namespace {

// Row -> the values its buttons store, as the window shows them: top to bottom, left to right.
using ValuesByRow = std::map<int, std::vector<int32_t>>;

ValuesByRow Offered(std::span<const skin::Choice> table) {
  std::vector<const skin::Choice*> shown;
  for (const skin::Choice& choice : table) {
    if (choice.selection != skin::Selection::kHidden) shown.push_back(&choice);
  }
  std::stable_sort(shown.begin(), shown.end(), [](const skin::Choice* a, const skin::Choice* b) {
    return a->at.y != b->at.y ? a->at.y < b->at.y : a->at.x < b->at.x;
  });
  ValuesByRow offered;
  for (const skin::Choice* choice : shown) offered[choice->row].push_back(choice->value);
  return offered;
}

ValuesByRow Described(card::SettingPlace place) {
  ValuesByRow described;
  for (const card::SettingDescription& setting : card::SettingDescriptions()) {
    if (setting.place != place) continue;
    for (const card::OfferedValue& value : setting.values) described[setting.row].push_back(value.value);
  }
  return described;
}

TEST(SettingsDescription, EachWindowOffersExactlyTheDescribedValuesInTheirOrder) {
  EXPECT_EQ(Offered(main_window::ChoiceButtons()), Described(card::SettingPlace::kMainWindow));
  EXPECT_EQ(Offered(advanced::ChoiceButtons()), Described(card::SettingPlace::kAdvancedWindow));
  const std::span<const card::OfferedValue> territories = card::OfferedValues(card::kPartitionTerritory);
  EXPECT_EQ(territories.front().value, advanced::TerritoryFromSliderPosition(0));
  EXPECT_EQ(territories.back().value, advanced::TerritoryFromSliderPosition(80));
}

}  // namespace
