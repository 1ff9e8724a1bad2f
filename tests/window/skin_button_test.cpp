// CSkinButton under real input: the frame of its strip that the screen shows in each state, its clicks,
// its strip's lifetime, and the template button replacement.
#include "ui/skin/skin_button.h"

#include <gtest/gtest.h>

#include "framework/dialog.h"
#include "tests/support/message_pump.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"
#include "tests/window/skin_test_host.h"
#include "tests/window/skin_test_images.h"

namespace skintest {
namespace {

using testsupport::GdiObjectCount;
using testsupport::PumpUntil;
using testsupport::RealInput;
using testsupport::ScreenPixel;

constexpr UINT kButtonId = 1201;
constexpr RECT kHostRect{600, 300, 900, 420};
constexpr RECT kButtonRect{20, 30, 160, 74};  // 140 x 44: wider than a 132-pixel frame

class SkinButtonTest : public RealInputTest {
 protected:
  void SetUp() override {
    RealInputTest::SetUp();
    ASSERT_TRUE(host.Create(kHostRect));
    ASSERT_TRUE(button.Create(kButtonRect, host.m_hWnd, kButtonId));
  }

  // The screen point of a button pixel.
  POINT At(int x, int y) const { return ScreenPoint(button.m_hWnd, x, y); }
  POINT Centre() const { return At(60, 22); }

  // Waits until the screen shows frame `k` of the test strip: its marker in the button's first column and its
  // colour in the last column a 132-pixel frame covers.
  ::testing::AssertionResult Shows(int k) {
    const POINT first = At(0, 10), inside = At(70, 10), last = At(131, 10);
    const bool shown = PumpUntil([&] {
      return ScreenPixel(first.x, first.y) == kMarkers[k] && ScreenPixel(inside.x, inside.y) == kFrames[k] &&
             ScreenPixel(last.x, last.y) == kFrames[k];
    });
    if (shown) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "frame " << k << " not shown: first column " << std::hex
                                         << ScreenPixel(first.x, first.y) << ", column 131 "
                                         << ScreenPixel(last.x, last.y) << ", frame index " << button.FrameIndex();
  }

  TestHost host;
  skin::CSkinButton button;
};

TEST_F(SkinButtonTest, IsOwnerDrawnWhateverItWasCreatedWith) {
  EXPECT_EQ(::GetWindowLongPtrW(button.m_hWnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

// A 530-pixel strip has 132-pixel frames: each state shows its frame from the frame's first column on.
TEST_F(SkinButtonTest, EachStateShowsItsFrameOfTheStrip) {
  button.SetStripBitmap(kStrip530);
  EXPECT_TRUE(Shows(0)) << "normal";

  ASSERT_TRUE(RealInput::MoveTo(Centre().x, Centre().y));
  EXPECT_TRUE(PumpUntil([&] { return button.IsHovered(); })) << "hover comes after a 10 ms pause";
  EXPECT_TRUE(Shows(1)) << "hover";

  ASSERT_TRUE(RealInput::Press(Centre().x, Centre().y));
  EXPECT_TRUE(PumpUntil([&] { return button.IsPressed(); }));
  EXPECT_TRUE(Shows(2)) << "pressed and hovered";

  ASSERT_TRUE(RealInput::Release());
  EXPECT_TRUE(PumpUntil([&] { return host.clicks.size() == 1; }));
  EXPECT_FALSE(button.IsPressed());
  EXPECT_TRUE(Shows(1)) << "released, still hovered";

  ASSERT_TRUE(RealInput::Park());
  EXPECT_TRUE(PumpUntil([&] { return !button.IsHovered(); })) << "leaving clears hover";
  EXPECT_TRUE(Shows(0)) << "normal again";
}

TEST_F(SkinButtonTest, PixelsBeyondTheFrameAreNotDrawnFromTheStrip) {
  button.SetStripBitmap(kStrip530);
  ASSERT_TRUE(Shows(0));
  // Columns 132..139 of the button would show the next frame's marker or the strip's tail if the frame were
  // wider or the strip were stretched.
  for (int x = 132; x < 140; ++x) {
    const POINT point = At(x, 10);
    const COLORREF colour = ScreenPixel(point.x, point.y);
    EXPECT_NE(colour, kMarker1) << x;
    EXPECT_NE(colour, kFrame1) << x;
    EXPECT_NE(colour, kStripTail) << x;
  }
}

TEST_F(SkinButtonTest, ADisabledButtonShowsFrameThreeWhenHoveredOrPressed) {
  button.SetStripBitmap(kStrip530);
  ASSERT_TRUE(RealInput::MoveTo(Centre().x, Centre().y));
  ASSERT_TRUE(PumpUntil([&] { return button.IsHovered(); }));
  ASSERT_TRUE(RealInput::Press(Centre().x, Centre().y));
  ASSERT_TRUE(PumpUntil([&] { return button.IsPressed(); }));

  button.EnableWindow(false);
  button.Invalidate(false);
  EXPECT_TRUE(Shows(3)) << "disabled while hovered and pressed";
  ASSERT_TRUE(RealInput::Release());

  // The leave request made while it was enabled still clears the hover flag; over the disabled button the
  // pointer then starts no tracking, so no hover comes back.
  ASSERT_TRUE(RealInput::Park());
  EXPECT_TRUE(PumpUntil([&] { return !button.IsHovered(); }));
  ASSERT_TRUE(RealInput::MoveTo(Centre().x + 5, Centre().y));
  // Nothing to wait for: give a hover, due 10 ms after the move, ample time to come.
  testsupport::PumpFor(150);
  EXPECT_FALSE(button.IsHovered());
  EXPECT_TRUE(Shows(3));
  ASSERT_TRUE(RealInput::Click(Centre().x, Centre().y));
  ASSERT_TRUE(host.ClickAndWait(POINT{kButtonRect.right + 20, kButtonRect.top}));
  EXPECT_TRUE(host.clicks.empty()) << "a disabled button does not click";
}

TEST_F(SkinButtonTest, EveryClickOfAQuickDoubleClickIsAClick) {
  button.SetStripBitmap(kStrip530);
  ASSERT_TRUE(RealInput::ClickRepeatedly(Centre().x, Centre().y, 2, 60));
  EXPECT_TRUE(PumpUntil([&] { return host.clicks.size() == 2; })) << host.clicks.size() << " clicks";
  EXPECT_FALSE(button.IsPressed());
}

TEST_F(SkinButtonTest, WithoutStripItDrawsNothingAndStillClicks) {
  button.SetStripBitmap(kMissingBitmap);
  EXPECT_EQ(button.Strip(), nullptr);
  ASSERT_TRUE(RealInput::Click(Centre().x, Centre().y));
  EXPECT_TRUE(PumpUntil([&] { return host.clicks == std::vector<UINT>{kButtonId}; }));
  for (int k = 0; k < 4; ++k) {
    const POINT point = At(1, 10);
    EXPECT_NE(ScreenPixel(point.x, point.y), kFrames[k]);
  }
}

TEST_F(SkinButtonTest, StripWidthsGiveQuarterFrames) {
  struct Case {
    UINT strip;
    int frame;
  };
  for (Case c : {Case{kStrip516, 129}, Case{kStrip532, 133}}) {
    button.SetStripBitmap(c.strip);
    button.EnableWindow(false);  // frame 3: its first column is at 3 x the frame width
    button.Invalidate(false);
    const POINT first = At(0, 10), last = At(c.frame - 1, 10);
    EXPECT_TRUE(PumpUntil([&] {
      return ScreenPixel(first.x, first.y) == kMarker3 && ScreenPixel(last.x, last.y) == kFrame3;
    })) << c.frame;
    button.EnableWindow(true);
  }
}

TEST_F(SkinButtonTest, SettingAStripTwiceReleasesTheFirst) {
  button.SetStripBitmap(kStrip530);
  const long withOne = GdiObjectCount();
  button.SetStripBitmap(kStrip516);
  button.SetStripBitmap(kStrip532);
  EXPECT_EQ(GdiObjectCount(), withOne);
  button.DestroyWindow();
}

// The four small skinned windows' replacement of their layout buttons, on the test layout.
class ReplacementDialog : public fw::CDialog {
 public:
  ReplacementDialog() : CDialog(kLayout) {}
  skin::CSkinButton ok, cancel;
  HWND layoutOk = nullptr, layoutCancel = nullptr;

 protected:
  void DoDataExchange() override {
    ok.SubclassDlgItem(IDOK, m_hWnd);
    cancel.SubclassDlgItem(IDCANCEL, m_hWnd);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    layoutOk = ok.m_hWnd;
    layoutCancel = cancel.m_hWnd;
    const skin::TemplateButton buttons[] = {
        {&ok, IDOK, RECT{174, 77, 174 + 133, 77 + 44}, kStrip516},
        {&cancel, IDCANCEL, RECT{302, 77, 302 + 129, 77 + 44}, kStrip516Second},
    };
    skin::ReplaceTemplateButtons(m_hWnd, buttons);
    return TRUE;
  }
};

TEST(TemplateButtons, LayoutButtonsBecomeSkinnedButtonsAtTheirRectangles) {
  ReplacementDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_FALSE(::IsWindow(dialog.layoutOk));
  EXPECT_FALSE(::IsWindow(dialog.layoutCancel));
  ASSERT_TRUE(::IsWindow(dialog.ok.m_hWnd));
  EXPECT_EQ(dialog.GetDlgItem(IDOK), dialog.ok.m_hWnd);
  EXPECT_EQ(dialog.GetDlgItem(IDCANCEL), dialog.cancel.m_hWnd);
  RECT ok = dialog.ok.GetWindowRect(), cancel = dialog.cancel.GetWindowRect();
  dialog.ScreenToClient(ok);
  dialog.ScreenToClient(cancel);
  EXPECT_EQ(ok.left, 174);
  EXPECT_EQ(ok.top, 77);
  EXPECT_EQ(ok.right - ok.left, 133);
  EXPECT_EQ(cancel.left, 302);
  EXPECT_EQ(cancel.right - cancel.left, 129);
  EXPECT_EQ(cancel.bottom - cancel.top, 44);
  EXPECT_NE(dialog.ok.Strip(), nullptr);
  EXPECT_NE(dialog.cancel.Strip(), nullptr);
  const LONG_PTR style = ::GetWindowLongPtrW(dialog.ok.m_hWnd, GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_FALSE(style & WS_TABSTOP);
  dialog.DestroyWindow();
}

}  // namespace
}  // namespace skintest
