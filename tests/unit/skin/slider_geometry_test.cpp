// The slider's arithmetic with the advanced window's figures: a 313 x 8 slider, a 31 x 8 Thumb, range 0..80.
#include "ui/skin/slider_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

constexpr RECT kSlider{0, 0, 313, 8};
constexpr skin::SliderRange kRange{0, 80};
constexpr SIZE kThumb{31, 8};

// Where a press at slider x leaves the Thumb (its window is as wide as the layout width here), and the
// position read back from there.
int PositionAfterPressAt(int x) {
  const int centre = skin::ClampThumbCentre(kSlider, kThumb.cx, x);
  const RECT thumb{centre - kThumb.cx / 2, 0, centre - kThumb.cx / 2 + kThumb.cx, kThumb.cy};
  return skin::PositionFromThumb(kSlider, kRange, kThumb.cx, thumb);
}

TEST(ThumbRect, PositionsInStepsOfTenPutTheLeftEdgeWhereTruncationSays) {
  std::vector<LONG> lefts;
  for (int position = 0; position <= 80; position += 10)
    lefts.push_back(skin::ThumbRectForPosition(kSlider, kRange, kThumb, position).left);
  EXPECT_EQ(lefts, (std::vector<LONG>{0, 35, 70, 106, 141, 176, 212, 247, 283}));
}

TEST(ThumbRect, SitsOnTheChannelRowsAndEndsOnePixelPastTheSliderAtTheMaximum) {
  const RECT last = skin::ThumbRectForPosition(kSlider, kRange, kThumb, 80);
  EXPECT_EQ(last.right, 314);
  EXPECT_EQ(last.top, 0);
  EXPECT_EQ(last.bottom, 8);
  // A 16 x 16 Thumb (before its bitmap) on a taller slider is centred vertically.
  const RECT tall = skin::ThumbRectForPosition(RECT{0, 0, 200, 41}, kRange, SIZE{16, 16}, 0);
  EXPECT_EQ(tall.top, 20 - 8);
  EXPECT_EQ(tall.bottom - tall.top, 16);
}

TEST(ThumbRect, PositionsOutsideTheRangeAreNotClamped) {
  EXPECT_EQ(skin::ThumbRectForPosition(kSlider, kRange, kThumb, 90).left, 318);
  EXPECT_EQ(skin::ThumbRectForPosition(kSlider, kRange, kThumb, -10).left, -35);
  // A card value at either end of int32 puts the Thumb as far as GDI reaches (+-2^27), at its own width.
  const RECT last = skin::ThumbRectForPosition(kSlider, kRange, kThumb, INT_MAX);
  const RECT first = skin::ThumbRectForPosition(kSlider, kRange, kThumb, INT_MIN);
  EXPECT_EQ(last.right, 1 << 27);
  EXPECT_EQ(first.left, -(1 << 27));
  EXPECT_EQ(last.right - last.left, kThumb.cx);
  EXPECT_EQ(first.right - first.left, kThumb.cx);
}

TEST(PositionFromThumb, PressesAlongTheChannel) {
  EXPECT_EQ(PositionAfterPressAt(0), 0);
  EXPECT_EQ(PositionAfterPressAt(10), 0);
  EXPECT_EQ(PositionAfterPressAt(15), 0);
  EXPECT_EQ(PositionAfterPressAt(100), 24);
  EXPECT_EQ(PositionAfterPressAt(156), 39);
  EXPECT_EQ(PositionAfterPressAt(157), 40);
  EXPECT_EQ(PositionAfterPressAt(200), 52);
  EXPECT_EQ(PositionAfterPressAt(298), 80);
  EXPECT_EQ(PositionAfterPressAt(300), 80);
  EXPECT_EQ(PositionAfterPressAt(320), 80);
}

TEST(PositionFromThumb, ReadsBackOneLowerAfterSettingForty) {
  const RECT thumb = skin::ThumbRectForPosition(kSlider, kRange, kThumb, 40);
  EXPECT_EQ(thumb.left, 141);
  EXPECT_EQ((thumb.left + thumb.right) / 2, 156);
  EXPECT_EQ(skin::PositionFromThumb(kSlider, kRange, kThumb.cx, thumb), 39);
}

TEST(PositionFromThumb, ASliderWithoutTrackGivesTheMinimum) {
  const RECT slider{0, 0, 30, 8};  // (30 - 15) - (0 + 15) = 0
  EXPECT_EQ(skin::PositionFromThumb(slider, kRange, kThumb.cx, RECT{0, 0, 31, 8}), 0);
}

TEST(ClampThumbCentre, KeepsTheCentreOnTheTrackAndTheUpperBoundWinsWhenTheyCross) {
  EXPECT_EQ(skin::ClampThumbCentre(kSlider, kThumb.cx, -40), 15);
  EXPECT_EQ(skin::ClampThumbCentre(kSlider, kThumb.cx, 156), 156);
  EXPECT_EQ(skin::ClampThumbCentre(kSlider, kThumb.cx, 999), 298);
  EXPECT_EQ(skin::ClampThumbCentre(RECT{0, 0, 20, 8}, kThumb.cx, 0), 5);
}

}  // namespace
