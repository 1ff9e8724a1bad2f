#include "tests/window/modal_driver.h"

#include <atomic>
#include <string>
#include <thread>

#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"

namespace dialogs_test {
namespace {

using testsupport::RealInput;

// Set on the driver's thread by the input helpers, read after it has been joined.
std::string g_inputError;

void Check(bool done) {
  if (!done && g_inputError.empty()) g_inputError = RealInput::LastError();
}

POINT ToScreen(HWND window, int x, int y) {
  POINT point{x, y};
  ::ClientToScreen(window, &point);
  return point;
}

BOOL CALLBACK FindShownDialog(HWND window, LPARAM param) {
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, 16);
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window) && lstrcmpW(className, L"#32770") == 0) {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForShownDialog(DWORD threadId) {
  HWND found = nullptr;
  WaitFor([&] {
    ::EnumThreadWindows(threadId, &FindShownDialog, reinterpret_cast<LPARAM>(&found));
    return found != nullptr;
  });
  return found;
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 10) {
    if (done()) return true;
    ::Sleep(10);
  }
  return done();
}

void Sync(HWND window) {
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

void ClickAt(HWND window, int x, int y) {
  const POINT at = ToScreen(window, x, y);
  Check(RealInput::Click(at.x, at.y));
}

void DragBy(HWND window, int x, int y, int dx, int dy) {
  const POINT from = ToScreen(window, x, y);
  Check(RealInput::Drag(from, POINT{from.x + dx, from.y + dy}, 5));
}

void WheelAt(HWND window, int x, int y, int notches) {
  const POINT at = ToScreen(window, x, y);
  Check(RealInput::ClickRepeatedly(at.x, at.y, notches > 0 ? notches : -notches, 20, notches > 0 ? 4 : 5));
}

void PressKey(HWND window, const char* name) { Check(RealInput::Key(window, name)); }

DrivenRun RunDriven(fw::CDialog& dialog, const std::function<void(HWND)>& script) {
  DrivenRun run;
  const DWORD testThread = ::GetCurrentThreadId();
  std::atomic<bool> ended = false;
  // Whatever an earlier test left under the pointer, the dialog opens away from it.
  RealInput::Park();
  std::thread driver([&] {
    g_inputError.clear();
    HWND window = WaitForShownDialog(testThread);
    if (!window) return;
    run.scriptFoundDialog = WaitFor([&] { return testsupport::WindowIsOnScreen(window); });
    if (run.scriptFoundDialog) script(window);
    if (!WaitFor([&] { return ended.load() || !::IsWindowVisible(window); })) {
      run.leftOpen = true;
      ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
  });
  run.result = dialog.DoModal();
  ended = true;
  driver.join();
  run.inputError = g_inputError;
  return run;
}

}  // namespace dialogs_test
