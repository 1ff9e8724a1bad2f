// A skinned box whose skinned button cannot be created still has a button that ends it.
#include <gtest/gtest.h>

#include "tests/support/modal_script.h"
#include "tests/support/real_input.h"
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
  const testsupport::ModalRun run = testsupport::RunModalScript(box, [&] {
    const HWND button = ::GetDlgItem(box.m_hWnd, IDOK);  // the layout's has a caption, a skinned one none
    layoutButtonShown = ::IsWindowVisible(button) && ::GetWindowTextLengthW(button) > 0;
    // The middle of the skinned button's rectangle.
    EXPECT_TRUE(testsupport::ClickInWindow(box.m_hWnd, 366, 199)) << testsupport::RealInput::LastError();
  });
  ::UnhookWindowsHookEx(hook);
  EXPECT_TRUE(layoutButtonShown);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(run.result, IDOK);
}

}  // namespace
