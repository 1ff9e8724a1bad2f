// Markers and hover images of the main and the advanced window come back by themselves after a button
// repaints itself for a reason the window never sees (here anyone's RedrawWindow), with the pointer at rest.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "card/tables/advanced_snapshot.h"
#include "framework/gdi.h"
#include "framework/png_bitmap.h"
#include "res/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/modal_script.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"
#include "ui/advanced/action_buttons.h"
#include "ui/advanced/advance_dlg.h"
#include "ui/advanced/advanced_window_rect.h"
#include "ui/advanced/choice_buttons.h"
#include "ui/main/configure_dlg.h"
#include "ui/main/main_controls.h"

namespace {

using testsupport::RealInput;

// width x height pixels from (x, y) of a device context.
std::vector<std::uint32_t> Pixels(HDC source, POINT at, int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  fw::MemoryDC memory(source);
  fw::UniqueBitmap copy(::CreateCompatibleBitmap(source, width, height));
  {
    fw::ScopedSelect select(memory.get(), copy.get());
    ::BitBlt(memory.get(), 0, 0, width, height, source, at.x, at.y, SRCCOPY);
  }
  ::GetDIBits(memory.get(), copy.get(), 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

// What the window's own drawing has left on its surface, read at once: unlike the screen, which shows it only
// after the next flush, this sees a repaint before any message (the refresh timer's included) is handled.
bool SurfaceShows(HWND window, POINT at, UINT bitmap, SIZE size) {
  const int width = size.cx, height = size.cy;
  fw::UniqueBitmap image = fw::LoadSectionBitmap(bitmap);
  HDC dc = ::GetDC(window);
  std::vector<std::uint32_t> expected;
  {
    fw::MemoryDC memory(dc);
    fw::ScopedSelect select(memory.get(), image.get());
    expected = Pixels(memory.get(), {0, 0}, width, height);
  }
  const bool same = Pixels(dc, at, width, height) == expected;
  ::ReleaseDC(window, dc);
  return same;
}

// Shown on the window's surface and on the screen, waiting for both.
bool Shows(HWND window, POINT at, UINT bitmap, SIZE size) {
  return testsupport::PumpUntil([&] {
    return SurfaceShows(window, at, bitmap, size) &&
           testsupport::WindowShowsBitmap(window, at.x, at.y, bitmap, size.cx, size.cy);
  });
}

// The visible button with this ID: the layout's hidden placeholder carries the same one.
HWND VisibleButton(HWND window, UINT id) {
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (::GetDlgCtrlID(child) == static_cast<int>(id) && ::IsWindowVisible(child)) return child;
  return nullptr;
}

// Clicks the choice, rests the pointer on the hovered button, sees the choice's marker and the button's hover
// image, then has both buttons redraw themselves and expects both images back without another pointer move.
void ExpectOverlayBackAfterRepaint(HWND window, const skin::ButtonLayout& choice, POINT marker, UINT markerBitmap,
                                   const skin::ButtonLayout& hovered) {
  const SIZE markerSize = main_window::LayoutAt({}).marker;  // both windows draw the same size
  ASSERT_TRUE(testsupport::ClickInWindow(window, choice.at.x + choice.size.cx / 2, choice.at.y + choice.size.cy / 2))
      << RealInput::LastError();
  const POINT origin = testsupport::WindowOrigin(window);
  ASSERT_TRUE(RealInput::MoveTo(origin.x + hovered.at.x + hovered.size.cx / 2,
                                origin.y + hovered.at.y + hovered.size.cy / 2))
      << RealInput::LastError();
  ASSERT_TRUE(Shows(window, marker, markerBitmap, markerSize)) << "marker before the repaint";
  ASSERT_TRUE(Shows(window, hovered.at, hovered.hover, hovered.size)) << "hover before the repaint";

  for (const UINT id : {choice.id, hovered.id})
    ::RedrawWindow(VisibleButton(window, id), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  // Nothing has been pumped yet: the buttons' own faces now cover both images.
  ASSERT_FALSE(SurfaceShows(window, marker, markerBitmap, markerSize)) << "the repaint wiped the marker";
  ASSERT_FALSE(SurfaceShows(window, hovered.at, hovered.hover, hovered.size)) << "the repaint wiped the hover image";

  EXPECT_TRUE(Shows(window, marker, markerBitmap, markerSize)) << "marker after the repaint";
  EXPECT_TRUE(Shows(window, hovered.at, hovered.hover, hovered.size)) << "hover after the repaint";
}

class OverlayRepaint : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(RealInput::Available()) << RealInput::LastError(); }
  void TearDown() override { RealInput::Park(); }
};

TEST_F(OverlayRepaint, MainWindowPutsMarkersAndHoverImagesBackAfterAButtonRedraws) {
  const skin::Choice& speaker = *skin::FindChoice(main_window::ChoiceButtons(), IDC_MAIN_SPEAKER_0 + 1);
  const main_window::ActionButton& ok = main_window::ActionButtons().back();
  ASSERT_EQ(ok.id, static_cast<UINT>(IDOK));
  main_window::CConfigureDlg dialog;
  testsupport::RunModalScript(dialog, [&] {
    ExpectOverlayBackAfterRepaint(dialog.m_hWnd, speaker, speaker.marker, IDB_MAIN_MARKER, ok);
  });
}

TEST_F(OverlayRepaint, AdvancedWindowPutsMarkersAndHoverImagesBackAfterAButtonRedraws) {
  const skin::Choice& gps = *skin::FindChoice(advanced::ChoiceButtons(), IDC_ADV_GPS_0 + 1);
  const advanced::ActionButton& ok = advanced::ActionButtons()[advanced::kOkIndex];
  const int32_t zeros[card::kAdvancedCount] = {};
  card::StoreAdvancedSnapshot(zeros);
  advanced::TheAdvancedWindowRect() = {100, 50, 582, 833};
  advanced::CAdvanceDlg dialog;
  testsupport::RunModalScript(dialog, [&] {
    ExpectOverlayBackAfterRepaint(dialog.m_hWnd, gps, gps.marker, IDB_ADV_MARKER, ok);
  });
}

}  // namespace
