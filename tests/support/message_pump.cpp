#include "tests/support/message_pump.h"

#include <algorithm>

#include "framework/dialog.h"

namespace testsupport {

void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit request for whoever runs the outer loop.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (fw::WalkPreTranslateTree(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

void PumpFor(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
  const ULONGLONG start = ::GetTickCount64();
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    const ULONGLONG elapsed = ::GetTickCount64() - start;
    if (elapsed >= timeoutMilliseconds) return false;
    // Waiting here is also what lets Wine read X events and flush window drawing to the screen.
    const DWORD slice = static_cast<DWORD>(std::min<ULONGLONG>(5, timeoutMilliseconds - elapsed));
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, slice, QS_ALLINPUT);
  }
}

}  // namespace testsupport
