// Real mouse and keyboard input for window tests: xdotool events on the X display, which reach the
// program through Wine's input path exactly as a user's do (the message queue, hit-testing, capture,
// PreTranslateMessage), unlike SendMessage or BM_CLICK.
//
// A Windows program cannot start xdotool itself, so each call drops a request into the directory
// named by the environment variable DQ_INPUT_BRIDGE, where tests/support/input_bridge.py (started by
// scripts/test, see start_input_bridge in scripts/lib/common.sh) carries it out. While it waits for
// the answer, the call pumps the calling thread's messages as the modal loop does (see message_pump.h),
// so the test's windows keep handling the input; afterwards it pumps a little longer, so that the
// events have become messages before it returns.
//
// Coordinates are screen pixels (Wine's screen is the X screen). All calls return false when the
// bridge is missing or xdotool failed; LastError() tells why.
//
// Mind the platform's modal loops: a press on a skinned window's body starts the window's move loop,
// which lasts until the release, so Press() there would never return. Use Drag() for such moves: the
// press, the moves and the release are one request.
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
  // Moves there and holds the left button down.
  static bool Press(int x, int y);
  // Lets the left button go where the pointer is.
  static bool Release();
  // An xdotool key name: "Escape", "Return", "alt+F4", ...
  static bool Key(const std::string& name);
  // Presses at `from`, moves to `to` in `steps` pauses of 50 ms, releases there: one request.
  static bool Drag(POINT from, POINT to, int steps = 4);
  // Moves the pointer to the screen's bottom-right corner, away from every test window.
  static bool Park();

  // Any xdotool command chain, for what the calls above do not cover.
  static bool Xdotool(const std::vector<std::string>& arguments);
  // Saves the whole screen as a PNG file at a Unix path (for looking at a failure).
  static bool Screenshot(const std::string& unixPath);

  static const std::string& LastError();
};

}  // namespace testsupport
