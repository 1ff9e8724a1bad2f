// The three skinned message boxes and the about box, driven with real mouse and key input.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/modal_script.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"
#include "tests/window/dialog_probe.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/exit_message_dlg.h"
#include "ui/dialogs/no_usb_dlg.h"
#include "ui/dialogs/notice_message_dlg.h"

namespace {

using namespace dialogs;
using namespace dialogs_test;
using testsupport::PumpUntil;
using testsupport::RealInput;

struct BoxRun {
  testsupport::ModalRun run;
  Ending ending;
  int keyPresses = 0;
};

template <class Box>
BoxRun RunBox(const std::function<void(HWND, const Probe<Box>&)>& script) {
  Probe<Box> box;
  BoxRun out;
  out.run = testsupport::RunModalScript(box, [&] { script(box.m_hWnd, box); });
  out.ending = box.ending;
  out.keyPresses = box.keyPresses;
  return out;
}

// A real click at window pixels; the skinned boxes have no frame, so these are their client pixels too.
void ClickAt(HWND window, POINT at) {
  EXPECT_TRUE(testsupport::ClickInWindow(window, at.x, at.y)) << RealInput::LastError();
}

void PressKey(HWND window, const char* name) { EXPECT_TRUE(RealInput::Key(window, name)) << RealInput::LastError(); }

template <class Box>
BoxRun ClickBox(POINT at) {
  return RunBox<Box>([at](HWND window, const Probe<Box>&) { ClickAt(window, at); });
}

// Centres of the skinned buttons in client pixels; (304, 199) lies where the notice box's buttons overlap.
constexpr POINT kOkButton{366, 199};
constexpr POINT kApplyButton{238, 199};
constexpr POINT kCancelButton{366, 199};
constexpr POINT kButtonOverlap{304, 199};

void ExpectEndedBy(const BoxRun& box, INT_PTR result) {
  EXPECT_FALSE(box.run.leftOpen);
  EXPECT_EQ(box.run.result, result);
  EXPECT_EQ(box.ending.count, 1);
}

TEST(MessageBoxes, EachButtonEndsItsBoxWithItsResultAndReleasesTheBackgroundOnce) {
  struct Case {
    const char* name;
    BoxRun box;
    INT_PTR result;
  } cases[] = {
      {"no-card OK", ClickBox<CNoUsbDlg>(kOkButton), IDOK},
      {"closing OK", ClickBox<CExitMessageDlg>(kOkButton), IDOK},
      {"notice Apply", ClickBox<CNoticeMessageDlg>(kApplyButton), IDOK},
      {"notice Cancel", ClickBox<CNoticeMessageDlg>(kCancelButton), IDCANCEL},
      {"notice Cancel's left edge", ClickBox<CNoticeMessageDlg>(kButtonOverlap), IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectEndedBy(c.box, c.result);
    EXPECT_TRUE(c.box.ending.hadBackground);
    EXPECT_EQ(c.box.ending.gdiReleased, 1) << "the background, and nothing else";
  }
}

TEST(MessageBoxes, CloseMessageEndsWithCancelAndTheBackgroundIsReleasedOnlyByIt) {
  auto close = [](HWND window, const auto&) {
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    PumpUntil([&] { return !::IsWindowVisible(window); });
  };
  const BoxRun boxes[] = {RunBox<CNoUsbDlg>(close), RunBox<CNoticeMessageDlg>(close), RunBox<CExitMessageDlg>(close)};
  for (const BoxRun& box : boxes) {
    ExpectEndedBy(box, IDCANCEL);
    EXPECT_FALSE(box.ending.hadBackground) << "the close handling released it before Cancel ran";
    EXPECT_EQ(box.ending.gdiReleased, 0);
  }
}

// Enter and Escape reach the box's filter and change nothing; the button still ends it afterwards.
template <class Box>
BoxRun PressEnterAndEscapeThenClick(POINT button, bool& openAfterKeys) {
  return RunBox<Box>([&](HWND window, const Probe<Box>& box) {
    PressKey(window, "Return");
    PressKey(window, "Escape");
    PumpUntil([&] { return box.keyPresses >= 2; });
    openAfterKeys = ::IsWindowVisible(window) != FALSE;
    ClickAt(window, button);
  });
}

TEST(MessageBoxes, EnterAndEscapeDoNothing) {
  bool open[3] = {};
  const BoxRun boxes[] = {PressEnterAndEscapeThenClick<CNoUsbDlg>(kOkButton, open[0]),
                          PressEnterAndEscapeThenClick<CNoticeMessageDlg>(kCancelButton, open[1]),
                          PressEnterAndEscapeThenClick<CExitMessageDlg>(kOkButton, open[2])};
  const INT_PTR results[] = {IDOK, IDCANCEL, IDOK};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(boxes[i].keyPresses, 2);
    EXPECT_TRUE(open[i]);
    ExpectEndedBy(boxes[i], results[i]);
  }
}

TEST(MessageBoxes, DraggingTheMessagePanelMovesTheBox) {
  RECT before{}, after{};
  const BoxRun box = RunBox<CNoticeMessageDlg>([&](HWND window, const auto&) {
    ::GetWindowRect(window, &before);
    const POINT from{before.left + 120, before.top + 90};
    EXPECT_TRUE(RealInput::Drag(from, POINT{from.x + 70, from.y + 40}, 5)) << RealInput::LastError();
    PumpUntil([&] {
      ::GetWindowRect(window, &after);
      return after.left != before.left;
    });
    ClickAt(window, kCancelButton);
  });
  ExpectEndedBy(box, IDCANCEL);
  EXPECT_EQ(after.left - before.left, 70);
  EXPECT_EQ(after.top - before.top, 40);
  EXPECT_EQ(after.right - after.left, 440);
}

template <class Box>
long GdiGrowthOverShowings(POINT button, int showings) {
  auto click = [button](HWND window, const auto&) { ClickAt(window, button); };
  RunBox<Box>(click);  // the first showing fills the platform's caches
  const long before = testsupport::GdiObjectCount();
  for (int i = 0; i < showings; ++i) RunBox<Box>(click);
  return testsupport::GdiObjectCount() - before;
}

TEST(MessageBoxes, RepeatedShowingsLeaveNoGdiObjectsBehind) {
  ASSERT_GT(testsupport::GdiObjectCount(), 0);
  EXPECT_EQ(GdiGrowthOverShowings<CNoUsbDlg>(kOkButton, 8), 0);
  EXPECT_EQ(GdiGrowthOverShowings<CNoticeMessageDlg>(kApplyButton, 8), 0);
  EXPECT_EQ(GdiGrowthOverShowings<CExitMessageDlg>(kOkButton, 8), 0);
}

// Runs the about box with `input`, which ends it, and waits until it has ended: a key reaches the box some
// time after the input bridge has answered.
testsupport::ModalRun RunAboutBox(const std::function<void(HWND)>& input) {
  CAboutDlg about;
  return testsupport::RunModalScript(about, [&] {
    input(about.m_hWnd);
    PumpUntil([&] { return !::IsWindowVisible(about.m_hWnd); });
  });
}

TEST(AboutBox, EndsWithEnterEscapeOrItsButton) {
  const testsupport::ModalRun enter = RunAboutBox([](HWND window) { PressKey(window, "Return"); });
  const testsupport::ModalRun escape = RunAboutBox([](HWND window) { PressKey(window, "Escape"); });
  const testsupport::ModalRun button = RunAboutBox([](HWND window) {
    RECT ok{};
    ::GetWindowRect(::GetDlgItem(window, IDOK), &ok);
    EXPECT_TRUE(RealInput::Click((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2)) << RealInput::LastError();
  });
  for (const testsupport::ModalRun* run : {&enter, &escape, &button}) EXPECT_FALSE(run->leftOpen);
  EXPECT_EQ(enter.result, IDOK);
  EXPECT_EQ(escape.result, IDCANCEL);
  EXPECT_EQ(button.result, IDOK);
}

}  // namespace
