// The window outline from a background's pixels: the fast region against the row-run reference, and
// what is cut and what is kept.
#include "ui/skin/window_region.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "tests/unit/skin/dib_canvas.h"
#include "ui/skin/skinned_dialog.h"

namespace {

constexpr COLORREF kFace = RGB(40, 90, 160);
constexpr COLORREF kKey = RGB(255, 0, 255);

std::vector<RECT> RectsOf(HRGN region) {
  const DWORD size = ::GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (size == 0 || ::GetRegionData(region, size, data) != size) return {};
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

long long AreaOf(HRGN region) {
  long long area = 0;
  for (const RECT& r : RectsOf(region)) area += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
  return area;
}

// The supplied backgrounds' outline: 5, 3, 2, 1, 1 key pixels at both ends of the first and last five rows.
void CutCorners(DibCanvas& canvas) {
  const int cut[] = {5, 3, 2, 1, 1};
  for (int row = 0; row < 5; ++row)
    for (int i = 0; i < cut[row]; ++i)
      for (int y : {row, canvas.height() - 1 - row})
        for (int x : {i, canvas.width() - 1 - i}) canvas.Set(x, y, kKey);
}

void ExpectSameRects(HRGN fast, HRGN reference) {
  const std::vector<RECT> a = RectsOf(fast), b = RectsOf(reference);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_TRUE(::EqualRect(&a[i], &b[i]))
        << "rectangle " << i << ": (" << a[i].left << "," << a[i].top << "," << a[i].right << "," << a[i].bottom
        << ") against (" << b[i].left << "," << b[i].top << "," << b[i].right << "," << b[i].bottom << ")";
  }
}

TEST(WindowRegion, CornersOfASuppliedBackgroundAreCutAndNothingElse) {
  DibCanvas background(440, 222, kFace);
  CutCorners(background);
  fw::UniqueRegion fast = skin::RegionFromBitmap(background.bitmap());
  fw::UniqueRegion reference = skin::RegionByPixelQuery(background.bitmap());
  for (HRGN region : {fast.get(), reference.get()}) {
    EXPECT_EQ(AreaOf(region), 440LL * 222 - 48);
    EXPECT_FALSE(::PtInRegion(region, 4, 0));
    EXPECT_TRUE(::PtInRegion(region, 5, 0));
    EXPECT_FALSE(::PtInRegion(region, 2, 1));
    EXPECT_TRUE(::PtInRegion(region, 3, 1));
    EXPECT_FALSE(::PtInRegion(region, 0, 4));
    EXPECT_TRUE(::PtInRegion(region, 1, 4));
    EXPECT_TRUE(::PtInRegion(region, 0, 5));
    EXPECT_FALSE(::PtInRegion(region, 439, 221));
    EXPECT_FALSE(::PtInRegion(region, 435, 221));
    EXPECT_TRUE(::PtInRegion(region, 434, 221));
  }
  ExpectSameRects(fast.get(), reference.get());
}

TEST(WindowRegion, ABackgroundWithoutKeyPixelsStaysRectangular) {
  DibCanvas background(441, 221, kFace);
  background.Set(0, 0, RGB(254, 0, 255));
  background.Set(440, 220, RGB(255, 1, 255));
  background.Set(7, 9, RGB(255, 0, 254));
  for (auto build : {+[](HBITMAP bitmap) { return skin::RegionFromBitmap(bitmap); }, &skin::RegionByPixelQuery}) {
    fw::UniqueRegion region = build(background.bitmap());
    const std::vector<RECT> rects = RectsOf(region.get());
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 0);
    EXPECT_EQ(rects[0].top, 0);
    EXPECT_EQ(rects[0].right, 441);
    EXPECT_EQ(rects[0].bottom, 221);
  }
}

TEST(WindowRegion, AKeyRowIsALineAndAKeyPixelAHole) {
  DibCanvas background(200, 150, kFace);
  for (int x = 0; x < 200; ++x) background.Set(x, 30, kKey);
  background.Set(100, 75, kKey);
  fw::UniqueRegion fast = skin::RegionFromBitmap(background.bitmap());
  EXPECT_EQ(AreaOf(fast.get()), 200LL * 150 - 200 - 1);
  EXPECT_FALSE(::PtInRegion(fast.get(), 0, 30));
  EXPECT_FALSE(::PtInRegion(fast.get(), 199, 30));
  EXPECT_FALSE(::PtInRegion(fast.get(), 100, 75));
  EXPECT_TRUE(::PtInRegion(fast.get(), 99, 75));
  EXPECT_TRUE(::PtInRegion(fast.get(), 101, 75));
  ExpectSameRects(fast.get(), skin::RegionByPixelQuery(background.bitmap()).get());
}

TEST(WindowRegion, AllKeyPixelsGiveAnEmptyRegion) {
  DibCanvas background(30, 20, kKey);
  fw::UniqueRegion fast = skin::RegionFromBitmap(background.bitmap());
  RECT box;
  EXPECT_EQ(::GetRgnBox(fast.get(), &box), NULLREGION);
}

// Scattered key pixels and runs in every layout of section the program may meet: the fast region must
// be the reference's, rectangle by rectangle.
TEST(WindowRegion, FastRegionMatchesTheReferenceOnScatteredKeyPixels) {
  struct Layout {
    bool bottomUp;
    int bitsPerPixel;
    int width;
  };
  std::mt19937 random(918);
  for (Layout layout : {Layout{false, 24, 97}, Layout{true, 24, 98}, Layout{true, 32, 61}, Layout{false, 32, 64}}) {
    SCOPED_TRACE(testing::Message() << "bottom-up " << layout.bottomUp << ", " << layout.bitsPerPixel << " bits, width "
                                    << layout.width);
    DibCanvas background(layout.width, 57, kFace, layout.bottomUp, layout.bitsPerPixel);
    CutCorners(background);
    for (int i = 0; i < 600; ++i) {
      const int x = static_cast<int>(random() % layout.width), y = static_cast<int>(random() % 57);
      const int run = static_cast<int>(random() % 6);
      for (int k = 0; k <= run && x + k < layout.width; ++k) background.Set(x + k, y, kKey);
    }
    for (int x = 0; x < layout.width; ++x) background.Set(x, 40, kKey);
    ExpectSameRects(skin::RegionFromBitmap(background.bitmap()).get(),
                    skin::RegionByPixelQuery(background.bitmap()).get());
  }
}

TEST(WindowRegion, ARegionThatCannotBeMadeInOneCallIsBuiltPixelByPixel) {
  DibCanvas background(440, 222, kFace);
  CutCorners(background);
  const auto refuse = [](const XFORM*, DWORD, const RGNDATA*) -> HRGN { return nullptr; };
  fw::UniqueRegion fallback = skin::RegionFromBitmap(background.bitmap(), refuse);
  ASSERT_TRUE(fallback) << "the window keeps an outline";
  ExpectSameRects(fallback.get(), skin::RegionByPixelQuery(background.bitmap()).get());
}

TEST(CentredPosition, EachHalfIsRoundedDownOnItsOwn) {
  EXPECT_EQ(skin::CentredPosition(1025, 768, 441, 222).x, 292);
  const POINT tall = skin::CentredPosition(1024, 768, 482, 783);
  EXPECT_EQ(tall.x, 271);
  EXPECT_EQ(tall.y, -7);
  const POINT small = skin::CentredPosition(1920, 1080, 441, 223);
  EXPECT_EQ(small.x, 960 - 220);
  EXPECT_EQ(small.y, 540 - 111);
}

}  // namespace
