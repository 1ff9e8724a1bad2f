// The main window's button tables: what each Choice button stores, what the overlay loads, where the
// window goes on small screens, and how the date and time settings are started.
#include "ui/main/main_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "card/tables/settings_table.h"
#include "ui/main/date_time_settings.h"
#include "ui/main/window_placement.h"
#include "ui/skin/overlay_plan.h"

namespace main_window {
namespace {

TEST(ChoiceButtons, StoreTheirValuesIncludingThoseThatDoNotFollowTheButtonOrder) {
  struct Expected {
    UINT id;
    int row;
    int32_t value;
  };
  const Expected cases[] = {
      {1034, card::kResolution, 0},          {1036, card::kResolution, 2},
      {1054, card::kDrivingModeAccelerator, 0}, {1058, card::kDrivingModeAccelerator, 4},
      {1059, card::kDrivingModeAccelerator, 9}, {1060, card::kParkingAccelerator, 0},
      {1064, card::kParkingAccelerator, 4},  {1021, card::kAutoParking, 1},
      {1022, card::kAutoParking, 0},         {1072, card::kParkingMotion, 0},
      {1076, card::kParkingMotion, 4},       {1077, card::kNightBright, 0},
      {1081, card::kNightBright, 4},         {1067, card::kSpeakerVolume, 0},
      {1071, card::kSpeakerVolume, 4},       {1023, card::kMicVolume, 2},
      {1024, card::kMicVolume, 0},
  };
  for (const Expected& expected : cases) {
    const skin::Choice* choice = skin::FindChoice(ChoiceButtons(), expected.id);
    ASSERT_NE(choice, nullptr) << expected.id;
    EXPECT_EQ(choice->row, expected.row) << expected.id;
    EXPECT_EQ(choice->value, expected.value) << expected.id;
  }
  EXPECT_EQ(skin::FindChoice(ChoiceButtons(), 1025), nullptr);  // system time is no choice
  EXPECT_EQ(skin::FindChoice(ChoiceButtons(), 1065), nullptr);
}

// The commands the window routes to its Choice handler: exactly "1034-1036, 1054-1064, 1067-1081, 1021-1024".
TEST(ChoiceButtons, TheWindowRoutesExactlyTheChoiceCommands) {
  std::set<UINT> expected;
  for (const auto& [first, last] : {std::pair{1034u, 1036u}, {1054u, 1064u}, {1067u, 1081u}, {1021u, 1024u}})
    for (UINT id = first; id <= last; ++id) expected.insert(id);
  const std::span<const UINT> routed = layout::kChoiceIds;  // what the message table routes to OnChoice
  EXPECT_EQ(std::set<UINT>(routed.begin(), routed.end()), expected);
  EXPECT_EQ(routed.size(), expected.size());
  for (UINT id : routed) EXPECT_NE(skin::FindChoice(ChoiceButtons(), id), nullptr) << id;
}

TEST(ChoiceButtons, EachIdOnceAndEachValueOncePerGroup) {
  std::set<UINT> ids;
  std::set<std::pair<int, int32_t>> values;
  for (const skin::Choice& choice : ChoiceButtons()) {
    EXPECT_TRUE(ids.insert(choice.id).second) << choice.id;
    EXPECT_TRUE(values.insert({choice.row, choice.value}).second) << choice.id;
  }
  for (const ActionButton& button : ActionButtons()) EXPECT_TRUE(ids.insert(button.id).second) << button.id;
}

TEST(OverlayBitmaps, AreExactlyTheFacesHoverAndSelectedImagesAndTheMarker) {
  std::vector<UINT> expected = {133, 134, 140, 141, 136, 137, 294, 293, 142, 143, 145, 146,  // action buttons
                                165, 166, 167, 169, 170, 171, 173, 174, 175,                // resolution
                                214, 216, 218, 220, 222, 296, 228, 230, 232, 234, 236, 238, 240, 242, 244, 246,
                                248, 250, 271, 273, 275, 277, 279, 252, 254, 256, 258, 260, 178, 180,
                                177};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(skin::OverlayBitmapIds(OverlayTables()), expected);
}

TEST(SmallScreenRule, RaisesTheCentredWindowOnScreensUpTo800PixelsHigh) {
  // The frame has centred the 482 x 783 window: on 1024 x 768 at (271, -7).
  const auto at768 = SmallScreenPosition(1024, 768, RECT{271, -7, 753, 776});
  ASSERT_TRUE(at768);
  EXPECT_EQ(at768->x, 271);
  EXPECT_EQ(at768->y, 768 - 776 - 60);

  const auto at800 = SmallScreenPosition(1280, 800, RECT{399, 9, 881, 792});
  ASSERT_TRUE(at800);
  EXPECT_EQ(at800->x, 640 - 241);
  EXPECT_EQ(at800->y, 800 - 792 - 60);

  EXPECT_FALSE(SmallScreenPosition(1280, 801, RECT{399, 9, 881, 792}));
  EXPECT_FALSE(SmallScreenPosition(1920, 1080, RECT{719, 148, 1201, 931}));
}

TEST(SmallScreenRule, TakesItsHeightAndLiftAtTheWindowsScale) {
  // At 125 %: 1000 and 75 pixels; the 603 x 979 window centred on 1600 x 1000 stands at (499, 11).
  EXPECT_EQ(SmallScreenPosition(1600, 1000, RECT{499, 11, 1102, 990}, {1})->y, 1000 - 990 - 75);
  EXPECT_FALSE(SmallScreenPosition(1600, 1001, RECT{499, 11, 1102, 990}, {1}));
}

// The main window is 783, 979, 1175, 1370 and 1566 pixels high in the five sets; work areas lack a 40-pixel taskbar.
TEST(SkinScaleChoice, TakesTheLargestSetNotAboveTheDpiWhoseMainWindowFitsTheWorkArea) {
  const auto percent = [](int dpi, int height) {
    return skin::ChooseSkinScale(dpi, height, MainWindowHeights()).Percent();
  };
  EXPECT_EQ(percent(144, 1080 - 40), 125);  // 150 % would be 1175 high
  EXPECT_EQ(percent(120, 768 - 40), 100);   // not even 100 % fits
  for (auto [dpi, expected] : {std::pair{119, 100}, {120, 125}, {168, 175}, {192, 200}, {288, 200}})
    EXPECT_EQ(percent(dpi, 1566), expected) << dpi;
  EXPECT_EQ(percent(192, 1565), 175);
}

TEST(DateTimeSettings, StartsControlByItsAbsolutePathInTheSystemDirectory) {
  const ProcessLaunch launch = DateTimeSettingsLaunch(L"C:\\windows\\system32");
  EXPECT_EQ(launch.application, L"C:\\windows\\system32\\control.exe");
  EXPECT_EQ(launch.commandLine, L"\"C:\\windows\\system32\\control.exe\" timedate.cpl");

  const ProcessLaunch withBlank = DateTimeSettingsLaunch(L"D:\\Win Dir\\System32\\");
  EXPECT_EQ(withBlank.application, L"D:\\Win Dir\\System32\\control.exe");
  EXPECT_EQ(withBlank.commandLine, L"\"D:\\Win Dir\\System32\\control.exe\" timedate.cpl");
}

}  // namespace
}  // namespace main_window
