// The hourglass while the main window blocks its thread on the card.
#pragma once

#include <windows.h>

namespace main_window {

class WaitCursor {
 public:
  WaitCursor() : previous_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { End(); }

  // Puts back the cursor shown before; later calls do nothing.
  void End() {
    if (!active_) return;
    active_ = false;
    ::SetCursor(previous_ ? previous_ : ::LoadCursorW(nullptr, IDC_ARROW));
  }

 private:
  HCURSOR previous_;
  bool active_ = true;
};

}  // namespace main_window
