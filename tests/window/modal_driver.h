// Runs a dialog modally on the test's thread while a script drives it from a second thread with real
// input, as a user would. GoogleTest's assertions are not thread-safe here: scripts record, tests check.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/dialog.h"

namespace dialogs_test {

struct DrivenRun {
  INT_PTR result = -1;
  bool scriptFoundDialog = false;  // shown and on the screen: the script ran
  // The script returned with the dialog still open; the driver then closed it with WM_CLOSE.
  bool leftOpen = false;
  // The first input request that failed (no input bridge, xdotool error); empty when all worked.
  std::string inputError;
};

// The pointer is parked away from the dialog first; `script` receives the dialog's window once the screen
// shows it. A dialog still open 5 s after the script has
// returned is closed, so a failing test never hangs.
DrivenRun RunDriven(fw::CDialog& dialog, const std::function<void(HWND)>& script);

// Polls `done` every 10 ms for up to `milliseconds`; returns its last value.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000);

// Returns once the dialog's thread has handled everything sent to it before (a WM_NULL round trip).
void Sync(HWND window);

// Real input at points of a window's client area (any window: a dialog, a control, a dropped list).
void ClickAt(HWND window, int x, int y);
void DragBy(HWND window, int x, int y, int dx, int dy);
// Turns the mouse wheel over a point: positive notches away from the user, negative towards.
void WheelAt(HWND window, int x, int y, int notches);
// One key press and release, by X key name ("Return", "Escape", "Down"), with the pointer over the window
// (see RealInput::Key).
void PressKey(HWND window, const char* name);

}  // namespace dialogs_test
