// The time zone picker, driven with real mouse and key input: what it shows and what it returns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/modal_script.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"
#include "tests/window/dialog_probe.h"
#include "ui/dialogs/time_zone_list.h"
#include "ui/dialogs/world_time_dlg.h"

namespace {

using namespace dialogs;
using namespace dialogs_test;
using testsupport::PumpUntil;
using testsupport::RealInput;

using PickerProbe = Probe<CWorldTimeDlg>;

constexpr POINT kApplyButton{238, 199};
constexpr POINT kCancelButton{366, 199};

POINT ToScreen(HWND window, int x, int y) {
  POINT point{x, y};
  ::ClientToScreen(window, &point);
  return point;
}

// Real input at points of a window's client area (the dialog, the list field, the dropped list).
void ClickAt(HWND window, int x, int y) {
  const POINT at = ToScreen(window, x, y);
  EXPECT_TRUE(RealInput::Click(at.x, at.y)) << RealInput::LastError();
}

// Turns the mouse wheel over a point by one notch: away from the user when `away`, else towards.
void WheelAt(HWND window, int x, int y, bool away) {
  const POINT at = ToScreen(window, x, y);
  EXPECT_TRUE(RealInput::ClickRepeatedly(at.x, at.y, 1, 20, away ? 4 : 5)) << RealInput::LastError();
}

// What the script saw while the picker ran, and how it ended.
struct PickerRun {
  testsupport::ModalRun run;
  Ending ending;
  int chosenBefore = 0, chosenDuring = 0, chosenAfter = 0;
  std::wstring shownAtStart;
  std::wstring shownAtEnd;  // recorded by the script before it ends the run
  std::vector<std::wstring> items;
  int keyPresses = 0;
};

HWND ListOf(HWND dialog) { return ::GetDlgItem(dialog, IDC_WORLD_TIME_LIST); }

std::wstring ShownText(HWND dialog) {
  wchar_t text[64] = {};
  ::GetWindowTextW(ListOf(dialog), text, 64);
  return text;
}

std::vector<std::wstring> Items(HWND dialog) {
  std::vector<std::wstring> items;
  const int count = static_cast<int>(::SendMessageW(ListOf(dialog), CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[64] = {};
    ::SendMessageW(ListOf(dialog), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

bool IsDropped(HWND dialog) { return ::SendMessageW(ListOf(dialog), CB_GETDROPPEDSTATE, 0, 0) != 0; }

// Drops the list with a click, turns the wheel until the item is in view, and clicks the item.
void ChooseWithMouse(HWND dialog, int item) {
  const HWND combo = ListOf(dialog);
  const RECT field = [&] {
    RECT r{};
    ::GetClientRect(combo, &r);
    return r;
  }();
  ClickAt(combo, field.right / 2, field.bottom / 2);
  if (!PumpUntil([&] { return IsDropped(dialog); })) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ::GetComboBoxInfo(combo, &info);
  RECT itemRect{}, view{};
  for (int turn = 0; turn < 30; ++turn) {
    ::SendMessageW(info.hwndList, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&itemRect));
    ::GetClientRect(info.hwndList, &view);
    if (itemRect.top >= view.top && itemRect.bottom <= view.bottom) break;
    const LRESULT top = ::SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0);
    WheelAt(info.hwndList, view.right / 2, view.bottom / 2, itemRect.top < view.top);
    PumpUntil([&] { return ::SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0) != top; }, 1000);
  }
  ClickAt(info.hwndList, view.right / 2, (itemRect.top + itemRect.bottom) / 2);
  PumpUntil([&] { return !IsDropped(dialog); });
}

PickerRun RunPicker(int initialIndex, const std::function<void(HWND, PickerRun&, const PickerProbe&)>& script) {
  PickerProbe picker(initialIndex);
  PickerRun out;
  out.chosenBefore = picker.ChosenIndex();
  out.run = testsupport::RunModalScript(picker, [&] {
    out.chosenDuring = picker.ChosenIndex();
    out.shownAtStart = ShownText(picker.m_hWnd);
    out.items = Items(picker.m_hWnd);
    script(picker.m_hWnd, out, picker);
  });
  out.chosenAfter = picker.ChosenIndex();
  out.ending = picker.ending;
  out.keyPresses = picker.keyPresses;
  return out;
}

void ExpectEndedBy(const PickerRun& picker, INT_PTR result, int chosenIndex) {
  EXPECT_FALSE(picker.run.leftOpen);
  EXPECT_EQ(picker.run.result, result);
  EXPECT_EQ(picker.chosenAfter, chosenIndex);
  EXPECT_EQ(picker.ending.count, 1);
}

auto Click(POINT at) {
  return [at](HWND window, PickerRun&, const PickerProbe&) { ClickAt(window, at.x, at.y); };
}

TEST(WorldTimePicker, ListsTheZonesInOrderAndShowsTheOpeningEntry) {
  const struct {
    int opened;
    const wchar_t* shown;
    int selected;
  } cases[] = {
      {21, L" UTC+09:00", 21}, {0, L" UTC-12:00", 0},   {12, L" UTC", 12},
      {24, L" UTC+12:00", 24}, {-1, L" UTC+09:00", 21},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opened);
    const PickerRun picker = RunPicker(c.opened, Click(kApplyButton));
    EXPECT_EQ(picker.chosenBefore, c.selected);
    EXPECT_EQ(picker.chosenDuring, -1);
    EXPECT_EQ(picker.shownAtStart, c.shown);
    ASSERT_EQ(picker.items.size(), 25u);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(picker.items[i], TimeZoneText(i)) << i;
    // Apply without touching the list returns the opening entry.
    ExpectEndedBy(picker, IDOK, c.selected);
  }
}

TEST(WorldTimePicker, ApplyReturnsTheEntryChosenInTheDroppedList) {
  for (const auto& [item, text] : {std::pair{9, L" UTC-03:00"}, std::pair{17, L" UTC+05:00"}}) {
    SCOPED_TRACE(item);
    const PickerRun picker = RunPicker(21, [item](HWND window, PickerRun& run, const PickerProbe&) {
      ChooseWithMouse(window, item);
      run.shownAtEnd = ShownText(window);
      ClickAt(window, kApplyButton.x, kApplyButton.y);
    });
    EXPECT_EQ(picker.shownAtEnd, text);
    ExpectEndedBy(picker, IDOK, item);
    EXPECT_TRUE(picker.ending.hadBackground);
    EXPECT_EQ(picker.ending.gdiReleased, 1);
  }
}

TEST(WorldTimePicker, CancelAfterAChangeReturnsNoIndex) {
  const PickerRun picker = RunPicker(21, [](HWND window, PickerRun& run, const PickerProbe&) {
    ChooseWithMouse(window, 9);
    run.shownAtEnd = ShownText(window);
    ClickAt(window, kCancelButton.x, kCancelButton.y);
  });
  EXPECT_EQ(picker.shownAtEnd, L" UTC-03:00") << "the change was made";
  ExpectEndedBy(picker, IDCANCEL, -1);
  EXPECT_TRUE(picker.ending.hadBackground);
  EXPECT_EQ(picker.ending.gdiReleased, 1) << "Cancel releases the background";
}

TEST(WorldTimePicker, CloseMessageCancelsAndReleasesTheBackgroundOnce) {
  const PickerRun picker = RunPicker(3, [](HWND window, PickerRun&, const PickerProbe&) {
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    PumpUntil([&] { return !::IsWindowVisible(window); });
  });
  ExpectEndedBy(picker, IDCANCEL, -1);
  EXPECT_FALSE(picker.ending.hadBackground) << "released by the close handling";
  EXPECT_EQ(picker.ending.gdiReleased, 0) << "and not again by the Cancel that follows it";
}

TEST(WorldTimePicker, KeysChangeNothing) {
  const char* keys[] = {"Down", "Up", "End", "Home", "Page_Down", "Return", "Escape"};
  bool openAfterKeys = false;
  const PickerRun picker = RunPicker(21, [&](HWND window, PickerRun& run, const PickerProbe& probe) {
    // Two clicks on the field drop the list and close it again, leaving the keyboard focus on it.
    const HWND combo = ListOf(window);
    ClickAt(combo, 20, 8);
    PumpUntil([&] { return IsDropped(window); });
    ClickAt(combo, 20, 8);
    PumpUntil([&] { return !IsDropped(window); });
    for (const char* key : keys) EXPECT_TRUE(RealInput::Key(window, key)) << RealInput::LastError();
    PumpUntil([&] { return probe.keyPresses >= 7; });
    run.shownAtEnd = ShownText(window);
    openAfterKeys = ::IsWindowVisible(window) != FALSE;
    ClickAt(window, kApplyButton.x, kApplyButton.y);
  });
  EXPECT_EQ(picker.keyPresses, 7);
  EXPECT_TRUE(openAfterKeys);
  EXPECT_EQ(picker.shownAtEnd, L" UTC+09:00");
  ExpectEndedBy(picker, IDOK, 21);
}

TEST(WorldTimePicker, RepeatedShowingsLeaveNoGdiObjectsBehind) {
  RunPicker(21, Click(kCancelButton));  // the first showing fills the platform's caches
  const long before = testsupport::GdiObjectCount();
  for (int i = 0; i < 8; ++i) RunPicker(i, Click(i % 2 ? kApplyButton : kCancelButton));
  EXPECT_EQ(testsupport::GdiObjectCount() - before, 0);
}

}  // namespace
