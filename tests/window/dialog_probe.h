// Watches a skinned dialog from inside while a script drives it: the key presses that reached its filter,
// and what its ending (OnOK or OnCancel) found and released.
#pragma once

#include <windows.h>

#include "tests/support/screen_probe.h"

namespace dialogs_test {

struct Ending {
  int count = 0;
  bool hadBackground = false;  // at the last ending
  long gdiReleased = 0;        // GDI objects freed by the last ending
};

template <class Dialog>
class Probe : public Dialog {
 public:
  using Dialog::Dialog;

  int keyPresses = 0;
  Ending ending;

  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN) ++keyPresses;
    return Dialog::PreTranslateMessage(msg);
  }

 protected:
  void OnOK() override {
    Record([this] { Dialog::OnOK(); });
  }
  void OnCancel() override {
    Record([this] { Dialog::OnCancel(); });
  }

 private:
  template <class End>
  void Record(End end) {
    ++ending.count;
    ending.hadBackground = this->HasBackground();
    const long before = testsupport::GdiObjectCount();
    end();
    ending.gdiReleased = before - testsupport::GdiObjectCount();
  }
};

}  // namespace dialogs_test
