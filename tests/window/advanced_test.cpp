// The advanced window on its real layout and bitmaps, run modally against a known Advanced snapshot and
// driven with real mouse input; each script runs inside the window's modal loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
#include "ui/advanced/advance_dlg.h"
#include "ui/advanced/advanced_window_rect.h"
#include "ui/advanced/choice_buttons.h"

namespace {

using advanced::CAdvanceDlg;
using testsupport::PumpUntil;
using testsupport::RealInput;
using testsupport::WindowOrigin;
using Values = std::array<int32_t, 10>;

constexpr Values kDefaults = {0, 0, 0, 0, 0, 0, 0, 0, 0, 4};
constexpr int kMemoryPartition = 8, kTerritory = 9;

void StoreSnapshot(const Values& values) {
  int32_t raw[10];
  std::copy(values.begin(), values.end(), raw);
  card::StoreAdvancedSnapshot(raw);
}

Values Snapshot() {
  int32_t raw[10];
  card::LoadAdvancedSnapshot(raw);
  Values values;
  std::copy(std::begin(raw), std::end(raw), values.begin());
  return values;
}

Values WorkingOf(const CAdvanceDlg& dialog) {
  Values values;
  std::copy(dialog.Working().begin(), dialog.Working().end(), values.begin());
  return values;
}

// Real clicks at window pixels, wherever the window stands now.
void ClickWindowAt(HWND window, int x, int y) {
  ASSERT_TRUE(testsupport::ClickInWindow(window, x, y)) << RealInput::LastError();
}

void ClickChoice(HWND window, UINT id) {
  const skin::Choice* button = skin::FindChoice(advanced::ChoiceButtons(), id);
  ClickWindowAt(window, button->at.x + button->size.cx / 2, button->at.y + button->size.cy / 2);
}

void ClickCancel(HWND window) { ClickWindowAt(window, 433 + 18, 11 + 18); }

// ---- Running the window --------------------------------------------------------------------------------------------

struct WindowRun {
  INT_PTR result = -1;
  bool leftOpen = false;  // the script returned with the window open: it was closed for it
  Values snapshot{};
};

// The advanced window, counting the key presses that reach its filter.
class KeyCountingAdvanceDlg : public CAdvanceDlg {
 public:
  int keys = 0;
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) ++keys;
    return CAdvanceDlg::PreTranslateMessage(msg);
  }
};

WindowRun RunAdvanced(const Values& snapshot, const std::function<void(KeyCountingAdvanceDlg&)>& script) {
  StoreSnapshot(snapshot);
  advanced::TheAdvancedWindowRect() = {100, 50, 582, 833};
  KeyCountingAdvanceDlg dialog;
  WindowRun run;
  const testsupport::ModalRun modal = testsupport::RunModalScript(dialog, [&] { script(dialog); });
  run.result = modal.result;
  run.leftOpen = modal.leftOpen;
  run.snapshot = Snapshot();
  return run;
}

// Presses the window's OK and answers the notice box with its Apply or its Cancel button.
void PressOk(HWND window, bool confirm) {
  const POINT answer = confirm ? POINT{238, 199} : POINT{366, 199};
  EXPECT_TRUE(testsupport::ClickAndAnswerPopup(window, answer, [&] { ClickWindowAt(window, 310 + 82, 723 + 30); }))
      << "the notice box was shown and answered";
}

// ---- What the screen shows -----------------------------------------------------------------------------------------

// True once the window shows the top-left width x height of the bitmap at (x, y) of its own pixels.
bool Shows(HWND window, int x, int y, UINT bitmap, int width, int height) {
  return PumpUntil([&] { return testsupport::WindowShowsBitmap(window, x, y, bitmap, width, height); }, 1000);
}

bool ShowsMarker(HWND window, UINT id) {
  const skin::Choice* button = skin::FindChoice(advanced::ChoiceButtons(), id);
  return Shows(window, button->marker.x, button->marker.y, IDB_ADV_MARKER, 14, 14);
}

bool ShowsPlainImage(HWND window, UINT id) {
  const skin::Choice* button = skin::FindChoice(advanced::ChoiceButtons(), id);
  return Shows(window, button->at.x, button->at.y, button->normal, button->size.cx, button->size.cy);
}

// ---- The slider ----------------------------------------------------------------------------------------------------

HWND Slider(HWND window) { return ::GetDlgItem(window, IDC_ADV_PARTITION_SLIDER); }
HWND Thumb(HWND window) { return ::GetDlgItem(Slider(window), IDC_SLIDER_THUMB); }

// The Thumb's left edge in slider pixels.
int ThumbLeft(HWND window) {
  RECT slider{}, thumb{};
  ::GetWindowRect(Slider(window), &slider);
  ::GetWindowRect(Thumb(window), &thumb);
  return thumb.left - slider.left;
}

// Drags the Thumb by its centre so that its centre ends at slider pixel x, and lets it go there.
void DragThumbTo(HWND window, int x) {
  RECT slider{}, thumb{};
  ::GetWindowRect(Slider(window), &slider);
  ::GetWindowRect(Thumb(window), &thumb);
  const int y = (thumb.top + thumb.bottom) / 2;
  ASSERT_TRUE(RealInput::Drag(POINT{(thumb.left + thumb.right) / 2, y}, POINT{slider.left + x, y}))
      << RealInput::LastError();
}

class AdvancedWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(RealInput::Available()) << RealInput::LastError(); }
  void TearDown() override { RealInput::Park(); }
};

// ---- Opening, choices, confirmation --------------------------------------------------------------------------------

TEST_F(AdvancedWindow, OpensAtTheMainWindowsTopRightCornerWithItsBackgroundsSize) {
  RECT placed{};
  const WindowRun run = RunAdvanced(kDefaults, [&](CAdvanceDlg& dialog) {
    ::GetWindowRect(dialog.m_hWnd, &placed);
    ClickCancel(dialog.m_hWnd);
  });
  EXPECT_EQ(placed.left, 582);
  EXPECT_EQ(placed.top, 50);
  EXPECT_EQ(placed.right - placed.left, 482);
  EXPECT_EQ(placed.bottom - placed.top, 783);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(run.result, IDCANCEL);
}

TEST_F(AdvancedWindow, EveryChoiceStoresItsValueAndAConfirmedOkStoresTheWorkingCopy) {
  // Values outside every group, so that each click changes its slot.
  const Values start = {7, 1, 7, 7, 7, 7, 7, 7, 7, 6};
  const WindowRun run = RunAdvanced(start, [&](CAdvanceDlg& dialog) {
    for (const skin::Choice& button : advanced::ChoiceButtons()) {
      if (button.selection == skin::Selection::kHidden) continue;
      ClickChoice(dialog.m_hWnd, button.id);
      EXPECT_EQ(dialog.Working()[advanced::SlotOf(button.row)], button.value) << "after a click on " << button.id;
    }
    EXPECT_EQ(Snapshot(), start) << "nothing is stored before OK";
    PressOk(dialog.m_hWnd, true);
  });
  EXPECT_EQ(run.result, IDOK);
  EXPECT_EQ(run.snapshot, (Values{1, 1, 2, 3, 3, 0, 0, 2, 1, 6})) << "the rightmost choice of each group";
}

TEST_F(AdvancedWindow, MarkersFollowTheClicksAndTheInvertedOnOffGroups) {
  const WindowRun run = RunAdvanced(kDefaults, [&](CAdvanceDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    EXPECT_TRUE(ShowsMarker(window, IDC_ADV_BITRATE_0));
    EXPECT_TRUE(ShowsMarker(window, IDC_ADV_PARKING_BW_OFF)) << "value 0 marks OFF, the second button";
    EXPECT_TRUE(ShowsPlainImage(window, IDC_ADV_PARKING_BW_ON));
    for (UINT id : {IDC_ADV_BITRATE_0 + 2, IDC_ADV_FLIP_ON, IDC_ADV_GPS_0 + 1}) ClickChoice(window, id);
    EXPECT_TRUE(ShowsMarker(window, IDC_ADV_BITRATE_0 + 2));
    EXPECT_TRUE(ShowsPlainImage(window, IDC_ADV_BITRATE_0)) << "the old marker is covered";
    EXPECT_TRUE(ShowsMarker(window, IDC_ADV_FLIP_ON));
    EXPECT_TRUE(ShowsPlainImage(window, IDC_ADV_FLIP_OFF));
    EXPECT_TRUE(ShowsMarker(window, IDC_ADV_GPS_0 + 1));
    ClickCancel(window);
  });
  EXPECT_EQ(run.snapshot, kDefaults);
}

TEST_F(AdvancedWindow, DeclinedNoticeKeepsTheWindowOpenWithTheClickedValues) {
  const WindowRun run = RunAdvanced(kDefaults, [&](CAdvanceDlg& dialog) {
    ClickChoice(dialog.m_hWnd, IDC_ADV_DRIVING_FPS_0 + 2);
    ClickChoice(dialog.m_hWnd, IDC_ADV_VIDEO_OUT_PAL);
    PressOk(dialog.m_hWnd, false);
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    EXPECT_EQ(Snapshot(), kDefaults);
    EXPECT_EQ(WorkingOf(dialog), (Values{1, 0, 0, 2, 0, 0, 0, 0, 0, 4}));
    EXPECT_TRUE(ShowsMarker(dialog.m_hWnd, IDC_ADV_VIDEO_OUT_PAL)) << "markers under the notice box come back";
    PressOk(dialog.m_hWnd, true);
  });
  EXPECT_EQ(run.result, IDOK);
  EXPECT_EQ(run.snapshot, (Values{1, 0, 0, 2, 0, 0, 0, 0, 0, 4}));
}

TEST_F(AdvancedWindow, CancelCloseAndKeysStoreNothing) {
  const Values start = {1, 2, 1, 1, 1, 1, 0, 1, 1, 6};
  const auto changeEverything = [](HWND window) {
    for (UINT id : {IDC_ADV_VIDEO_OUT_NTSC, IDC_ADV_BITRATE_0, IDC_ADV_PARKING_BW_OFF, IDC_ADV_PARTITION_DEFAULT})
      ClickChoice(window, id);
  };
  const WindowRun cancelled = RunAdvanced(start, [&](CAdvanceDlg& dialog) {
    changeEverything(dialog.m_hWnd);
    ClickCancel(dialog.m_hWnd);
  });
  EXPECT_EQ(cancelled.result, IDCANCEL);
  EXPECT_FALSE(cancelled.leftOpen);
  EXPECT_EQ(cancelled.snapshot, start);

  const WindowRun keys = RunAdvanced(start, [&](KeyCountingAdvanceDlg& dialog) {
    changeEverything(dialog.m_hWnd);
    int sent = 0;
    for (const char* key : {"Return", "Escape", "space", "alt+F4"}) {
      ASSERT_TRUE(RealInput::Key(dialog.m_hWnd, key)) << RealInput::LastError();
      ASSERT_TRUE(PumpUntil([&] { return dialog.keys > sent; })) << key << " did not arrive";
      sent = dialog.keys;
      EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd)) << key << " does nothing";
    }
    // The close command of the taskbar button's menu.
    dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(dialog.m_hWnd); })) << "the close request ends it";
  });
  EXPECT_EQ(keys.result, IDCANCEL);
  EXPECT_FALSE(keys.leftOpen);
  EXPECT_EQ(keys.snapshot, start);
}

TEST_F(AdvancedWindow, ValuesOutsideTheGroupsShowAsSuchAndAreStoredBack) {
  const Values start = {0, 2, 5, 0, 0, 3, 0, 0, 1, 4};
  const WindowRun run = RunAdvanced(start, [&](CAdvanceDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    for (UINT id = IDC_ADV_BITRATE_0; id <= IDC_ADV_BITRATE_0 + 2; ++id)
      EXPECT_TRUE(ShowsPlainImage(window, id)) << "Bit rate 5 marks no choice: " << id;
    EXPECT_TRUE(ShowsMarker(window, IDC_ADV_PARKING_BW_ON)) << "Parking Black and White 3 marks both";
    EXPECT_TRUE(ShowsMarker(window, IDC_ADV_PARKING_BW_OFF));
    PressOk(window, true);
  });
  EXPECT_EQ(run.result, IDOK);
  EXPECT_EQ(run.snapshot, start);
}

TEST_F(AdvancedWindow, CloseCrossShowsItsHoverImageOnlyMoreThanFivePixelsInside) {
  RunAdvanced(kDefaults, [&](CAdvanceDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    const POINT origin = WindowOrigin(window);
    ASSERT_TRUE(RealInput::MoveTo(origin.x + 433 + 18, origin.y + 11 + 18));
    EXPECT_TRUE(Shows(window, 433, 11, IDB_ADV_CANCEL_HOVER, 37, 37));
    ASSERT_TRUE(RealInput::MoveTo(origin.x + 433 + 3, origin.y + 11 + 18));
    EXPECT_TRUE(Shows(window, 433, 11, IDB_ADV_CANCEL, 37, 37)) << "3 pixels inside the edge";
    ASSERT_TRUE(RealInput::MoveTo(origin.x + 310 + 3, origin.y + 723 + 3));
    EXPECT_TRUE(Shows(window, 310, 723, IDB_OK_HOVER, 164, 60)) << "OK reacts right inside its edge";
    ASSERT_TRUE(RealInput::MoveTo(origin.x + 200, origin.y + 700));
    EXPECT_TRUE(Shows(window, 310, 723, IDB_OK, 164, 60));
    ClickCancel(window);
  });
}

TEST_F(AdvancedWindow, ClicksAndHoveringLeakNoGdiObjects) {
  RunAdvanced(kDefaults, [&](CAdvanceDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    const auto exercise = [&] {
      ClickChoice(window, IDC_ADV_GPS_0 + 2);
      ClickChoice(window, IDC_ADV_PARTITION_CUSTOM);
      ClickChoice(window, IDC_ADV_PARTITION_DEFAULT);
      const POINT origin = WindowOrigin(window);
      RealInput::MoveTo(origin.x + 451, origin.y + 29);
      RealInput::MoveTo(origin.x + 392, origin.y + 753);
      RealInput::MoveTo(origin.x + 200, origin.y + 700);
      EXPECT_TRUE(Shows(window, 310, 723, IDB_OK, 164, 60)) << "the last move has been handled";
    };
    exercise();  // the first round may create what the platform keeps for good
    const long before = testsupport::GdiObjectCount();
    ASSERT_GE(before, 0);
    for (int round = 0; round < 3; ++round) exercise();
    EXPECT_EQ(testsupport::GdiObjectCount(), before);
    ClickCancel(window);
  });
}

// ---- The partition slider ------------------------------------------------------------------------------------------

TEST_F(AdvancedWindow, DefaultModeDisablesTheSliderInTheMiddleAndCustomSettingBringsBackTheSplit) {
  const WindowRun run = RunAdvanced({0, 0, 0, 0, 0, 0, 0, 0, 0, 7}, [&](CAdvanceDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    EXPECT_FALSE(::IsWindowEnabled(Slider(window)));
    EXPECT_FALSE(::IsWindowEnabled(Thumb(window)));
    EXPECT_EQ(dialog.Slider().GetPos(), 40);
    EXPECT_EQ(ThumbLeft(window), 141);
    // Clicks on the disabled channel and Thumb change nothing.
    ClickWindowAt(window, 66 + 250, 645 + 4);
    ClickWindowAt(window, 66 + 156, 645 + 4);
    EXPECT_EQ(dialog.Slider().GetPos(), 40);
    EXPECT_EQ(dialog.Working()[kTerritory], 7);

    ClickChoice(window, IDC_ADV_PARTITION_CUSTOM);
    EXPECT_TRUE(::IsWindowEnabled(Slider(window)));
    EXPECT_TRUE(::IsWindowEnabled(Thumb(window)));
    EXPECT_EQ(dialog.Slider().GetPos(), 70);
    EXPECT_EQ(ThumbLeft(window), 247);

    ClickChoice(window, IDC_ADV_PARTITION_DEFAULT);
    EXPECT_FALSE(::IsWindowEnabled(Thumb(window)));
    EXPECT_EQ(ThumbLeft(window), 141);
    PressOk(window, true);
  });
  EXPECT_EQ(run.snapshot[kMemoryPartition], 0);
  EXPECT_EQ(run.snapshot[kTerritory], 4);
}

TEST_F(AdvancedWindow, ReleasedThumbStoresTheRoundedTerritoryAndSnapsToIt) {
  struct Case {
    int centre;  // slider pixel where the Thumb's centre is let go
    int released;
    int32_t territory;
    int snappedLeft;
  };
  // Position = trunc((centre - 15) / 283 * 80); snapped Thumb left = trunc(283 / 80 * 10 * territory).
  for (const Case c : {Case{171, 44, 4, 141}, Case{175, 45, 5, 176}, Case{310, 80, 8, 283}}) {
    SCOPED_TRACE(c.released);
    const WindowRun run = RunAdvanced({0, 0, 0, 0, 0, 0, 0, 0, 1, 2}, [&](CAdvanceDlg& dialog) {
      const HWND window = dialog.m_hWnd;
      DragThumbTo(window, c.centre);
      EXPECT_EQ(dialog.Working()[kTerritory], c.territory);
      EXPECT_TRUE(PumpUntil(
          [&] { return dialog.Slider().GetPos() == c.territory * 10 && ThumbLeft(window) == c.snappedLeft; }, 1000))
          << "snapped 150 ms after the release to " << c.territory * 10 << ", at " << dialog.Slider().GetPos();
      EXPECT_EQ(ThumbLeft(window), c.snappedLeft);
      PressOk(window, true);
    });
    EXPECT_EQ(run.snapshot[kMemoryPartition], 1);
    EXPECT_EQ(run.snapshot[kTerritory], c.territory);
  }
}

TEST_F(AdvancedWindow, CustomSplitSurvivesASwitchToDefaultAndBack) {
  const WindowRun run = RunAdvanced({0, 0, 0, 0, 0, 0, 0, 0, 1, 2}, [&](CAdvanceDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    DragThumbTo(window, 15 + 248);  // position 70
    ASSERT_TRUE(PumpUntil([&] { return ThumbLeft(window) == 247; }, 1000)) << "snapped after the release";
    ClickChoice(window, IDC_ADV_PARTITION_DEFAULT);
    ClickChoice(window, IDC_ADV_PARTITION_CUSTOM);
    EXPECT_EQ(dialog.Slider().GetPos(), 70);
    PressOk(window, true);
  });
  EXPECT_EQ(run.snapshot[kMemoryPartition], 1);
  EXPECT_EQ(run.snapshot[kTerritory], 7);
}

TEST_F(AdvancedWindow, TerritoryBeyondTheScaleIsStoredBackUntouched) {
  const WindowRun run = RunAdvanced({0, 0, 0, 0, 0, 0, 0, 0, 1, 12}, [&](CAdvanceDlg& dialog) {
    EXPECT_EQ(dialog.Slider().GetPos(), 120);
    EXPECT_TRUE(::IsWindowEnabled(Thumb(dialog.m_hWnd)));
    PressOk(dialog.m_hWnd, true);
  });
  EXPECT_EQ(run.snapshot[kMemoryPartition], 1);
  EXPECT_EQ(run.snapshot[kTerritory], 12);
}

// A card may hold any int32: the Thumb goes as far as GDI reaches, and the slider paints one channel image
// all along (driving mode's over the event part of the scale, and the reverse).
TEST_F(AdvancedWindow, TerritoryAtEitherEndOfInt32PaintsTheSliderAndIsStoredBackUntouched) {
  for (const int32_t territory : {INT32_MAX, INT32_MIN}) {
    const bool pastTheEnd = territory > 0;
    fw::UniqueBitmap image = fw::LoadDeviceBitmap(pastTheEnd ? IDB_SLIDER_CHANNEL_LEFT : IDB_SLIDER_CHANNEL_RIGHT);
    fw::MemoryDC memory(nullptr);
    fw::ScopedSelect select(memory.get(), image.get());
    const WindowRun run = RunAdvanced({0, 0, 0, 0, 0, 0, 0, 0, 1, territory}, [&](auto& dialog) {
      const POINT at{WindowOrigin(dialog.m_hWnd).x + 66 + (pastTheEnd ? 250 : 50), WindowOrigin(dialog.m_hWnd).y + 649};
      EXPECT_TRUE(PumpUntil([&] { return testsupport::ScreenPixel(at.x, at.y) == ::GetPixel(memory.get(), 15, 4); }));
      PressOk(dialog.m_hWnd, true);
    });
    EXPECT_EQ(run.snapshot[kMemoryPartition], 1);
    EXPECT_EQ(run.snapshot[kTerritory], territory) << "untouched";
  }
}

}  // namespace
