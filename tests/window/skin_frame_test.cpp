// The skinned dialog frame on real windows: outline, centring, dragging by the body, the key filter, and
// no GDI objects left behind by paints and clicks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/message_pump.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"
#include "tests/window/skin_test_host.h"
#include "tests/window/skin_test_images.h"
#include "ui/skin/skin_button.h"
#include "ui/skin/skin_slider.h"
#include "ui/skin/skinned_dialog.h"

namespace skintest {
namespace {

using testsupport::PumpUntil;
using testsupport::RealInput;
using testsupport::ScreenPixel;

constexpr UINT kButtonId = 1201;

class RecordingSkinnedDialog : public skin::CSkinnedDialog {
 public:
  explicit RecordingSkinnedDialog(UINT background) : CSkinnedDialog(kLayout, background) {}

  std::vector<WPARAM> keys;  // key-down and system-key-down messages that reached the filter
  std::vector<POINT> presses;
  std::vector<UINT> clicks;
  int oks = 0, cancels = 0;

  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) keys.push_back(msg->wParam);
    return CSkinnedDialog::PreTranslateMessage(msg);
  }

 protected:
  void OnOK() override {
    ++oks;
    CSkinnedDialog::OnOK();
  }
  void OnCancel() override {
    ++cancels;
    CSkinnedDialog::OnCancel();
  }
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_LBUTTONDOWN)
      presses.push_back(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) clicks.push_back(LOWORD(wParam));
    return CSkinnedDialog::OnWndMsg(message, wParam, lParam, result);
  }
};

std::vector<RECT> WindowRegionRects(HWND window) {
  fw::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  if (::GetWindowRgn(window, region.get()) == ERROR) return {};
  const DWORD size = ::GetRegionData(region.get(), 0, nullptr);
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  ::GetRegionData(region.get(), size, data);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

long long Area(const std::vector<RECT>& rects) {
  long long area = 0;
  for (const RECT& r : rects) area += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
  return area;
}

bool Contains(const std::vector<RECT>& rects, int x, int y) {
  for (const RECT& r : rects)
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  return false;
}

RECT Expected(int width, int height) {
  const POINT at =
      skin::CentredPosition(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), width, height);
  return RECT{at.x, at.y, at.x + width, at.y + height};
}

::testing::AssertionResult IsAt(HWND window, const RECT& expected) {
  RECT actual{};
  ::GetWindowRect(window, &actual);
  if (::EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "window at (" << actual.left << ", " << actual.top << ", " << actual.right
                                       << ", " << actual.bottom << "), expected (" << expected.left << ", "
                                       << expected.top << ", " << expected.right << ", " << expected.bottom << ")";
}

using SkinnedFrameTest = RealInputTest;

TEST_F(SkinnedFrameTest, SuppliedCornersAreCutAndNearKeyColoursStayOpaque) {
  RecordingSkinnedDialog dialog(kCornerBackground);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_TRUE(IsAt(dialog.m_hWnd, Expected(440, 222)));
  const std::vector<RECT> outline = WindowRegionRects(dialog.m_hWnd);
  EXPECT_EQ(Area(outline), 440LL * 222 - 48);
  for (POINT cut :
       {POINT{4, 0}, POINT{435, 0}, POINT{2, 1}, POINT{1, 2}, POINT{0, 3}, POINT{0, 4}, POINT{0, 221}, POINT{439, 217}})
    EXPECT_FALSE(Contains(outline, cut.x, cut.y)) << cut.x << ", " << cut.y;
  for (POINT kept : {POINT{5, 0}, POINT{434, 0}, POINT{3, 1}, POINT{1, 4}, POINT{0, 5}, POINT{439, 216}})
    EXPECT_TRUE(Contains(outline, kept.x, kept.y)) << kept.x << ", " << kept.y;

  // The near-key pixels are part of the window and painted as they are.
  EXPECT_TRUE(Contains(outline, kNearKeyRedAt.x, kNearKeyRedAt.y));
  EXPECT_TRUE(Contains(outline, kNearKeyGreenAt.x, kNearKeyGreenAt.y));
  const POINT red = ScreenPoint(dialog.m_hWnd, kNearKeyRedAt.x, kNearKeyRedAt.y);
  const POINT green = ScreenPoint(dialog.m_hWnd, kNearKeyGreenAt.x, kNearKeyGreenAt.y);
  EXPECT_TRUE(PumpUntil([&] {
    return ScreenPixel(red.x, red.y) == kNearKeyRed && ScreenPixel(green.x, green.y) == kNearKeyGreen;
  })) << std::hex
      << ScreenPixel(red.x, red.y) << " " << ScreenPixel(green.x, green.y);
  dialog.DestroyWindow();
}

TEST_F(SkinnedFrameTest, ABackgroundWithoutKeyPixelsGivesARectangleOfItsOddSizeCentred) {
  RecordingSkinnedDialog dialog(kPlainBackground);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_TRUE(IsAt(dialog.m_hWnd, Expected(441, 221)));
  EXPECT_EQ(dialog.BackgroundWidth(), 441);
  const std::vector<RECT> outline = WindowRegionRects(dialog.m_hWnd);
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0].right, 441);
  EXPECT_EQ(outline[0].bottom, 221);
  dialog.DestroyWindow();
}

// Closes every "Error loading bitmap" box that shows on this thread, counting them.
int g_errorBoxes = 0;

void CALLBACK CloseErrorBoxes(HWND, UINT, UINT_PTR, DWORD) {
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        wchar_t title[64] = {};
        ::GetWindowTextW(window, title, 64);
        if (::IsWindowVisible(window) && std::wstring_view(title) == L"DQ_configure" &&
            ::FindWindowExW(window, nullptr, L"Static", L"Error loading bitmap")) {
          ++g_errorBoxes;
          ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        return TRUE;
      },
      0);
}

TEST_F(SkinnedFrameTest, AMissingBackgroundIsReportedAndTheWindowKeepsItsLayoutUnshaped) {
  constexpr UINT kNoSuchBitmap = 9999;
  g_errorBoxes = 0;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &CloseErrorBoxes);
  RecordingSkinnedDialog dialog(kNoSuchBitmap);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ::KillTimer(nullptr, timer);
  EXPECT_GE(g_errorBoxes, 1) << "the user is told once per size change that finds no background";
  EXPECT_FALSE(dialog.HasBackground());
  EXPECT_EQ(dialog.BackgroundWidth(), 0);
  EXPECT_TRUE(WindowRegionRects(dialog.m_hWnd).empty()) << "no outline is cut";
  RECT window{};
  ::GetWindowRect(dialog.m_hWnd, &window);
  // The layout puts the window at (0, 0) with a size of its dialog units; nothing moves or resizes it.
  RECT layout{0, 0, 186, 90};
  ::MapDialogRect(dialog.m_hWnd, &layout);
  EXPECT_EQ(window.left, 0);
  EXPECT_EQ(window.top, 0);
  EXPECT_EQ(window.right - window.left, layout.right);
  EXPECT_EQ(window.bottom - window.top, layout.bottom);
  // Still a working window: it paints (nothing) and closes.
  ::UpdateWindow(dialog.m_hWnd);
  dialog.DestroyWindow();
}

// Clicks on a key pixel or a key row reach the window underneath; a click beside them does not.
TEST_F(SkinnedFrameTest, ClicksFallThroughHolesToTheWindowUnderneath) {
  const RECT place = Expected(200, 150);
  TestHost under;
  ASSERT_TRUE(under.Create(place));
  RecordingSkinnedDialog dialog(kHoleBackground);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ASSERT_TRUE(IsAt(dialog.m_hWnd, place));

  // A click activates the window it lands on and raises it: put the skinned window back on top each time.
  auto clickOnTop = [&](POINT at) {
    ::SetWindowPos(dialog.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return RealInput::Click(at.x, at.y);
  };
  const POINT beside = ScreenPoint(dialog.m_hWnd, kHoleAt.x - 1, kHoleAt.y);
  ASSERT_TRUE(clickOnTop(beside));
  EXPECT_TRUE(PumpUntil([&] { return dialog.presses.size() == 1; }));
  EXPECT_TRUE(under.presses.empty());

  const POINT hole = ScreenPoint(dialog.m_hWnd, kHoleAt.x, kHoleAt.y);
  ASSERT_TRUE(clickOnTop(hole));
  EXPECT_TRUE(PumpUntil([&] { return under.presses.size() == 1; }));
  const POINT row = ScreenPoint(dialog.m_hWnd, 150, kKeyRow);
  ASSERT_TRUE(clickOnTop(row));
  EXPECT_TRUE(PumpUntil([&] { return under.presses.size() == 2; }));
  ASSERT_EQ(under.presses.size(), 2u);
  EXPECT_EQ(under.presses[0].x, kHoleAt.x);
  EXPECT_EQ(under.presses[0].y, kHoleAt.y);
  EXPECT_EQ(under.presses[1].y, kKeyRow);
  EXPECT_EQ(dialog.presses.size(), 1u);
  dialog.DestroyWindow();
}

TEST_F(SkinnedFrameTest, DraggingTheBodyMovesTheWindowAndPressingAButtonDoesNot) {
  RecordingSkinnedDialog dialog(kCornerBackground);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  skin::CSkinButton button;
  ASSERT_TRUE(button.Create(RECT{300, 177, 433, 221}, dialog.m_hWnd, kButtonId));
  button.SetStripBitmap(kStrip532);
  const RECT centred = Expected(440, 222);
  ASSERT_TRUE(IsAt(dialog.m_hWnd, centred));

  const POINT onButton = ScreenPoint(dialog.m_hWnd, 360, 200);
  ASSERT_TRUE(RealInput::Drag(onButton, POINT{onButton.x - 90, onButton.y - 60})) << RealInput::LastError();
  EXPECT_TRUE(IsAt(dialog.m_hWnd, centred)) << "a press on a button does not drag";
  EXPECT_TRUE(dialog.clicks.empty()) << "released off the button: no click";

  const POINT onBody = ScreenPoint(dialog.m_hWnd, 220, 40);
  ASSERT_TRUE(RealInput::Drag(onBody, POINT{onBody.x + 60, onBody.y + 40})) << RealInput::LastError();
  const RECT moved{centred.left + 60, centred.top + 40, centred.right + 60, centred.bottom + 40};
  EXPECT_TRUE(PumpUntil([&] { return IsAt(dialog.m_hWnd, moved); })) << IsAt(dialog.m_hWnd, moved).message();
  EXPECT_TRUE(dialog.clicks.empty()) << "released off the button: no click";

  // Any later size notification shapes the window again and puts it back in the centre.
  dialog.SetWindowPos(nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(IsAt(dialog.m_hWnd, centred));
  dialog.DestroyWindow();
}

TEST_F(SkinnedFrameTest, KeysReachTheWindowAndDoNothing) {
  RecordingSkinnedDialog dialog(kCornerBackground);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  // Mapped and painted on the X screen first: until then the X keyboard focus cannot be on it.
  ASSERT_TRUE(PumpUntil([&] { return testsupport::WindowIsOnScreen(dialog.m_hWnd); }));
  ::SetForegroundWindow(dialog.m_hWnd);
  ::SetFocus(dialog.GetDlgItem(IDOK));
  // Under Wine without a window manager the first key after a new window takes the X keyboard focus is now
  // and then lost before it reaches any window (measured: the window in front, the keys after it arriving).
  // Shift, which the filter swallows like any key, is pressed until the window has one: only then does the
  // keyboard reach it, and the keys below are the test.
  bool keyboardReachesWindow = false;
  for (int attempt = 0; attempt < 5 && !keyboardReachesWindow; ++attempt) {
    ASSERT_TRUE(RealInput::Key(dialog.m_hWnd, "shift")) << RealInput::LastError();
    keyboardReachesWindow = PumpUntil([&] { return !dialog.keys.empty(); }, 1000);
  }
  ASSERT_TRUE(keyboardReachesWindow) << "no key reached the window";
  dialog.keys.clear();
  // One key at a time, each sent once the window is in front and the one before has arrived: a key sent while
  // the platform still handles the focus change of the pointer's move, or of the key before, may reach no
  // window at all. Alt+F4 arrives as two key-downs.
  const std::pair<const char*, size_t> keys[] = {{"Escape", 1}, {"Return", 1}, {"Tab", 1}, {"space", 1}, {"alt+F4", 2}};
  for (const auto& [key, downs] : keys) {
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == dialog.m_hWnd; })) << "in front before " << key;
    const size_t before = dialog.keys.size();
    ASSERT_TRUE(RealInput::Key(dialog.m_hWnd, key)) << key << ": " << RealInput::LastError();
    EXPECT_TRUE(PumpUntil([&] { return dialog.keys.size() >= before + downs; }))
        << key << ": " << dialog.keys.size() - before << " key-downs arrived (all so far "
        << ::testing::PrintToString(dialog.keys) << "), foreground "
        << (::GetForegroundWindow() == dialog.m_hWnd ? "this window" : "another window");
  }
  EXPECT_EQ(dialog.oks, 0);
  EXPECT_EQ(dialog.cancels, 0);
  EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
  EXPECT_TRUE(dialog.HasBackground()) << "no close path ran";
  dialog.DestroyWindow();
}

// A skinned window with a skinned button and a slider, painted and clicked a hundred times each.
TEST_F(SkinnedFrameTest, NoGdiObjectLeaksAcrossAHundredPaintsAndClicks) {
  RecordingSkinnedDialog dialog(kCornerBackground);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  skin::CSkinButton button;
  ASSERT_TRUE(button.Create(RECT{300, 177, 433, 221}, dialog.m_hWnd, kButtonId));
  button.SetStripBitmap(kStrip532);
  skin::CSkinSlider slider;
  // Clear of the layout's own buttons, which lie lower on the window and above later children.
  ASSERT_TRUE(slider.Create(RECT{66, 20, 66 + 313, 28}, dialog.m_hWnd, IDC_ADV_PARTITION_SLIDER));
  slider.LoadThumbBitmap();
  slider.LoadChannelBitmaps(kChannelLeft, kChannelRight);
  slider.SetPos(40);
  const POINT onButton = ScreenPoint(dialog.m_hWnd, 360, 200);
  const POINT onChannel = ScreenPoint(dialog.m_hWnd, 66 + 60, 24);
  auto paintAll = [&] {
    ::RedrawWindow(dialog.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  auto clickRepeatedly = [](POINT at, int times) { return RealInput::ClickRepeatedly(at.x, at.y, times, 15); };
  // One round first, so that what the platform sets up on first use is not counted.
  paintAll();
  ASSERT_TRUE(clickRepeatedly(onButton, 1));
  ASSERT_TRUE(clickRepeatedly(onChannel, 1));
  ASSERT_TRUE(PumpUntil([&] { return dialog.clicks == std::vector<UINT>{kButtonId}; }));
  const long before = testsupport::GdiObjectCount();
  ASSERT_GT(before, 0) << "GDI objects cannot be counted here";

  for (int i = 0; i < 100; ++i) paintAll();
  ASSERT_TRUE(clickRepeatedly(onButton, 100));
  ASSERT_TRUE(clickRepeatedly(onChannel, 100));
  EXPECT_TRUE(PumpUntil([&] { return dialog.clicks == std::vector<UINT>(101, kButtonId); }))
      << dialog.clicks.size() << " clicks";
  EXPECT_EQ(testsupport::GdiObjectCount(), before);
  dialog.DestroyWindow();
}

}  // namespace
}  // namespace skintest
