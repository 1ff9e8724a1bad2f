// The memory partition arithmetic: territory from the slider, the snapped position.
#include "ui/advanced/partition_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace advanced {
namespace {

TEST(TerritoryFromSliderPosition, RoundsHalfUpOverTheWholeRange) {
  struct Case {
    int first, last;
    int32_t territory;
  };
  for (const Case c :
       {Case{0, 4, 0}, Case{5, 14, 1}, Case{35, 44, 4}, Case{45, 54, 5}, Case{65, 74, 7}, Case{75, 80, 8}}) {
    for (int position = c.first; position <= c.last; ++position)
      EXPECT_EQ(TerritoryFromSliderPosition(position), c.territory) << "position " << position;
  }
}

TEST(TerritoryFromSliderPosition, ThumbReleasedAtTheTestedPlaces) {
  EXPECT_EQ(TerritoryFromSliderPosition(44), 4);
  EXPECT_EQ(TerritoryFromSliderPosition(45), 5);
  EXPECT_EQ(TerritoryFromSliderPosition(80), 8);
}

TEST(TerritoryFromSliderPosition, PressingASnappedThumbKeepsItsTerritory) {
  // The slider reads a position back one lower than it was set to.
  for (int32_t territory = 0; territory <= 8; ++territory) {
    const int snapped = SnappedSliderPosition(territory);
    EXPECT_EQ(TerritoryFromSliderPosition(snapped), territory);
    EXPECT_EQ(TerritoryFromSliderPosition(snapped - 1), territory);
  }
}

TEST(TerritoryFromSliderPosition, ExtremePositionsDoNotOverflow) {
  EXPECT_EQ(TerritoryFromSliderPosition(std::numeric_limits<int>::max()), 214748365);
  EXPECT_EQ(TerritoryFromSliderPosition(std::numeric_limits<int>::min()), -214748364);
}

TEST(SnappedSliderPosition, TenTimesTheTerritory) {
  EXPECT_EQ(SnappedSliderPosition(0), 0);
  EXPECT_EQ(SnappedSliderPosition(4), 40);
  EXPECT_EQ(SnappedSliderPosition(7), 70);
  EXPECT_EQ(SnappedSliderPosition(8), 80);
  EXPECT_EQ(SnappedSliderPosition(12), 120) << "a territory from the card beyond 8 is placed past the channel";
  EXPECT_EQ(SnappedSliderPosition(-3), -30);
}

TEST(SnappedSliderPosition, TerritoriesFromTheCardBeyondTheIntegerRangeSaturate) {
  EXPECT_EQ(SnappedSliderPosition(std::numeric_limits<int32_t>::max()), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(SnappedSliderPosition(std::numeric_limits<int32_t>::min()), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(SnappedSliderPosition(214748364), 2147483640);
  EXPECT_EQ(SnappedSliderPosition(214748365), std::numeric_limits<int32_t>::max());
}

}  // namespace
}  // namespace advanced
