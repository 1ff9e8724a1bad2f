#include "tests/support/modal_script.h"

#include <utility>

#include "tests/support/message_pump.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"

namespace testsupport {
namespace {

// Thread timers carry the script and the popup answer into whichever message loop runs at the time.
std::function<void()> g_script;

void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  std::function<void()> script = std::move(g_script);
  script();
}

HWND g_popupOwner = nullptr;
POINT g_popupAnswer{};
bool g_popupAnswered = false;

void CALLBACK AnswerPopup(HWND, UINT, UINT_PTR id, DWORD) {
  HWND popup = VisiblePopupOf(g_popupOwner);
  if (!popup) return;
  ::KillTimer(nullptr, id);
  g_popupAnswered = ClickInWindow(popup, g_popupAnswer.x, g_popupAnswer.y);
}

}  // namespace

ModalRun RunModalScript(fw::CDialog& dialog, const std::function<void()>& script) {
  ModalRun run;
  g_script = [&] {
    PumpUntil([&] { return WindowIsOnScreen(dialog.m_hWnd); });
    script();
    if (dialog.m_hWnd && ::IsWindowVisible(dialog.m_hWnd)) {
      run.leftOpen = true;
      dialog.PostMessage(WM_CLOSE);
    }
  };
  // Whatever an earlier test left under the pointer, the window opens away from it.
  RealInput::Park();
  ::SetTimer(nullptr, 0, 10, &RunScript);
  run.result = dialog.DoModal();
  return run;
}

HWND VisiblePopupOf(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<Search*>(data);
        if (::GetWindow(window, GW_OWNER) != search->owner || !::IsWindowVisible(window)) return TRUE;
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

POINT WindowOrigin(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return POINT{rect.left, rect.top};
}

bool ClickInWindow(HWND window, int x, int y) {
  const POINT origin = WindowOrigin(window);
  return RealInput::Click(origin.x + x, origin.y + y);
}

bool ClickAndAnswerPopup(HWND owner, POINT answer, const std::function<void()>& click, DWORD timeoutMilliseconds) {
  g_popupOwner = owner;
  g_popupAnswer = answer;
  g_popupAnswered = false;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &AnswerPopup);
  click();
  PumpUntil([] { return g_popupAnswered; }, timeoutMilliseconds);
  ::KillTimer(nullptr, timer);
  return g_popupAnswered;
}

}  // namespace testsupport
