// Shared by the skin window tests: a plain top-level window that hosts buttons and sliders and records
// what they tell their parent, and a fixture that makes sure real input is at hand.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "framework/wnd.h"
#include "tests/support/message_pump.h"
#include "tests/support/real_input.h"
#include "ui/skin/skin_slider.h"

namespace skintest {

struct Notification {
  UINT id;
  int code;
  WPARAM wParam;
  int position;  // the slider's position when the notification came
};

class TestHost : public fw::CWnd {
 public:
  // A visible popup at `screen` (left, top, right, bottom), grey, with no frame.
  bool Create(const RECT& screen);

  std::vector<UINT> clicks;                   // control IDs of BN_CLICKED
  std::vector<Notification> notifications;    // WM_NOTIFY from children
  std::vector<POINT> presses;                 // left-button presses on the host itself (client coordinates)
  const skin::CSkinSlider* slider = nullptr;  // its position is read at each notification

  // Clicks the host's own client point `at` and waits for that press. Input is handled in order, so what
  // was sent before has been handled then: the end of a test that something did not happen.
  bool ClickAndWait(POINT at);

 protected:
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// Parks the pointer away from the test windows before and after each test.
class RealInputTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The screen point of a window's client point.
POINT ScreenPoint(HWND window, int x, int y);

}  // namespace skintest
