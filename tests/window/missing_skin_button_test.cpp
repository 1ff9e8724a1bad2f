// A skinned box whose skinned button cannot be created still has a button that ends it.
#include <gtest/gtest.h>

#include "tests/window/modal_driver.h"
#include "ui/dialogs/no_usb_dlg.h"

namespace {

// Refuses every button created with no style beyond WS_CHILD | WS_VISIBLE: the skinned buttons. The layout's
// push buttons carry their button type and WS_TABSTOP.
LRESULT CALLBACK RefuseSkinnedButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->style == (WS_CHILD | WS_VISIBLE)) {
    wchar_t className[16] = {};
    ::GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16);
    if (::lstrcmpiW(className, L"Button") == 0) return 1;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MessageBoxes, WithoutItsSkinnedButtonTheLayoutsOwnStaysVisibleAndEndsTheBox) {
  const HHOOK hook = ::SetWindowsHookExW(WH_CBT, &RefuseSkinnedButtons, nullptr, ::GetCurrentThreadId());
  ASSERT_TRUE(hook);
  dialogs::CNoUsbDlg box;
  bool layoutButtonShown = false;
  const dialogs_test::DrivenRun run = dialogs_test::RunDriven(box, [&](HWND window) {
    const HWND button = ::GetDlgItem(window, IDOK);  // the layout's has a caption, a skinned one none
    layoutButtonShown = ::IsWindowVisible(button) && ::GetWindowTextLengthW(button) > 0;
    dialogs_test::ClickAt(window, 366, 199);  // the middle of the skinned button's rectangle
  });
  ::UnhookWindowsHookEx(hook);
  EXPECT_TRUE(layoutButtonShown);
  EXPECT_EQ(run.inputError, "");
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(run.result, IDOK);
}

}  // namespace
