#include "tests/window/modal_driver.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/real_input.h"

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

// Under Wine a press reaches a window that appeared under a resting pointer only after the pointer has
// moved over it, so every press comes from a neighbouring pixel. That pixel is never where the pointer
// already is: xdotool's "mousemove --sync" to the pointer's own position waits some 15 s for a move.
POINT Neighbour(POINT at) {
  POINT pointer{};
  ::GetCursorPos(&pointer);
  const POINT below{at.x + 1, at.y + 1};
  return pointer.x == below.x && pointer.y == below.y ? POINT{at.x - 1, at.y - 1} : below;
}

std::vector<std::string> MoveTo(POINT at) {
  return {"mousemove", "--sync", std::to_string(at.x), std::to_string(at.y)};
}

std::vector<std::string> ApproachAndThen(POINT at, std::initializer_list<std::string> then) {
  std::vector<std::string> arguments = MoveTo(Neighbour(at));
  const std::vector<std::string> last = MoveTo(at);
  arguments.insert(arguments.end(), last.begin(), last.end());
  arguments.insert(arguments.end(), then);
  return arguments;
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
  Check(RealInput::Xdotool(ApproachAndThen(ToScreen(window, x, y), {"click", "1"})));
}

void DragBy(HWND window, int x, int y, int dx, int dy) {
  const POINT from = ToScreen(window, x, y);
  Check(RealInput::Xdotool(MoveTo(Neighbour(from))));
  Check(RealInput::Drag(from, POINT{from.x + dx, from.y + dy}, 5));
}

void WheelAt(HWND window, int x, int y, int notches) {
  Check(RealInput::Xdotool(ApproachAndThen(
      ToScreen(window, x, y),
      {"click", "--repeat", std::to_string(notches > 0 ? notches : -notches), notches > 0 ? "4" : "5"})));
}

void PressKey(HWND window, const char* name) {
  RECT area{};
  ::GetWindowRect(window, &area);
  POINT pointer{};
  ::GetCursorPos(&pointer);
  if (!::PtInRect(&area, pointer))
    Check(RealInput::Xdotool(MoveTo(POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2})));
  Check(RealInput::Key(name));
}

DrivenRun RunDriven(fw::CDialog& dialog, const std::function<void(HWND)>& script) {
  DrivenRun run;
  const DWORD testThread = ::GetCurrentThreadId();
  std::atomic<bool> ended = false;
  std::thread driver([&] {
    g_inputError.clear();
    HWND window = WaitForShownDialog(testThread);
    run.scriptFoundDialog = window != nullptr;
    if (!window) return;
    script(window);
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
