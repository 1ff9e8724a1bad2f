// The Marker refresh plan: which Choice button gets the Selection marker and which its plain image.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "res/resource.h"
#include "ui/advanced/choice_buttons.h"
#include "ui/skin/overlay_plan.h"

namespace advanced {
namespace {

using skin::OverlayDraw;
using skin::OverlayPlan;
using Working = std::array<int32_t, 10>;

OverlayPlan MarkerRefreshPlan(const Working& working) {
  return skin::MarkerPlan(OverlayTables(), [&working](card::SettingRow row) { return working[SlotOf(row)]; });
}

constexpr Working kDefaults = {0, 0, 0, 0, 0, 0, 0, 0, 0, 4};

OverlayDraw Marker(int x, int y) { return {IDB_ADV_MARKER, x, y, 14, 14}; }

// The draws of one group: the plan lists the groups in table order, so a group is a run of the plan.
std::vector<OverlayDraw> Group(const OverlayPlan& plan, size_t first, size_t count) {
  return {plan.begin() + static_cast<std::ptrdiff_t>(first), plan.begin() + static_cast<std::ptrdiff_t>(first + count)};
}

constexpr size_t kVideoQuality = 0, kDrivingFps = 3, kParkingFps = 7, kBlackAndWhite = 11, kFlip = 13,
                 kVideoOutFormat = 15, kSpeed = 17, kMemory = 20;

TEST(MarkerRefreshPlan, OneDrawPerShownButtonInTableOrder) {
  const auto plan = MarkerRefreshPlan(kDefaults);
  ASSERT_EQ(plan.size(), 22u);
  EXPECT_EQ(plan[0], Marker(218, 78)) << "Video Quality comes first";
  EXPECT_EQ(plan[plan.size() - 1], (OverlayDraw{IDB_ADV_PARTITION_CUSTOM, 313, 580, 97, 34}))
      << "Memory Allocation last";
}

TEST(MarkerRefreshPlan, SelectedChoiceGetsTheMarkerAndTheOthersTheirPlainImages) {
  Working working = kDefaults;
  working[2] = 1;  // Bit rate: high
  working[3] = 3;  // Driving Mode Frame: 5 fps
  working[7] = 2;  // GPS Speed Display: mph
  working[8] = 1;  // Memory Partition: custom
  const auto plan = MarkerRefreshPlan(working);
  EXPECT_EQ(Group(plan, kVideoQuality, 3),
            (std::vector<OverlayDraw>{
                {IDB_ADV_BITRATE_0, 190, 63, 70, 61}, Marker(318, 78), {IDB_ADV_BITRATE_0 + 4, 390, 63, 70, 61}}));
  EXPECT_EQ(Group(plan, kDrivingFps, 4), (std::vector<OverlayDraw>{{IDB_ADV_DRIVING_FPS_0, 195, 138, 60, 61},
                                                                   {IDB_ADV_DRIVING_FPS_0 + 2, 262, 138, 60, 61},
                                                                   {IDB_ADV_DRIVING_FPS_0 + 4, 329, 138, 60, 61},
                                                                   Marker(419, 150)}));
  EXPECT_EQ(Group(plan, kParkingFps, 4)[0], Marker(218, 222));
  EXPECT_EQ(Group(plan, kSpeed, 3)[2], Marker(418, 508));
  EXPECT_EQ(Group(plan, kMemory, 2),
            (std::vector<OverlayDraw>{{IDB_ADV_PARTITION_DEFAULT, 213, 580, 97, 34}, Marker(318, 590)}));
  EXPECT_EQ(Group(plan, kVideoOutFormat, 2)[0], Marker(218, 447));
}

TEST(MarkerRefreshPlan, OnOffGroupsMarkTheButtonOfTheStoredValue) {
  Working on = kDefaults;
  on[5] = 1;
  on[6] = 1;
  const auto onPlan = MarkerRefreshPlan(on);
  EXPECT_EQ(Group(onPlan, kBlackAndWhite, 2),
            (std::vector<OverlayDraw>{Marker(218, 303), {IDB_ADV_PARKING_BW_OFF, 313, 293, 97, 34}}));
  EXPECT_EQ(Group(onPlan, kFlip, 2),
            (std::vector<OverlayDraw>{Marker(218, 375), {IDB_ADV_FLIP_OFF, 313, 365, 97, 34}}));

  const auto offPlan = MarkerRefreshPlan(kDefaults);
  EXPECT_EQ(Group(offPlan, kBlackAndWhite, 2),
            (std::vector<OverlayDraw>{{IDB_ADV_PARKING_BW_ON, 213, 293, 97, 34}, Marker(318, 303)}));
  EXPECT_EQ(Group(offPlan, kFlip, 2),
            (std::vector<OverlayDraw>{{IDB_ADV_FLIP_ON, 213, 365, 97, 34}, Marker(318, 375)}));
}

TEST(MarkerRefreshPlan, ValuesOutsideAGroupLeaveItUnmarkedExceptTheOnOffGroups) {
  const Working outside = {7, 0, 5, -1, 4, 3, -2, 3, 2, 12};
  const auto plan = MarkerRefreshPlan(outside);
  const auto isMarker = [](const OverlayDraw& draw) { return draw.bitmap == IDB_ADV_MARKER; };
  for (const auto& [first, count] : {std::pair{kVideoQuality, size_t{3}},
                                     {kDrivingFps, size_t{4}},
                                     {kParkingFps, size_t{4}},
                                     {kVideoOutFormat, size_t{2}},
                                     {kSpeed, size_t{3}},
                                     {kMemory, size_t{2}}}) {
    const auto group = Group(plan, first, count);
    EXPECT_TRUE(std::none_of(group.begin(), group.end(), isMarker)) << "group at " << first;
  }
  EXPECT_EQ(Group(plan, kBlackAndWhite, 2), (std::vector<OverlayDraw>{Marker(218, 303), Marker(318, 303)}));
  EXPECT_EQ(Group(plan, kFlip, 2), (std::vector<OverlayDraw>{Marker(218, 375), Marker(318, 375)}));
}

TEST(MarkerRefreshPlan, EncodingProfileShowsNowhere) {
  Working baseline = kDefaults;
  baseline[1] = 2;
  EXPECT_EQ(MarkerRefreshPlan(baseline), MarkerRefreshPlan(kDefaults));
}

}  // namespace
}  // namespace advanced
