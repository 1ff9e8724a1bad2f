// A skinned box whose skinned button cannot be created still has a button that ends it.
#include <gtest/gtest.h>

#include "tests/window/modal_driver.h"
#include "ui/dialogs/no_usb_dlg.h"

namespace {

using namespace dialogs_test;

// Refuses, on this thread, every button created with no style beyond WS_CHILD | WS_VISIBLE: the skinned buttons.
// The layout's push buttons carry their button type and WS_TABSTOP.
class RefuseSkinnedButtons {
 public:
  RefuseSkinnedButtons() : hook_(::SetWindowsHookExW(WH_CBT, &Refuse, nullptr, ::GetCurrentThreadId())) {}
  ~RefuseSkinnedButtons() { ::UnhookWindowsHookEx(hook_); }
  RefuseSkinnedButtons(const RefuseSkinnedButtons&) = delete;
  RefuseSkinnedButtons& operator=(const RefuseSkinnedButtons&) = delete;
  explicit operator bool() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const CREATESTRUCTW* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
      wchar_t className[16] = {};
      ::GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16);
      if (create->style == (WS_CHILD | WS_VISIBLE) && ::lstrcmpiW(className, L"Button") == 0) return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  HHOOK hook_;
};

TEST(MessageBoxes, WithoutItsSkinnedButtonTheLayoutsOwnStaysVisibleAndEndsTheBox) {
  RefuseSkinnedButtons refuse;
  ASSERT_TRUE(refuse);
  dialogs::CNoUsbDlg box;
  bool layoutButtonShown = false;
  const DrivenRun run = RunDriven(box, [&](HWND window) {
    const HWND button = ::GetDlgItem(window, IDOK);
    // The layout's button has a caption, a skinned one has none.
    layoutButtonShown = ::IsWindowVisible(button) && ::GetWindowTextLengthW(button) > 0;
    ClickAt(window, 366, 199);  // the middle of the skinned button's rectangle
  });
  ASSERT_TRUE(run.scriptFoundDialog);
  EXPECT_EQ(run.inputError, "");
  EXPECT_TRUE(layoutButtonShown);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(run.result, IDOK);
}

}  // namespace
