// The Choice button table: the commands it answers and the consistency that creation and markers rely on.
#include "ui/advanced/choice_buttons.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

#include "res/resource.h"
#include "ui/advanced/action_buttons.h"

namespace advanced {
namespace {

using skin::Choice;
using skin::Selection;

const Choice* FindChoice(UINT id) { return skin::FindChoice(ChoiceButtons(), id); }

TEST(ChoiceButtons, AnswersExactlyTheTwentyFiveChoiceCommands) {
  std::set<UINT> ids;
  for (const Choice& button : ChoiceButtons()) ids.insert(button.id);
  EXPECT_EQ(ids.size(), ChoiceButtons().size()) << "identifiers are unique";
  EXPECT_EQ(ids, (std::set<UINT>{1064, 1065, 1066, 1067, 1068, 1069, 1073, 1074, 1080, 1081, 1082, 1083, 1084,
                                 1085, 1087, 1088, 1089, 1090, 1092, 1093, 1094, 1095, 1097, 1098, 1099}));
  for (UINT id : ids) EXPECT_EQ(FindChoice(id)->id, id);
  EXPECT_EQ(std::set<UINT>(layout::kChoiceIds.begin(), layout::kChoiceIds.end()), ids)
      << "the window routes these as choices";
  for (const UINT other : std::initializer_list<UINT>{IDOK, IDCANCEL, IDC_ADV_PARTITION_SLIDER, 1091, 1096, 0})
    EXPECT_EQ(FindChoice(other), nullptr) << other;
}

TEST(ChoiceButtons, GroupsRunLeftToRightWithOneValuePerButton) {
  const auto buttons = ChoiceButtons();
  for (size_t i = 1; i < buttons.size(); ++i) {
    const Choice& previous = buttons[i - 1];
    const Choice& button = buttons[i];
    if (button.row != previous.row || button.selection == Selection::kHidden) continue;
    EXPECT_EQ(button.at.y, previous.at.y) << button.id;
    EXPECT_GE(button.at.x, previous.at.x + previous.size.cx) << button.id << " lies right of " << previous.id;
    EXPECT_EQ(button.marker.y, previous.marker.y) << button.id;
    EXPECT_NE(button.value, previous.value) << button.id;
  }
}

TEST(ChoiceButtons, SelectedImageFollowsTheNormalImage) {
  for (const Choice& button : ChoiceButtons()) {
    if (button.selection == Selection::kHidden) continue;
    EXPECT_EQ(button.pressed, button.normal + 1) << button.id;
    EXPECT_GE(button.marker.x, button.at.x) << button.id;
    EXPECT_LT(button.marker.x + LayoutAt({}).marker.cx, button.at.x + button.size.cx) << "marker within " << button.id;
    EXPECT_GE(button.marker.y, button.at.y) << button.id;
    EXPECT_LE(button.marker.y + LayoutAt({}).marker.cy, button.at.y + button.size.cy) << button.id;
  }
}

TEST(ChoiceButtons, OnOffGroupsPutOnFirst) {
  for (UINT on : {IDC_ADV_PARKING_BW_ON, IDC_ADV_FLIP_ON}) {
    const Choice* button = FindChoice(on);
    EXPECT_EQ(button->value, 1);
    EXPECT_EQ(button->selection, Selection::kWhenStoredOrUnmatched);
    EXPECT_EQ(FindChoice(on + 1)->value, 0);
  }
}

TEST(ChoiceButtons, EncodingProfileIsBoundButNeverShown) {
  for (UINT id : {IDC_ADV_PROFILE_HIGH, IDC_ADV_PROFILE_MAIN, IDC_ADV_PROFILE_BASELINE}) {
    const Choice* button = FindChoice(id);
    EXPECT_EQ(SlotOf(button->row), kEncodingProfileSlot);
    EXPECT_EQ(button->value, static_cast<int32_t>(id - IDC_ADV_PROFILE_HIGH));
    EXPECT_EQ(button->selection, Selection::kHidden);
  }
}

}  // namespace
}  // namespace advanced
