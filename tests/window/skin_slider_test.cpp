// CSkinSlider with the advanced window's figures (313 x 8, Thumb strip 124 x 8, range 0..80) under real
// clicks and drags: where the Thumb goes, which position results, what its parent is told, what it paints.
#include "ui/skin/skin_slider.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/message_pump.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"
#include "tests/window/skin_test_host.h"
#include "tests/window/skin_test_images.h"

namespace skintest {
namespace {

using testsupport::PumpUntil;
using testsupport::RealInput;
using testsupport::ScreenPixel;

constexpr UINT kSliderId = IDC_ADV_PARTITION_SLIDER;
constexpr RECT kHostRect{500, 400, 900, 460};
constexpr RECT kSliderRect{40, 20, 40 + 313, 20 + 8};
constexpr int kRow = 4;
// The notification codes as the parent sees them (NM_CUSTOMDRAW and NM_RELEASEDCAPTURE).
constexpr int kCustomDraw = -12;
constexpr int kReleasedCapture = -16;  // the row of the slider the tests press on

class SkinSliderTest : public RealInputTest {
 protected:
  void SetUp() override {
    RealInputTest::SetUp();
    ASSERT_TRUE(host.Create(kHostRect));
    ASSERT_TRUE(slider.Create(kSliderRect, host.m_hWnd, kSliderId));
    slider.SetChannelBand(332, 8);  // as the advanced window paints it
    ASSERT_EQ(slider.LoadThumbBitmap(), 1);
    slider.LoadChannelBitmaps(kChannelLeft, kChannelRight);
    host.slider = &slider;
  }

  RECT ThumbInSlider() {
    RECT thumb = slider.Thumb().GetWindowRect();
    slider.ScreenToClient(thumb);
    return thumb;
  }
  POINT At(int x, int y = kRow) const { return ScreenPoint(slider.m_hWnd, x, y); }
  bool ClickAt(int x) { return RealInput::Click(At(x).x, At(x).y); }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const Notification& n : host.notifications) codes.push_back(n.code);
    return codes;
  }
  bool WaitForRelease() {
    return PumpUntil([&] { return !host.notifications.empty() && host.notifications.back().code == kReleasedCapture; });
  }

  TestHost host;
  skin::CSkinSlider slider;
};

TEST(SkinSliderConstruction, StartsAtTenWithASixteenPixelThumbAndNoWindow) {
  skin::CSkinSlider slider;
  EXPECT_EQ(slider.GetPos(), 10);
  EXPECT_EQ(slider.GetRange().minimum, 0);
  EXPECT_EQ(slider.GetRange().maximum, 80);
  EXPECT_EQ(slider.ThumbSize().cx, 16);
  EXPECT_EQ(slider.Thumb().m_hWnd, nullptr);
}

TEST_F(SkinSliderTest, TheThumbIsAThirtyOneByEightButtonAtTheStartingPosition) {
  EXPECT_EQ(::GetDlgCtrlID(slider.Thumb().m_hWnd), 1003);
  EXPECT_EQ(::GetParent(slider.Thumb().m_hWnd), slider.m_hWnd);
  const RECT thumb = ThumbInSlider();
  EXPECT_EQ(thumb.left, 35);
  EXPECT_EQ(thumb.top, 0);
  EXPECT_EQ(thumb.right - thumb.left, 31);
  EXPECT_EQ(thumb.bottom - thumb.top, 8);
}

TEST_F(SkinSliderTest, SetPosPutsTheThumbWhereTheFormulaSays) {
  std::vector<LONG> lefts;
  for (int position = 0; position <= 80; position += 10) {
    slider.SetPos(position);
    lefts.push_back(ThumbInSlider().left);
  }
  EXPECT_EQ(lefts, (std::vector<LONG>{0, 35, 70, 106, 141, 176, 212, 247, 283}));
  EXPECT_EQ(ThumbInSlider().right, 314) << "one pixel past the slider's right edge";

  slider.SetPos(90);
  EXPECT_EQ(slider.GetPos(), 90) << "not clamped";
  EXPECT_EQ(ThumbInSlider().left, 318);
  EXPECT_TRUE(host.notifications.empty()) << "SetPos tells nobody";
}

struct Press {
  int x;
  int position;
};
const Press kPresses[] = {{0, 0}, {100, 24}, {156, 39}, {157, 40}, {200, 52}, {300, 80}};

TEST_F(SkinSliderTest, PressesOnTheChannelGiveTheirPositions) {
  for (const Press& press : kPresses) {
    // The Thumb stands at the other end, so the press lands on the channel.
    slider.SetPos(press.x < 150 ? 80 : 0);
    host.notifications.clear();
    ASSERT_TRUE(ClickAt(press.x));
    ASSERT_TRUE(WaitForRelease()) << "x " << press.x;
    EXPECT_EQ(Codes(), (std::vector<int>{kCustomDraw, kReleasedCapture})) << "x " << press.x;
    EXPECT_EQ(host.notifications.front().position, press.position) << "x " << press.x;
    EXPECT_EQ(slider.GetPos(), press.position) << "x " << press.x;
    const RECT thumb = ThumbInSlider();
    EXPECT_EQ((thumb.left + thumb.right) / 2, std::min(std::max(press.x, 15), 298)) << "x " << press.x;
  }
}

TEST_F(SkinSliderTest, PressesOnTheThumbGiveTheSamePositions) {
  for (const Press& press : kPresses) {
    slider.SetPos(press.position);
    const RECT before = ThumbInSlider();
    ASSERT_TRUE(press.x >= before.left && press.x < before.right) << "the press must land on the Thumb";
    host.notifications.clear();
    ASSERT_TRUE(ClickAt(press.x));
    ASSERT_TRUE(WaitForRelease()) << "x " << press.x;
    EXPECT_EQ(Codes(), (std::vector<int>{kCustomDraw, kReleasedCapture})) << "x " << press.x;
    EXPECT_EQ(host.notifications.front().position, press.position) << "x " << press.x;
    EXPECT_EQ(slider.GetPos(), press.position) << "x " << press.x;
  }
}

TEST_F(SkinSliderTest, AClickOnTheThumbsCentreAfterSetPosFortyReadsThirtyNineWithoutMovingIt) {
  slider.SetPos(40);
  ASSERT_TRUE(ClickAt(156));
  ASSERT_TRUE(WaitForRelease());
  EXPECT_EQ(slider.GetPos(), 39);
  EXPECT_EQ(ThumbInSlider().left, 141);
}

TEST_F(SkinSliderTest, NotificationsCarryTheSlidersIdentity) {
  ASSERT_TRUE(ClickAt(200));
  ASSERT_TRUE(WaitForRelease());
  for (const Notification& n : host.notifications) {
    EXPECT_EQ(n.id, kSliderId);
    EXPECT_EQ(LOWORD(n.wParam), kSliderId);
    EXPECT_EQ(HIWORD(n.wParam), static_cast<WORD>(n.code));
  }
}

TEST_F(SkinSliderTest, DraggingTheThumbReportsEveryMoveAndTheReleaseOutsideIt) {
  slider.SetPos(0);
  const POINT grab = At(15);
  // Dragged far to the right and below the slider: the Thumb holds the pointer until the release.
  ASSERT_TRUE(RealInput::Drag(grab, POINT{grab.x + 400, grab.y + 30}, 5));
  ASSERT_TRUE(WaitForRelease());
  const std::vector<int> codes = Codes();
  ASSERT_GE(codes.size(), 3u) << "a press, moves and a release";
  EXPECT_EQ(codes.front(), kCustomDraw);
  EXPECT_EQ(codes.back(), kReleasedCapture);
  for (size_t i = 0; i + 1 < codes.size(); ++i) EXPECT_EQ(codes[i], kCustomDraw) << i;
  EXPECT_EQ(host.notifications.front().position, 0);
  EXPECT_EQ(slider.GetPos(), 80);
  EXPECT_EQ(ThumbInSlider().left, 283);
  EXPECT_FALSE(slider.Thumb().IsPressed());
}

TEST_F(SkinSliderTest, HoveringTheThumbSendsNothingAndShowsItsHoverFrame) {
  slider.SetPos(40);
  const POINT thumb = At(156);
  ASSERT_TRUE(RealInput::MoveTo(thumb.x, thumb.y));
  EXPECT_TRUE(PumpUntil([&] { return slider.Thumb().IsHovered(); }));
  const POINT face = At(150);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(face.x, face.y) == kFrame1; }));
  EXPECT_TRUE(host.notifications.empty());
}

TEST_F(SkinSliderTest, PaintsTheChannelImagesBesideTheThumb) {
  slider.SetPos(40);  // Thumb from 141 to 172
  struct Expectation {
    int x, y;
    COLORREF colour;
  };
  const Expectation expected[] = {
      {70, 4, kChannelLeftMiddle}, {70, 0, kChannelLeftEdge},     {3, 4, kChannelLeftEdge},
      {150, 4, kFrame0},           {250, 4, kChannelRightMiddle}, {250, 7, kChannelRightEdge},
  };
  for (const Expectation& e : expected) {
    const POINT point = At(e.x, e.y);
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(point.x, point.y) == e.colour; }))
        << "at " << e.x << ", " << e.y << ": " << std::hex << ScreenPixel(point.x, point.y);
  }
}

TEST_F(SkinSliderTest, ADisabledSliderIgnoresClicksAndShowsTheDisabledThumb) {
  slider.SetPos(40);
  slider.EnableWindow(false);
  slider.Thumb().EnableWindow(false);
  slider.Thumb().Invalidate(false);
  ASSERT_TRUE(ClickAt(250));
  ASSERT_TRUE(ClickAt(156));
  ASSERT_TRUE(host.ClickAndWait(POINT{kSliderRect.left + 150, kSliderRect.bottom + 20}));
  EXPECT_TRUE(host.notifications.empty());
  EXPECT_EQ(slider.GetPos(), 40);
  EXPECT_EQ(ThumbInSlider().left, 141);
  const POINT face = At(150);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(face.x, face.y) == kFrame3; }));
}

TEST_F(SkinSliderTest, OnlyASizeOfTenPixelsOrMoreEachWayMovesTheThumb) {
  slider.SetPos(80);
  // Put the Thumb off its place for the position, then resize.
  ::MoveWindow(slider.Thumb().m_hWnd, 5, 0, 31, 8, TRUE);
  ::MoveWindow(slider.m_hWnd, 40, 20, 313, 9, TRUE);
  EXPECT_EQ(ThumbInSlider().left, 5);
  ::MoveWindow(slider.m_hWnd, 40, 20, 313, 20, TRUE);
  EXPECT_EQ(ThumbInSlider().left, 283);
  EXPECT_EQ(ThumbInSlider().top, 10 - 4);
}

TEST_F(SkinSliderTest, NotificationsGoToTheOwnerWhenOneIsSet) {
  TestHost owner;
  ASSERT_TRUE(owner.Create(RECT{0, 0, 10, 10}));
  slider.SetOwner(owner.m_hWnd);
  ASSERT_TRUE(ClickAt(200));
  EXPECT_TRUE(PumpUntil([&] { return owner.notifications.size() == 2; }));
  EXPECT_TRUE(host.notifications.empty());
  // A target that is gone is dropped without harm.
  owner.DestroyWindow();
  ASSERT_TRUE(ClickAt(100));
  EXPECT_TRUE(PumpUntil([&] { return slider.GetPos() == 24; })) << slider.GetPos();
  EXPECT_TRUE(host.notifications.empty());
}

}  // namespace
}  // namespace skintest
