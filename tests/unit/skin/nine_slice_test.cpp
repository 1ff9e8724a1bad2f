// Nine-slice drawing of a channel image: what lands where in the band, and what stays untouched.
#include "ui/skin/nine_slice.h"

#include <gtest/gtest.h>

#include "tests/unit/skin/dib_canvas.h"

namespace {

constexpr COLORREF kEdge = RGB(10, 40, 120);
constexpr COLORREF kMiddle = RGB(60, 110, 230);
constexpr COLORREF kUntouched = RGB(1, 2, 3);

// A 31 x 8 channel image: columns 10..20 of rows 2..5 in the middle colour, the rest in the edge colour.
DibCanvas ChannelImage() {
  DibCanvas image(31, 8, kEdge);
  for (int y = 2; y <= 5; ++y)
    for (int x = 10; x <= 20; ++x) image.Set(x, y, kMiddle);
  return image;
}

TEST(DrawNineSlice, StretchesTheMiddleAndKeepsTheEnds) {
  DibCanvas image = ChannelImage();
  DibCanvas target(200, 12, kUntouched);
  target.Draw([&](HDC dc) { skin::DrawNineSlice(dc, image.bitmap(), RECT{20, 2, 161, 10}); });
  EXPECT_EQ(target.Get(25, 5), kEdge) << "left end";
  EXPECT_EQ(target.Get(155, 5), kEdge) << "right end";
  EXPECT_EQ(target.Get(90, 2), kEdge) << "top edge";
  EXPECT_EQ(target.Get(90, 9), kEdge) << "bottom edge";
  EXPECT_EQ(target.Get(30, 5), kMiddle);
  EXPECT_EQ(target.Get(90, 5), kMiddle);
  EXPECT_EQ(target.Get(150, 5), kMiddle);
  EXPECT_EQ(target.Get(19, 5), kUntouched);
  EXPECT_EQ(target.Get(161, 5), kUntouched);
  EXPECT_EQ(target.Get(90, 1), kUntouched);
  EXPECT_EQ(target.Get(90, 10), kUntouched);
}

TEST(DrawNineSlice, ABandNarrowerThanItsCornersStaysWithinItsRows) {
  DibCanvas image = ChannelImage();
  DibCanvas target(60, 12, kUntouched);
  // 12 wide where the two corners need 20.
  target.Draw([&](HDC dc) { skin::DrawNineSlice(dc, image.bitmap(), RECT{30, 2, 42, 10}); });
  for (int x = 0; x < 60; ++x) {
    EXPECT_EQ(target.Get(x, 1), kUntouched) << x;
    EXPECT_EQ(target.Get(x, 10), kUntouched) << x;
  }
  EXPECT_EQ(target.Get(30, 5), kEdge);
}

TEST(DrawNineSlice, AnEmptyImageDrawsNothing) {
  DibCanvas target(40, 8, kUntouched);
  target.Draw([](HDC dc) { skin::DrawNineSlice(dc, nullptr, RECT{0, 0, 40, 8}); });
  EXPECT_EQ(target.Get(20, 4), kUntouched);
}

}  // namespace
