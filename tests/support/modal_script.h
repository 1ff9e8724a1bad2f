// Driving a modal window from a test: a script that runs inside the window's own modal loop, and real
// clicks at window pixels that may open a popup of the window's to be answered.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/dialog.h"

namespace testsupport {

struct ModalRun {
  INT_PTR result = -1;
  bool leftOpen = false;  // the script returned with the window open: it was closed for it
};

// Runs `dialog` modally, with the pointer parked away from it, and, once its modal loop runs and the screen
// shows it, runs `script` inside that loop. A window still open when the script
// returns is closed with WM_CLOSE, so a failing test never hangs.
ModalRun RunModalScript(fw::CDialog& dialog, const std::function<void()>& script);

// The window's top-left corner on the screen.
POINT WindowOrigin(HWND window);

// A visible popup owned by `owner` on this thread (a message box, the picker), or null.
HWND VisiblePopupOf(HWND owner);

// A real click at (x, y) of a window, wherever the window stands now; false when the input failed.
bool ClickInWindow(HWND window, int x, int y);

// Runs `click`, answers the first popup of `owner` that shows (a message box, the picker) with a real
// click at `answer` (popup pixels), and pumps until it is answered or `timeoutMilliseconds` have passed.
// The popup runs its modal loop inside the click's handling, so the answer usually comes before `click`
// returns. True when a popup was answered.
bool ClickAndAnswerPopup(HWND owner, POINT answer, const std::function<void()>& click,
                         DWORD timeoutMilliseconds = 6000);

}  // namespace testsupport
