// The main window's overlay plans against the positions and images the window must show.
#include "ui/skin/overlay_plan.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "card/tables/settings_table.h"
#include "ui/main/main_controls.h"

namespace main_window {
namespace {

using skin::OverlayDraw;
using skin::OverlayPlan;
using card::SettingValues;

constexpr UINT kMarker = 177;

OverlayDraw Marker(int x, int y) { return {kMarker, x, y, 14, 14}; }
OverlayDraw Face(UINT bitmap, int x, int y, int width, int height) { return {bitmap, x, y, width, height}; }
OverlayDraw Digit(UINT bitmap, int x, int y) { return {bitmap, x, y, 38, 46}; }

SettingValues Values(int32_t resolution, int32_t driving, int32_t parking, int32_t autoParking, int32_t motion,
                     int32_t night, int32_t speaker, int32_t mic) {
  SettingValues values{};
  values[card::kResolution] = resolution;
  values[card::kDrivingModeAccelerator] = driving;
  values[card::kParkingAccelerator] = parking;
  values[card::kAutoParking] = autoParking;
  values[card::kParkingMotion] = motion;
  values[card::kNightBright] = night;
  values[card::kSpeakerVolume] = speaker;
  values[card::kMicVolume] = mic;
  return values;
}

skin::StoredValue StoredIn(const SettingValues& values) {
  return [&values](card::SettingRow row) { return values[row]; };
}

OverlayPlan MarkerRefreshPlan(const SettingValues& values) {
  return skin::MarkerPlan(OverlayTables(), StoredIn(values));
}

OverlayPlan HoverPlan(POINT cursor, const skin::ScreenRectOf& rects, const SettingValues& values) {
  return skin::HoverPlan(OverlayTables(), StoredIn(values), cursor, rects);
}

std::vector<OverlayDraw> ToVector(const OverlayPlan& plan) { return {plan.begin(), plan.end()}; }

std::vector<OverlayDraw> Slice(const OverlayPlan& plan, size_t first, size_t count) {
  return {plan.begin() + first, plan.begin() + first + count};
}

// Offsets of each group's draws in a Marker refresh.
constexpr size_t kResolutionDraws = 0, kDrivingDraws = 3, kParkingDraws = 9, kAutoParkingDraws = 14,
                 kMotionDraws = 16, kNightDraws = 21, kSpeakerDraws = 26, kMicDraws = 31;

TEST(MarkerRefreshPlan, DrawsEveryGroupInOrderForTheDefaults) {
  const OverlayPlan plan = MarkerRefreshPlan(Values(0, 2, 2, 1, 2, 3, 3, 2));
  const std::vector<OverlayDraw> expected = {
      Face(167, 152, 110, 294, 34), Face(169, 152, 145, 294, 34), Face(173, 152, 180, 294, 34),
      Digit(214, 206, 237), Digit(216, 256, 237), Marker(318, 244), Digit(220, 356, 237), Digit(222, 406, 237),
      Face(296, 150, 237, 49, 46),
      Digit(228, 206, 299), Digit(230, 256, 299), Marker(318, 306), Digit(234, 356, 299), Digit(236, 406, 299),
      Marker(218, 376), Face(240, 313, 366, 108, 34),
      Face(242, 200, 423, 49, 46), Digit(244, 256, 423), Marker(318, 430), Digit(248, 356, 423),
      Digit(250, 406, 423),
      Digit(271, 206, 485), Digit(273, 256, 485), Digit(275, 306, 485), Marker(368, 492), Digit(279, 406, 485),
      Face(252, 200, 547, 49, 46), Digit(254, 256, 547), Digit(256, 306, 547), Marker(368, 554),
      Digit(260, 406, 547),
      Marker(218, 624), Face(180, 313, 614, 108, 34),
  };
  EXPECT_EQ(ToVector(plan), expected);
}

TEST(MarkerRefreshPlan, MarksTheChoiceWhoseValueIsStoredWhereValuesDoNotFollowTheButtonOrder) {
  // "OFF" stores 9: its marker, and all five digits show their faces.
  OverlayPlan plan = MarkerRefreshPlan(Values(2, 9, 4, 0, 0, 0, 0, 0));
  EXPECT_EQ(Slice(plan, kDrivingDraws, 6),
            (std::vector<OverlayDraw>{Digit(214, 206, 237), Digit(216, 256, 237), Digit(218, 306, 237),
                                      Digit(220, 356, 237), Digit(222, 406, 237), Marker(168, 244)}));
  // The third resolution shows its selected look, the others their faces.
  EXPECT_EQ(Slice(plan, kResolutionDraws, 3),
            (std::vector<OverlayDraw>{Face(165, 152, 110, 294, 34), Face(169, 152, 145, 294, 34),
                                      Face(175, 152, 180, 294, 34)}));
  EXPECT_EQ(plan[kParkingDraws + 4], Marker(418, 306));
  // "Auto Parking" 0 is "수동", the second button.
  EXPECT_EQ(Slice(plan, kAutoParkingDraws, 2),
            (std::vector<OverlayDraw>{Face(238, 205, 366, 108, 34), Marker(318, 376)}));
  // The wide level-0 buttons carry their marker 18 pixels in.
  EXPECT_EQ(plan[kMotionDraws], Marker(218, 430));
  EXPECT_EQ(plan[kNightDraws], Marker(218, 492));
  EXPECT_EQ(plan[kSpeakerDraws], Marker(218, 554));
  // "MIC Volume" 0 is "사용안함", the second button; the first is drawn first either way.
  EXPECT_EQ(Slice(plan, kMicDraws, 2), (std::vector<OverlayDraw>{Face(178, 205, 614, 108, 34), Marker(318, 624)}));
}

TEST(MarkerRefreshPlan, ValuesOutsideEachGroupSelectNothingExceptAutoParkingAndMicVolume) {
  const OverlayPlan plan = MarkerRefreshPlan(Values(5, 7, -1, 2, 9, 5, 100, 1));
  ASSERT_EQ(plan.size(), 33u);
  std::vector<size_t> markers;
  for (size_t i = 0; i < plan.size(); ++i)
    if (plan[i].bitmap == kMarker) markers.push_back(i);
  // "Auto Parking" 2 marks both of its buttons; "MIC Volume" 1 marks "사용안함" (1024).
  EXPECT_EQ(markers, (std::vector<size_t>{kAutoParkingDraws, kAutoParkingDraws + 1, kMicDraws + 1}));
  EXPECT_EQ(Slice(plan, kAutoParkingDraws, 2), (std::vector<OverlayDraw>{Marker(218, 376), Marker(318, 376)}));
  EXPECT_EQ(plan[kMicDraws], Face(178, 205, 614, 108, 34));
  EXPECT_EQ(plan[kMicDraws + 1], Marker(318, 624));
  // "Resolution" 5: all three show their normal faces.
  EXPECT_EQ(Slice(plan, kResolutionDraws, 3),
            (std::vector<OverlayDraw>{Face(165, 152, 110, 294, 34), Face(169, 152, 145, 294, 34),
                                      Face(173, 152, 180, 294, 34)}));
  EXPECT_EQ(plan[kDrivingDraws + 5], Face(296, 150, 237, 49, 46));
  EXPECT_EQ(plan[kMotionDraws], Face(242, 200, 423, 49, 46));
}

TEST(MarkerRefreshPlan, MicVolumeTwoMarksTheFirstButtonAndAnyOtherValueTheSecond) {
  for (int32_t mic : {0, 1, 3, -2}) {
    const OverlayPlan plan = MarkerRefreshPlan(Values(0, 2, 2, 1, 2, 3, 3, mic));
    EXPECT_EQ(plan[kMicDraws + 1], Marker(318, 624)) << mic;
    EXPECT_EQ(plan[kMicDraws], Face(178, 205, 614, 108, 34)) << mic;
  }
}

// Screen rectangles of the nine hovered buttons for a main window whose top-left corner is at `origin`.
skin::ScreenRectOf RectsAt(POINT origin) {
  return [origin](UINT id) {
    struct Place {
      UINT id;
      int x, y, width, height;
    };
    static constexpr Place kPlaces[] = {{2, 433, 11, 37, 37},      {1025, 210, 673, 40, 36}, {1026, 439, 673, 41, 36},
                                        {1007, 6, 723, 145, 60},   {1037, 152, 723, 145, 60}, {1, 310, 723, 164, 60},
                                        {1034, 152, 110, 294, 34}, {1035, 152, 145, 294, 34}, {1036, 152, 180, 294, 34}};
    for (const Place& place : kPlaces)
      if (place.id == id)
        return RECT{origin.x + place.x, origin.y + place.y, origin.x + place.x + place.width,
                    origin.y + place.y + place.height};
    ADD_FAILURE() << "no hover for button " << id;
    return RECT{};
  };
}

constexpr POINT kOrigin{100, 50};
constexpr size_t kCancelDraw = 0, kSystemTimeDraw = 1, kWorldTimeDraw = 2, kResetDraw = 3, kAdvancedDraw = 4,
                 kOkDraw = 5;

TEST(HoverPlan, CancelAndTheClockButtonsReactOnlyInsideTheirShrunkArea) {
  const skin::ScreenRectOf rects = RectsAt(kOrigin);
  const SettingValues values = Values(0, 2, 2, 1, 2, 3, 3, 2);
  const OverlayDraw cancelNormal{134, 433, 11, 37, 37};
  const OverlayDraw cancelHover{133, 433, 11, 37, 37, 134};
  // Cancel spans x 533..569, y 61..97 on the screen.
  EXPECT_EQ(HoverPlan({533 + 3, 61 + 18}, rects, values)[kCancelDraw], cancelNormal);
  EXPECT_EQ(HoverPlan({569 - 3, 61 + 18}, rects, values)[kCancelDraw], cancelNormal);
  EXPECT_EQ(HoverPlan({533 + 5, 61 + 18}, rects, values)[kCancelDraw], cancelNormal);
  EXPECT_EQ(HoverPlan({533 + 6, 61 + 18}, rects, values)[kCancelDraw], cancelHover);
  EXPECT_EQ(HoverPlan({533 + 18, 61 + 6}, rects, values)[kCancelDraw], cancelHover);
  EXPECT_EQ(HoverPlan({533 + 18, 61 + 3}, rects, values)[kCancelDraw], cancelNormal);

  const POINT insideSystemTime{100 + 210 + 20, 50 + 673 + 18};
  EXPECT_EQ(HoverPlan(insideSystemTime, rects, values)[kSystemTimeDraw], (OverlayDraw{142, 210, 673, 40, 36, 143}));
  EXPECT_EQ(HoverPlan({100 + 210 + 3, 50 + 673 + 18}, rects, values)[kSystemTimeDraw],
            (OverlayDraw{143, 210, 673, 40, 36}));
  EXPECT_EQ(HoverPlan({100 + 439 + 20, 50 + 673 + 18}, rects, values)[kWorldTimeDraw],
            (OverlayDraw{145, 439, 673, 41, 36, 146}));
}

TEST(HoverPlan, OkResetAndAdvancedReactInsideTheirWholeRectangle) {
  const skin::ScreenRectOf rects = RectsAt(kOrigin);
  const SettingValues values = Values(0, 2, 2, 1, 2, 3, 3, 2);
  // OK spans x 410..573, y 773..832 on the screen.
  const OverlayPlan inside = HoverPlan({410 + 3, 773 + 30}, rects, values);
  EXPECT_EQ(inside[kOkDraw], (OverlayDraw{140, 310, 723, 164, 60, 141}));
  EXPECT_EQ(inside[kCancelDraw], (OverlayDraw{134, 433, 11, 37, 37}));
  EXPECT_EQ(HoverPlan({410, 773 + 30}, rects, values)[kOkDraw], (OverlayDraw{141, 310, 723, 164, 60}));
  EXPECT_EQ(HoverPlan({574, 773 + 30}, rects, values)[kOkDraw], (OverlayDraw{141, 310, 723, 164, 60}));
  EXPECT_EQ(HoverPlan({573, 832}, rects, values)[kOkDraw], (OverlayDraw{140, 310, 723, 164, 60, 141}));
  EXPECT_EQ(HoverPlan({106 + 1, 773 + 1}, rects, values)[kResetDraw], (OverlayDraw{136, 6, 723, 145, 60, 137}));
  EXPECT_EQ(HoverPlan({252 + 1, 773 + 1}, rects, values)[kAdvancedDraw], (OverlayDraw{294, 152, 723, 145, 60, 293}));
}

TEST(HoverPlan, TheSelectedResolutionKeepsItsLookAndTheOthersShowTheirHoverImageOnlyInside) {
  const skin::ScreenRectOf rects = RectsAt(kOrigin);
  const POINT overFirst{100 + 152 + 100, 50 + 110 + 10};
  const POINT overSecond{100 + 152 + 100, 50 + 145 + 10};

  const OverlayPlan firstSelected = HoverPlan(overFirst, rects, Values(0, 2, 2, 1, 2, 3, 3, 2));
  ASSERT_EQ(firstSelected.size(), 8u);
  EXPECT_EQ(firstSelected[6], (OverlayDraw{169, 152, 145, 294, 34}));
  EXPECT_EQ(firstSelected[7], (OverlayDraw{173, 152, 180, 294, 34}));

  const OverlayPlan secondSelected = HoverPlan(overFirst, rects, Values(1, 2, 2, 1, 2, 3, 3, 2));
  ASSERT_EQ(secondSelected.size(), 8u);
  EXPECT_EQ(secondSelected[6], (OverlayDraw{166, 152, 110, 294, 34, 165}));
  EXPECT_EQ(secondSelected[7], (OverlayDraw{173, 152, 180, 294, 34}));

  // "Resolution" 5 selects none, so all three react.
  const OverlayPlan noneSelected = HoverPlan(overSecond, rects, Values(5, 2, 2, 1, 2, 3, 3, 2));
  ASSERT_EQ(noneSelected.size(), 9u);
  EXPECT_EQ(noneSelected[6], (OverlayDraw{165, 152, 110, 294, 34}));
  EXPECT_EQ(noneSelected[7], (OverlayDraw{170, 152, 145, 294, 34, 169}));
  EXPECT_EQ(noneSelected[8], (OverlayDraw{173, 152, 180, 294, 34}));
}

TEST(HoverPlan, DrawsTheActionButtonsInTheirFixedOrder) {
  const OverlayPlan plan = HoverPlan({0, 0}, RectsAt(kOrigin), Values(0, 2, 2, 1, 2, 3, 3, 2));
  std::vector<UINT> bitmaps;
  for (const OverlayDraw& draw : plan) bitmaps.push_back(draw.bitmap);
  EXPECT_EQ(bitmaps, (std::vector<UINT>{134, 143, 146, 137, 293, 141, 169, 173}));
}

TEST(OverlayPlan, StopsRatherThanDrawPastItsCapacity) {
  OverlayPlan plan;
  for (size_t i = 0; i < OverlayPlan::kCapacity; ++i) plan.Add(Marker(0, 0));
  EXPECT_DEATH(plan.Add(Marker(0, 0)), "");
}

}  // namespace
}  // namespace main_window
