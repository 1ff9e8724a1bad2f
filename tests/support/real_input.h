// Real mouse and keyboard input for window tests: xdotool events on the X display, which reach the
// program through Wine's input path exactly as a user's do (the message queue, hit-testing, capture,
// PreTranslateMessage), unlike SendMessage or BM_CLICK.
//
// A Windows program cannot start xdotool itself, so each call drops a request into the directory
// named by the environment variable DQ_INPUT_BRIDGE, where tests/support/input_bridge.py (started by
// scripts/test, see start_input_bridge in scripts/lib/common.sh) carries it out. While it waits for
// the answer, the call pumps the calling thread's messages as the modal loop does (see message_pump.h),
// so the test's windows keep handling the input. xdotool is done only once the X server has sent its
// events to Wine, so when a call returns, the input has become messages and they have been handled on
// the calling thread: what they do at once (a press, a click, a key) can be checked right away; what a
// window does later (timers, hover) is to be waited for with PumpUntil.
//
// Coordinates are screen pixels (Wine's screen is the X screen). Every call that puts the pointer
// somewhere comes from the pixel beside it: a window that appeared under a resting pointer learns of the
// pointer only from a move, and a move to where the pointer already is would be none. All calls return
// false when the bridge is missing or xdotool failed; LastError() tells why.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

class RealInput {
 public:
  // True when the bridge directory is set and the daemon answers.
  static bool Available();

  static bool MoveTo(int x, int y);
  // Moves there, then presses and releases the left button.
  static bool Click(int x, int y);
  // Moves there and clicks `button` (1 left, 4 wheel away from the user, 5 towards) `times` times,
  // `delayMs` apart.
  static bool ClickRepeatedly(int x, int y, int times, int delayMs, int button = 1);
  // Moves there and holds the left button down. Not on a skinned window's body: see Drag().
  static bool Press(int x, int y);
  // Lets the left button go where the pointer is.
  static bool Release();
  // Presses at `from`, waits until the press has taken the mouse capture (a button, a Thumb, or the window
  // move loop that a press on a skinned window's body starts), then moves to `to` in `steps` and releases
  // there. The move loop takes the pointer's place when it starts as its anchor, so the moves must not
  // reach Wine before then; and while it runs it handles the messages itself, so the moves come from
  // another thread.
  static bool Drag(POINT from, POINT to, int steps = 4);
  // Presses a key, by xdotool name ("Escape", "Return", "alt+F4", ...), with the pointer over `window`'s
  // top-level window: without a window manager the X keyboard focus follows the pointer. The pointer stays
  // where it is when it is over that window already.
  static bool Key(HWND window, const std::string& name);
  // Moves the pointer to the screen's bottom-right corner, away from every test window.
  static bool Park();

  // Any xdotool command chain, for what the calls above do not cover.
  static bool Xdotool(const std::vector<std::string>& arguments);
  // Saves the whole screen as a PNG file at a Unix path (for looking at a failure).
  static bool Screenshot(const std::string& unixPath);

  static const std::string& LastError();
};

}  // namespace testsupport
